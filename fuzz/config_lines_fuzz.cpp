// The configuration-line edits: each reads back what it wrote, or leaves the text as it was,
// and never touches what lies outside the edited setting.
#include <algorithm>

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

// Where the two texts differ: the length of their common head, and the differing middles.
struct Difference {
    std::size_t head;
    std::string_view before;
    std::string_view after;
};

Difference Compare(std::string_view before, std::string_view after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {head, before.substr(head, before.size() - head - tail),
            after.substr(head, after.size() - head - tail)};
}

// The first line that runs the command `name`, found line by line: its start, or npos.
std::size_t CommandLine(std::string_view text, std::string_view name) {
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::size_t command = text.find_first_not_of(" \t", start);
        if (command < end && text.substr(command, end - command).starts_with(name)) return start;
        start = end + 1;
    }
    return std::string_view::npos;
}

void CheckQuotedSetting(std::string text, std::string_view name, const std::string& value) {
    const std::string before = text;
    SetQuotedSetting(text, name, value);
    // A value that is the name itself, written between quotes, reads as the quoted name.
    if (!IsPlainValue(value) || value == name) return;
    Require(GetQuotedSetting(text, name) == value || text == before,
            "a quoted setting reads back or is left alone");
    const std::string quotedName = "\"" + std::string(name) + "\"";
    const std::size_t at = before.find(quotedName);
    if (at != std::string::npos) {
        Require(text.compare(0, at + quotedName.size(), before, 0, at + quotedName.size()) == 0,
                "an edited setting keeps what comes before its value");
    } else if (FindQuotedSetting(before, name)) {
        const Difference difference = Compare(before, text);
        Require(!HasAny(difference.before, "\r\n") && difference.head > CommandLine(before, name),
                "a bare command is edited on its own line");
    } else {
        Require(text.starts_with(before), "an appended setting keeps the text before it");
    }
}

void CheckCommandSetting(std::string text, std::string_view name, const std::string& value) {
    const std::string before = text;
    SetCommandSetting(text, name, value);
    const std::size_t line = CommandLine(before, name);
    Require(GetCommandSetting(before, name).has_value() == (line != std::string::npos),
            "a command counts where a line runs it");
    if (line == std::string::npos) {
        Require(text.starts_with(before), "an appended line keeps the text before it");
    } else {
        const std::size_t end = std::min(before.find_first_of("\r\n", line), before.size());
        const std::size_t valueStart = before.find(name, line) + name.size();
        Require(text.compare(0, valueStart, before, 0, valueStart) == 0,
                "a command line keeps what comes before its value");
        Require(std::string_view(text).ends_with(std::string_view(before).substr(end)),
                "a command line keeps the lines after it");
    }
    if (IsPlainValue(value) && value != "\"\"" && (!value.empty() || line != std::string::npos))
        Require(GetCommandSetting(text, name) == value, "a command setting reads back");
}

void CheckKeyedValue(std::string text, std::string_view key, const std::string& value) {
    const std::string before = text;
    SetKeyedValue(text, key, value);
    if (!IsPlainValue(value)) return;
    Require(GetKeyedValue(text, key) == value || text == before,
            "a keyed value reads back or is left alone");
}

void CheckLineKeyedValue(std::string_view text, std::string_view key) {
    const auto value = GetLineKeyedValue(text, key);
    if (!value) return;
    Require(CommandLine(text, key) != std::string_view::npos, "the key begins a line");
    Require(text.find(*value) != std::string_view::npos, "the value is in the text");
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
            CheckLineKeyedValue(text, kKeys[name % std::size(kKeys)]);
            break;
        default:
            CheckLogLine(text);
    }
    return 0;
}
