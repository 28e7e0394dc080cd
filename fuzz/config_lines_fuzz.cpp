// The configuration-line edits: each reads back what it wrote, or leaves the text as it was,
// and never touches what lies outside the edited setting.
#include "fuzz_input.h"
#include "serverconfig/config_lines.h"

namespace quorvant::fuzz {
namespace {

constexpr std::string_view kQuotedNames[] = {"mp_timelimit", "mp_fraglimit",  "mp_friendlyfire",
                                             "mp_footsteps", "mp_flashlight", "sv_allowupload"};
constexpr std::string_view kCommandNames[] = {"hostname ", "sv_password ", "mp_timelimit ",
                                              "sv_lan "};
constexpr std::string_view kKeys[] = {"hostname", "sv_password", "_cl_autowepswitch"};

// A value as the windows produce it: one line, no double quotes.
bool IsPlainValue(std::string_view value) { return !HasAny(value, "\"\r\n"); }

void CheckQuotedSetting(std::string text, std::string_view name, const std::string& value) {
    const std::string before = text;
    SetQuotedSetting(text, name, value);
    if (!IsPlainValue(value)) return;
    Require(GetQuotedSetting(text, name) == value || text == before,
            "a quoted setting reads back or is left alone");
    const std::string quotedName = "\"" + std::string(name) + "\"";
    const std::size_t at = before.find(quotedName);
    if (at == std::string::npos)
        Require(text.starts_with(before), "an appended setting keeps the text before it");
    else
        Require(text.compare(0, at + quotedName.size(), before, 0, at + quotedName.size()) == 0,
                "an edited setting keeps what comes before its value");
}

void CheckCommandSetting(std::string text, std::string_view name, const std::string& value) {
    const std::string before = text;
    SetCommandSetting(text, name, value);
    const std::size_t at = before.find(name);
    if (at == std::string::npos) {
        Require(text.starts_with(before), "an appended line keeps the text before it");
        return;
    }
    const std::size_t end = before.find("\r\n", at);
    Require(text.compare(0, at + name.size(), before, 0, at + name.size()) == 0,
            "a command line keeps what comes before its value");
    if (end != std::string::npos)
        Require(std::string_view(text).ends_with(std::string_view(before).substr(end)),
                "a command line keeps the lines after it");
}

void CheckKeyedValue(std::string text, std::string_view key, const std::string& value) {
    const std::string before = text;
    SetKeyedValue(text, key, value);
    if (!IsPlainValue(value)) return;
    Require(GetKeyedValue(text, key) == value || text == before,
            "a keyed value reads back or is left alone");
}

void CheckLogLine(std::string text) {
    const bool had = HasLogLine(text);
    const std::string before = text;
    RemoveLogLine(text);
    Require(had ? text.size() < before.size() : text == before,
            "only a log line is removed, and only when there is one");
}

}  // namespace
}  // namespace quorvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant::fuzz;
    FuzzInput input(data, size);
    const std::size_t operation = input.choice(4);
    const std::size_t name = input.choice(16);
    const std::string value = input.text();
    const std::string text = input.rest();
    switch (operation) {
        case 0:
            CheckQuotedSetting(text, kQuotedNames[name % std::size(kQuotedNames)], value);
            break;
        case 1:
            CheckCommandSetting(text, kCommandNames[name % std::size(kCommandNames)], value);
            break;
        case 2:
            CheckKeyedValue(text, kKeys[name % std::size(kKeys)], value);
            break;
        default:
            CheckLogLine(text);
    }
    return 0;
}
