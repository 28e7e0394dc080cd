// The console's language and the settings read and edited in it: tokens lie inside their line,
// a value written back as it was changes nothing, an edit changes the bytes of its value only
// and reads back, an appended setting keeps the text before it.
#include "fuzz_input.h"
#include "serverconfig/config_lines.h"
#include "serverconfig/console_script.h"

namespace quorvant::fuzz {
namespace {

constexpr std::string_view kNames[] = {"mp_timelimit", "hostname",     "sv_password", "sv_lan",
                                       "log",          "MP_FRAGLIMIT", "a",           "gamedll"};
constexpr SettingForm kForms[] = {SettingForm::QuotedPair, SettingForm::Command,
                                  SettingForm::QuotedCommand};

void CheckScript(std::string_view text) {
    std::size_t previousEnd = 0;
    for (const ScriptCommand& command : ParseConsoleScript(text)) {
        Require(!command.tokens.empty(), "a command has a token");
        Require(command.lineBegin <= command.begin() && command.end() <= command.lineEnd &&
                    command.lineEnd <= command.nextLine && command.nextLine <= text.size(),
                "a command lies inside its line");
        Require(
            !HasAny(text.substr(command.lineBegin, command.lineEnd - command.lineBegin), "\r\n"),
            "a line holds no line end");
        for (const ScriptToken& token : command.tokens) {
            Require(previousEnd <= token.begin && token.begin < token.end &&
                        token.begin <= token.contentBegin &&
                        token.contentBegin <= token.contentEnd && token.contentEnd <= token.end,
                    "tokens are in order, each inside its bytes");
            previousEnd = token.end;
        }
    }
}

void CheckSetting(std::string text, std::string_view name, const std::string& value,
                  SettingForm form) {
    const std::string before = text;
    const std::optional<std::string> found = FindSetting(before, name);
    if (found) {
        std::string same = before;
        SetSetting(same, name, *found, form);
        Require(same == before, "a value written back as it was changes nothing");
    }
    SetSetting(text, name, value, form);
    if (!IsConsoleArgument(value)) {
        Require(text == before, "a value that is no argument is never written");
        return;
    }
    if (!found) {
        Require(text.starts_with(before), "an appended setting keeps the text before it");
        if (value.empty()) Require(text == before, "an empty value is not appended");
    } else {
        const Difference difference = Compare(before, text);
        Require(!HasAny(difference.before, "\r\n") && !HasAny(difference.after, "\r\n"),
                "an edit stays on its line");
    }
    if (found || !value.empty()) Require(FindSetting(text, name) == value, "the value reads back");
}

void CheckLog(std::string text) {
    const bool had = HasLogLine(text);
    const std::string before = text;
    RemoveLogLine(text);
    Require(had ? text.size() < before.size() : text == before,
            "only a log command is removed, and only when there is one");
    AddLogLine(text);
    Require(HasLogLine(text), "an added log command is found");
}

}  // namespace
}  // namespace quorvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant::fuzz;
    FuzzInput input(data, size);
    const std::string_view name = input.pick(kNames);
    const quorvant::SettingForm form = input.pick(kForms);
    const bool log = input.flag();
    const std::string value = input.text();
    const std::string text = input.rest();
    CheckScript(text);
    if (log) {
        CheckLog(text);
    } else {
        CheckSetting(text, name, value, form);
    }
    return 0;
}
