#include "serverconfig/config_lines.h"

#include "app/file_io.h"
#include "catalogue/descriptor.h"

namespace quorvant {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEmptyQuotes = "\"\"";
constexpr std::string_view kLogLine = "log on";
constexpr std::size_t npos = std::string_view::npos;

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

std::string GetQuotedSetting(std::string_view text, std::string_view name) {
    const std::string quotedName = Quoted(name);
    const std::size_t at = text.find(quotedName);
    if (at == npos) return {};
    const auto run = QuotedRun(text, at + quotedName.size());
    return run ? std::string(text.substr(run->first, run->second)) : std::string();
}

void SetQuotedSetting(std::string& text, std::string_view name, std::string_view value) {
    const std::string quotedName = Quoted(name);
    const std::size_t at = text.find(quotedName);
    if (at != npos) {
        // A setting without its two value quotes is left as the file has it.
        if (const auto run = QuotedRun(text, at + quotedName.size())) {
            text.replace(run->first, run->second, value);
        }
    } else if (!value.empty()) {
        AppendLine(text, quotedName + "\t\t" + Quoted(value));
    }
}

void SetCommandSetting(std::string& text, std::string_view name, std::string_view value) {
    const std::size_t at = text.find(name);
    if (at != npos) {
        if (value == kEmptyQuotes) return;
        const std::size_t begin = at + name.size();
        // A file written with LF or CR line ends keeps its following lines too.
        const std::size_t end = text.find_first_of(kLineEnd, begin);
        text.replace(begin, (end == npos ? text.size() : end) - begin, value);
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
