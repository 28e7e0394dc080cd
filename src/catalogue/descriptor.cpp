#include "catalogue/descriptor.h"

#include "app/file_io.h"
#include "app/file_system.h"

namespace quorvant {
namespace {

// Where a key's value lies in the text: between the quotes at `open` and `close`.
struct ValueSpan {
    std::size_t open;
    std::size_t close;
    std::size_t begin() const { return open + 1; }
    std::size_t length() const { return close - open - 1; }
};

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kModLibraryFolder = "dlls\\";
constexpr std::string_view kOtherSystemKeys[] = {"_linux", "_osx"};

// The value after the key found at `at`.
std::optional<ValueSpan> ValueAfter(std::string_view text, std::size_t at) {
    if (at == npos) return std::nullopt;
    const std::size_t open = text.find('"', at);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = text.find('"', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return ValueSpan{open, close};
}

std::optional<ValueSpan> FindValue(std::string_view text, std::string_view key) {
    return ValueAfter(text, text.find(key));
}

bool StartsOtherSystemsKey(std::string_view text, std::size_t at) {
    const std::string_view after = text.substr(at + kGameDllKey.size());
    for (std::string_view suffix : kOtherSystemKeys) {
        if (after.starts_with(suffix)) return true;
    }
    return false;
}

std::optional<ValueSpan> FindGameDllValue(std::string_view text) {
    return ValueAfter(text, FindGameDllKey(text));
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the library's file name starts inside the gamedll value. The usual value has the
// five-character folder prefix "dlls\" (in any spelling), kept as it stands. Any other value
// must never end up mixing the old and the new name: a name after a folder of another length
// starts after the last separator, and a bare file name is the whole value.
std::size_t GameDllNameStart(std::string_view value) {
    if (value.size() >= kGameDllPrefixLength && IsSeparator(value[kGameDllPrefixLength - 1]))
        return kGameDllPrefixLength;
    const std::size_t separator = value.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string ModPath(const std::string& gameFolder, std::string_view mod, std::string_view name) {
    return ResolveIgnoringCase(JoinPath(gameFolder, mod), name);
}

std::string DescriptorPath(const std::string& gameFolder, std::string_view mod) {
    return ModPath(gameFolder, mod, kDescriptorFileName);
}

std::string ReadModDescriptor(const std::string& gameFolder, std::string_view mod) {
    return ReadWholeFile(DescriptorPath(gameFolder, mod)).value_or(std::string());
}

bool DescriptorHasKey(std::string_view text, std::string_view key) {
    return text.find(key) != std::string_view::npos;
}

std::optional<std::string> GetDescriptorValue(std::string_view text, std::string_view key) {
    if (!DescriptorHasKey(text, key)) return std::nullopt;
    const auto span = FindValue(text, key);
    if (!span) return std::string();
    return std::string(text.substr(span->begin(), span->length()));
}

std::size_t FindGameDllKey(std::string_view text) {
    // One pass over the lines: a "//" outside double quotes hides the rest of its line from the
    // game; inside quotes (a web address) it is part of a value.
    bool quoted = false;
    bool comment = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\r' || c == '\n') {
            quoted = comment = false;
        } else if (comment) {
            continue;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && text.substr(at, 2) == "//") {
            comment = true;
        } else if (text.substr(at).starts_with(kGameDllKey) && !StartsOtherSystemsKey(text, at)) {
            return at;
        }
    }
    return npos;
}

std::string GetGameDllName(std::string_view text) {
    const auto span = FindGameDllValue(text);
    if (!span) return {};
    const std::string_view value = text.substr(span->begin(), span->length());
    return std::string(value.substr(GameDllNameStart(value)));
}

bool GameDllInModFolder(std::string_view text) {
    const auto span = FindGameDllValue(text);
    if (!span || span->length() < kGameDllPrefixLength) return false;
    const std::string_view prefix = text.substr(span->begin(), kGameDllPrefixLength);
    return EqualIgnoringCase(prefix.substr(0, 4), kModLibraryFolder.substr(0, 4)) &&
           IsSeparator(prefix.back());
}

std::optional<std::string> WithGameDll(std::string_view text, std::string_view fileName) {
    const auto span = FindGameDllValue(text);
    if (!span || span->length() < kGameDllPrefixLength) return std::nullopt;
    const std::string_view value = text.substr(span->begin(), span->length());
    std::string edited(text.substr(0, span->begin() + GameDllNameStart(value)));
    edited += fileName;
    edited += text.substr(span->close);
    return edited;
}

std::optional<std::string> WithBotLibrary(std::string_view text, std::string_view fileName,
                                          BotListState list) {
    const auto span = FindGameDllValue(text);
    if (!span || list.libraryListed || GameDllInModFolder(text)) return WithGameDll(text, fileName);
    if (!list.chosenByUser) return std::string(text);
    std::string edited(text.substr(0, span->begin()));
    edited += kModLibraryFolder;
    edited += fileName;
    edited += text.substr(span->close);
    return edited;
}

GameDllWrite SetGameDll(const std::string& gameFolder, std::string_view mod,
                        std::string_view fileName, BotListState list) {
    const std::string path = DescriptorPath(gameFolder, mod);
    const auto text = ReadWholeFile(path);
    if (!text) return GameDllWrite::NotEditable;
    const auto edited = WithBotLibrary(*text, fileName, list);
    if (!edited) return GameDllWrite::NotEditable;
    // A launch applies the bot choice at every press: a descriptor that already says so, or that
    // the launch leaves alone, keeps every byte, even a last line without its line end.
    if (*edited == *text) return GameDllWrite::Written;
    if (!WriteFileAtomically(path, WithFinalLineEnd(*edited))) return GameDllWrite::WriteFailed;
    return GameDllWrite::Written;
}

}  // namespace quorvant
