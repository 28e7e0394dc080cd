#pragma once

#include <optional>
#include <string>
#include <string_view>

// The game's console configuration files (game.cfg, listenserver.cfg, server.cfg, autoexec.cfg,
// config.cfg) as this program sees them: one text searched for fixed letters (case-sensitive,
// first occurrence) and edited in place, so that everything outside the edited characters
// survives a save byte for byte. Where a setting is a console command, it counts only where the
// game would run it: at the start of a line, after nothing but blanks and TABs.
namespace quorvant {

// The text of a file of the mod; the empty text when there is none.
std::string ReadConfigText(const std::string& gameFolder, std::string_view mod,
                           std::string_view fileName);

// The text of a file of the mod to be edited: empty when there is none, nothing when it is there
// but cannot be read.
std::optional<std::string> ReadConfigTextForEdit(const std::string& gameFolder,
                                                 std::string_view mod, std::string_view fileName);

// Writes the text back in one piece, with a final CR LF only when it lacks a line end.
bool WriteConfigText(const std::string& gameFolder, std::string_view mod, std::string_view fileName,
                     std::string_view text);

// game.cfg settings. "name"<TAB><TAB>"value" pairs: the value between the two quotes after the
// quoted name. Without such a pair, a console command of the bare name, as the game's own files
// write them (mp_friendlyfire "1"): its argument, between quotes or up to the next blank. An edit
// keeps the form the file has; a new setting is appended as a pair.
std::optional<std::string> FindQuotedSetting(std::string_view text, std::string_view name);
// The value, or the empty text when the setting is absent.
std::string GetQuotedSetting(std::string_view text, std::string_view name);
void SetQuotedSetting(std::string& text, std::string_view name, std::string_view value);

// "name value" lines; `name` includes its trailing blank and begins a line. The value runs to
// the line's end: the next CR or LF.
std::optional<std::string> GetCommandSetting(std::string_view text, std::string_view name);
void SetCommandSetting(std::string& text, std::string_view name, std::string_view value);

// key "value": the value between the first two quotes after the key's letters.
std::optional<std::string> GetKeyedValue(std::string_view text, std::string_view key);
void SetKeyedValue(std::string& text, std::string_view key, std::string_view value);
// The same for a key that begins a line: at the start of the text or after a line end.
std::optional<std::string> GetLineKeyedValue(std::string_view text, std::string_view key);

// The "log on" line: at the very start of the text, or after a CR LF.
bool HasLogLine(std::string_view text);
void RemoveLogLine(std::string& text);

}  // namespace quorvant
