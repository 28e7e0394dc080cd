#pragma once

#include <optional>
#include <string>
#include <string_view>

// The settings of the game's console configuration files (game.cfg, listenserver.cfg, server.cfg,
// autoexec.cfg, config.cfg), read as the game's console reads them (console_script.h). A setting
// is the first command whose first token is its name (in any case, quoted or bare) with an
// argument; its value is that argument's content, or for a bare argument every bare word up to
// the command's end ("hostname My Server"). An edit replaces the bytes of that value only,
// keeping its quotes, or quoting a bare one where the new value needs it; a setting the text
// lacks is appended as a line of its own. Values that cannot be one argument are never written.
namespace quorvant {

// The text of a file of the mod; the empty text when there is none or it cannot be read.
std::string ReadConfigText(const std::string& gameFolder, std::string_view mod,
                           std::string_view fileName);

// The text of a file of the mod to be edited: empty when there is none, nothing when it is there
// but cannot be read.
std::optional<std::string> ReadConfigTextForEdit(const std::string& gameFolder,
                                                 std::string_view mod, std::string_view fileName);

// Writes the text in one piece, exactly as given.
bool WriteConfigText(const std::string& gameFolder, std::string_view mod, std::string_view fileName,
                     std::string_view text);

// The setting's value; nothing when no command sets it.
std::optional<std::string> FindSetting(std::string_view text, std::string_view name);

// How a setting the text lacks is appended, each on a line of its own.
enum class SettingForm {
    QuotedPair,     // "name"<TAB><TAB>"value", as game.cfg has them
    Command,        // name value
    QuotedCommand,  // name "value"
};

// Edits the setting in place, or appends it in `form` unless the value is empty. A value that
// cannot be one argument changes nothing.
void SetSetting(std::string& text, std::string_view name, std::string_view value, SettingForm form);

// game.cfg: the value, or the empty text when the setting is absent. A setting the text lacks is
// appended as "name"<TAB><TAB>"value", unless the value is empty.
std::string GetQuotedSetting(std::string_view text, std::string_view name);
void SetQuotedSetting(std::string& text, std::string_view name, std::string_view value);

// The server files: `name` may end with the blank that separates it from its value, and a value
// in double quotes ("\"My server\"") is written quoted. A value of two double quotes changes
// nothing; a setting the text lacks is appended as the name, a blank and the value.
void SetCommandSetting(std::string& text, std::string_view name, std::string_view value);

// config.cfg: a setting the text lacks is appended as key "value".
std::optional<std::string> GetKeyedValue(std::string_view text, std::string_view key);
void SetKeyedValue(std::string& text, std::string_view key, std::string_view value);

// The command "log on", on any line.
bool HasLogLine(std::string_view text);
// Removes the first "log on": its whole line when nothing else is on it, else the command alone.
void RemoveLogLine(std::string& text);
// Appends a "log on" line when the text has none.
void AddLogLine(std::string& text);

}  // namespace quorvant
