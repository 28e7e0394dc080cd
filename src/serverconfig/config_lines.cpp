#include "serverconfig/config_lines.h"

#include <algorithm>

#include "app/file_io.h"
#include "catalogue/descriptor.h"

namespace quorvant {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kEmptyQuotes = "\"\"";
constexpr std::string_view kLogLine = "log on";
constexpr std::string_view kComment = "//";
constexpr std::size_t npos = std::string_view::npos;

// The end of the line `from` is on: its CR or LF, or the end of the text.
std::size_t LineEnd(std::string_view text, std::size_t from) {
    return std::min(text.find_first_of(kLineEnd, from), text.size());
}

// The first occurrence of `name` at or after `from` that begins a line, after nothing but the
// characters `indent`.
std::size_t FindAtLineStart(std::string_view text, std::string_view name, std::string_view indent,
                            std::size_t from = 0) {
    for (std::size_t at = text.find(name, from); at != npos; at = text.find(name, at + 1)) {
        std::size_t start = at;
        while (start > 0 && indent.find(text[start - 1]) != npos) --start;
        if (start == 0 || kLineEnd.find(text[start - 1]) != npos) return at;
    }
    return npos;
}

// The argument of a console command: between its quotes, or a word up to the next blank.
struct Argument {
    std::size_t begin;
    std::size_t length;
    bool quoted;
};

// The argument of the first line that runs the command `name` with one.
std::optional<Argument> FindCommandArgument(std::string_view text, std::string_view name) {
    for (std::size_t at = FindAtLineStart(text, name, kBlanks); at != npos;
         at = FindAtLineStart(text, name, kBlanks, at + 1)) {
        const std::size_t nameEnd = at + name.size();
        const std::size_t begin = std::min(text.find_first_not_of(kBlanks, nameEnd), text.size());
        const std::size_t lineEnd = LineEnd(text, nameEnd);
        // A longer name, a command without argument, or a comment where the argument would be.
        if (begin == nameEnd || begin >= lineEnd || text.substr(begin).starts_with(kComment))
            continue;
        if (text[begin] == '"') {
            const std::size_t close = text.find('"', begin + 1);
            if (close < lineEnd) return Argument{begin + 1, close - begin - 1, true};
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", begin), text.size());
        return Argument{begin, end - begin, false};
    }
    return std::nullopt;
}

// An argument written without quotes must stay one word of the one command.
bool NeedsQuotes(std::string_view value) {
    return value.empty() || value.find_first_of(" \t;") != npos || value.find(kComment) != npos;
}

// The run strictly between the first two double quotes at or after `from`, as begin and length.
std::optional<std::pair<std::size_t, std::size_t>> QuotedRun(std::string_view text,
                                                             std::size_t from) {
    const std::size_t open = text.find('"', from);
    if (open == npos) return std::nullopt;
    const std::size_t close = text.find('"', open + 1);
    if (close == npos) return std::nullopt;
    return std::pair{open + 1, close - open - 1};
}

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

void AppendLine(std::string& text, std::string_view line) {
    text += kLineEnd;
    text += line;
    text += kLineEnd;
}

}  // namespace

std::string ReadConfigText(const std::string& gameFolder, std::string_view mod,
                           std::string_view fileName) {
    return ReadWholeFile(ModPath(gameFolder, mod, fileName)).value_or(std::string());
}

std::optional<std::string> ReadConfigTextForEdit(const std::string& gameFolder,
                                                 std::string_view mod, std::string_view fileName) {
    return ReadFileForEdit(ModPath(gameFolder, mod, fileName));
}

bool WriteConfigText(const std::string& gameFolder, std::string_view mod, std::string_view fileName,
                     std::string_view text) {
    return WriteFileAtomically(ModPath(gameFolder, mod, fileName),
                               WithFinalLineEnd(std::string(text)));
}

std::optional<std::string> FindQuotedSetting(std::string_view text, std::string_view name) {
    const std::string quotedName = Quoted(name);
    const std::size_t at = text.find(quotedName);
    if (at != npos) {
        const auto run = QuotedRun(text, at + quotedName.size());
        return run ? std::string(text.substr(run->first, run->second)) : std::string();
    }
    const auto argument = FindCommandArgument(text, name);
    if (!argument) return std::nullopt;
    return std::string(text.substr(argument->begin, argument->length));
}

std::string GetQuotedSetting(std::string_view text, std::string_view name) {
    return FindQuotedSetting(text, name).value_or(std::string());
}

void SetQuotedSetting(std::string& text, std::string_view name, std::string_view value) {
    const std::string quotedName = Quoted(name);
    const std::size_t at = text.find(quotedName);
    if (at != npos) {
        // A setting without its two value quotes is left as the file has it.
        if (const auto run = QuotedRun(text, at + quotedName.size())) {
            text.replace(run->first, run->second, value);
        }
    } else if (const auto argument = FindCommandArgument(text, name)) {
        const bool quote = !argument->quoted && NeedsQuotes(value);
        text.replace(argument->begin, argument->length, quote ? Quoted(value) : std::string(value));
    } else if (!value.empty()) {
        AppendLine(text, quotedName + "\t\t" + Quoted(value));
    }
}

std::optional<std::string> GetCommandSetting(std::string_view text, std::string_view name) {
    const std::size_t at = FindAtLineStart(text, name, kBlanks);
    if (at == npos) return std::nullopt;
    const std::size_t begin = at + name.size();
    return std::string(text.substr(begin, LineEnd(text, begin) - begin));
}

void SetCommandSetting(std::string& text, std::string_view name, std::string_view value) {
    const std::size_t at = FindAtLineStart(text, name, kBlanks);
    if (at != npos) {
        if (value == kEmptyQuotes) return;
        const std::size_t begin = at + name.size();
        // A file written with LF or CR line ends keeps its following lines too.
        text.replace(begin, LineEnd(text, begin) - begin, value);
    } else if (!value.empty() && value != kEmptyQuotes) {
        AppendLine(text, std::string(name) + std::string(value));
    }
}

std::optional<std::string> GetKeyedValue(std::string_view text, std::string_view key) {
    const std::size_t at = text.find(key);
    if (at == npos) return std::nullopt;
    const auto run = QuotedRun(text, at);
    return run ? std::string(text.substr(run->first, run->second)) : std::string();
}

std::optional<std::string> GetLineKeyedValue(std::string_view text, std::string_view key) {
    const std::size_t at = FindAtLineStart(text, key, {});
    if (at == npos) return std::nullopt;
    const auto run = QuotedRun(text, at);
    return run ? std::string(text.substr(run->first, run->second)) : std::string();
}

void SetKeyedValue(std::string& text, std::string_view key, std::string_view value) {
    const std::size_t at = text.find(key);
    if (at != npos) {
        if (const auto run = QuotedRun(text, at)) text.replace(run->first, run->second, value);
    } else {
        AppendLine(text, std::string(key) + " " + Quoted(value));
    }
}

bool HasLogLine(std::string_view text) {
    return text.find(std::string(kLineEnd) + std::string(kLogLine)) != npos ||
           text.starts_with(kLogLine);
}

void RemoveLogLine(std::string& text) {
    const std::size_t afterBreak = text.find(std::string(kLineEnd) + std::string(kLogLine));
    if (afterBreak != npos) {
        text.erase(afterBreak, kLineEnd.size() + kLogLine.size());
    } else if (text.starts_with(kLogLine)) {
        text.erase(0, kLogLine.size() + kLineEnd.size());
    }
}

}  // namespace quorvant
