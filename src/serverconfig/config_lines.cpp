#include "serverconfig/config_lines.h"

#include <algorithm>

#include "app/file_io.h"
#include "app/file_system.h"
#include "catalogue/descriptor.h"
#include "serverconfig/console_script.h"

namespace quorvant {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEmptyQuotes = "\"\"";
constexpr std::string_view kLogCommand = "log";
constexpr std::string_view kLogOn = "on";

std::string_view WithoutTrailingBlank(std::string_view name) {
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    return name;
}

// The first command that sets `name`: one with an argument.
std::optional<ScriptCommand> FindSettingCommand(std::string_view text, std::string_view name) {
    name = WithoutTrailingBlank(name);
    for (ScriptCommand& command : ParseConsoleScript(text)) {
        if (command.tokens.size() >= 2 && CommandIs(text, command, name)) return std::move(command);
    }
    return std::nullopt;
}

// The bytes of the command's value: a quoted argument's content, else the bare words to its end.
std::pair<std::size_t, std::size_t> ValueBytes(const ScriptCommand& command) {
    const ScriptToken& argument = command.tokens[1];
    if (argument.quoted) return {argument.contentBegin, argument.contentEnd};
    return {argument.begin, command.end()};
}

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

// Puts `value` in place of the command's value, keeping its quotes; a bare value is quoted where
// the new one must be.
void ReplaceValue(std::string& text, const ScriptCommand& command, std::string_view value) {
    const auto [begin, end] = ValueBytes(command);
    if (std::string_view(text).substr(begin, end - begin) == value) return;
    // A bare value must not run into what follows it: a comment or a quote written right after
    // the old value's last byte would become part of the new one.
    const bool joinsNext =
        end < text.size() && std::string_view(" \t\r\n;").find(text[end]) == std::string_view::npos;
    const bool addQuotes = !command.tokens[1].quoted && (NeedsQuotes(value) || joinsNext);
    text.replace(begin, end - begin, addQuotes ? Quoted(value) : std::string(value));
}

void AppendLine(std::string& text, std::string_view line) {
    text += kLineEnd;
    text += line;
    text += kLineEnd;
}

bool IsLogOn(std::string_view text, const ScriptCommand& command) {
    return command.tokens.size() >= 2 && CommandIs(text, command, kLogCommand) &&
           EqualIgnoringCase(TokenText(text, command.tokens[1]), kLogOn);
}

bool OnlyBlanks(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::string ReadConfigText(const std::string& gameFolder, std::string_view mod,
                           std::string_view fileName) {
    return ReadWholeFile(ModPath(gameFolder, mod, fileName), kTextFileLimit)
        .value_or(std::string());
}

std::optional<std::string> ReadConfigTextForEdit(const std::string& gameFolder,
                                                 std::string_view mod, std::string_view fileName) {
    return ReadFileForEdit(ModPath(gameFolder, mod, fileName), kTextFileLimit);
}

bool WriteConfigText(const std::string& gameFolder, std::string_view mod, std::string_view fileName,
                     std::string_view text) {
    return WriteFileAtomically(ModPath(gameFolder, mod, fileName), text);
}

std::optional<std::string> FindSetting(std::string_view text, std::string_view name) {
    const auto command = FindSettingCommand(text, name);
    if (!command) return std::nullopt;
    const auto [begin, end] = ValueBytes(*command);
    return std::string(text.substr(begin, end - begin));
}

std::string GetQuotedSetting(std::string_view text, std::string_view name) {
    return FindSetting(text, name).value_or(std::string());
}

void SetSetting(std::string& text, std::string_view name, std::string_view value,
                SettingForm form) {
    if (!IsConsoleArgument(value)) return;
    name = WithoutTrailingBlank(name);
    if (const auto command = FindSettingCommand(text, name)) {
        ReplaceValue(text, *command, value);
    } else if (!value.empty()) {
        switch (form) {
            case SettingForm::QuotedPair:
                AppendLine(text, Quoted(name) + "\t\t" + Quoted(value));
                break;
            case SettingForm::Command:
                AppendLine(text, std::string(name) + " " +
                                     (NeedsQuotes(value) ? Quoted(value) : std::string(value)));
                break;
            case SettingForm::QuotedCommand:
                AppendLine(text, std::string(name) + " " + Quoted(value));
                break;
        }
    }
}

void SetQuotedSetting(std::string& text, std::string_view name, std::string_view value) {
    SetSetting(text, name, value, SettingForm::QuotedPair);
}

void SetCommandSetting(std::string& text, std::string_view name, std::string_view value) {
    if (value == kEmptyQuotes) return;
    if (value.empty()) {
        // An empty value leaves the name alone on its line, without quotes of its own.
        if (const auto command = FindSettingCommand(text, name)) {
            const auto [begin, end] = ValueBytes(*command);
            text.erase(begin, end - begin);
        }
        return;
    }
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    const auto command = quoted ? FindSettingCommand(text, name) : std::nullopt;
    if (command && !command->tokens[1].quoted &&
        IsConsoleArgument(value.substr(1, value.size() - 2))) {
        // A value asked for in quotes takes the place of a bare one, quotes and all.
        const auto [begin, end] = ValueBytes(*command);
        text.replace(begin, end - begin, value);
    } else if (quoted) {
        SetSetting(text, name, value.substr(1, value.size() - 2), SettingForm::QuotedCommand);
    } else {
        SetSetting(text, name, value, SettingForm::Command);
    }
}

std::optional<std::string> GetKeyedValue(std::string_view text, std::string_view key) {
    return FindSetting(text, key);
}

void SetKeyedValue(std::string& text, std::string_view key, std::string_view value) {
    SetSetting(text, key, value, SettingForm::QuotedCommand);
}

bool HasLogLine(std::string_view text) {
    const auto commands = ParseConsoleScript(text);
    return std::any_of(commands.begin(), commands.end(),
                       [text](const ScriptCommand& command) { return IsLogOn(text, command); });
}

void RemoveLogLine(std::string& text) {
    for (const ScriptCommand& command : ParseConsoleScript(text)) {
        if (!IsLogOn(text, command)) continue;
        const std::string_view view = text;
        const bool alone =
            OnlyBlanks(view.substr(command.lineBegin, command.begin() - command.lineBegin)) &&
            OnlyBlanks(view.substr(command.separatorEnd, command.lineEnd - command.separatorEnd));
        if (alone) {
            text.erase(command.lineBegin, command.nextLine - command.lineBegin);
        } else {
            text.erase(command.begin(), command.separatorEnd - command.begin());
        }
        return;
    }
}

void AddLogLine(std::string& text) {
    if (!HasLogLine(text)) AppendLine(text, "log on");
}

}  // namespace quorvant
