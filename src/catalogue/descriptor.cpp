#include "catalogue/descriptor.h"

#include <vector>

#include "app/file_io.h"
#include "app/file_system.h"
#include "serverconfig/console_script.h"

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

std::optional<ValueSpan> FindValue(std::string_view text, std::string_view key) {
    const std::size_t at = text.find(key);
    if (at == npos) return std::nullopt;
    const std::size_t open = text.find('"', at);
    if (open == npos) return std::nullopt;
    const std::size_t close = text.find('"', open + 1);
    if (close == npos) return std::nullopt;
    return ValueSpan{open, close};
}

// The gamedll key and its value, as the game reads the descriptor: tokens as its console reads
// them (so never in a "//" comment), taken in pairs of a key and its value; the first pair whose
// key is gamedll, not another system's gamedll_linux or gamedll_osx.
struct GameDllPair {
    ScriptToken key;
    ScriptToken value;
};

std::optional<GameDllPair> FindGameDllPair(std::string_view text) {
    std::vector<ScriptToken> tokens;
    for (const ScriptCommand& command : ParseConsoleScript(text))
        tokens.insert(tokens.end(), command.tokens.begin(), command.tokens.end());
    for (std::size_t key = 0; key + 1 < tokens.size(); key += 2) {
        if (EqualIgnoringCase(TokenText(text, tokens[key]), kGameDllKey))
            return GameDllPair{tokens[key], tokens[key + 1]};
    }
    return std::nullopt;
}

// The gamedll value's bytes: [begin, end).
struct GameDllValue {
    std::size_t begin;
    std::size_t end;
    bool quoted;
};

std::optional<GameDllValue> FindGameDllValue(std::string_view text) {
    const auto pair = FindGameDllPair(text);
    if (!pair) return std::nullopt;
    return GameDllValue{pair->value.contentBegin, pair->value.contentEnd, pair->value.quoted};
}

// Whether `fileName` can take its place in the value and still be read as one value.
bool FitsInto(const GameDllValue& value, std::string_view fileName) {
    return !fileName.empty() && IsConsoleArgument(fileName) &&
           (value.quoted || !NeedsQuotes(fileName));
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
    return ReadWholeFile(DescriptorPath(gameFolder, mod), kDescriptorLimit).value_or(std::string());
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
    const auto pair = FindGameDllPair(text);
    return pair ? pair->key.contentBegin : npos;
}

std::string GetGameDllName(std::string_view text) {
    const auto span = FindGameDllValue(text);
    if (!span) return {};
    const std::string_view value = text.substr(span->begin, span->end - span->begin);
    return std::string(value.substr(GameDllNameStart(value)));
}

bool GameDllInModFolder(std::string_view text) {
    const auto span = FindGameDllValue(text);
    if (!span || span->end - span->begin < kGameDllPrefixLength) return false;
    const std::string_view prefix = text.substr(span->begin, kGameDllPrefixLength);
    return EqualIgnoringCase(prefix.substr(0, 4), kModLibraryFolder.substr(0, 4)) &&
           IsSeparator(prefix.back());
}

std::optional<std::string> WithGameDll(std::string_view text, std::string_view fileName) {
    const auto span = FindGameDllValue(text);
    if (!span || span->end - span->begin < kGameDllPrefixLength || !FitsInto(*span, fileName))
        return std::nullopt;
    const std::string_view value = text.substr(span->begin, span->end - span->begin);
    std::string edited(text.substr(0, span->begin + GameDllNameStart(value)));
    edited += fileName;
    edited += text.substr(span->end);
    return edited;
}

std::optional<std::string> WithBotLibrary(std::string_view text, std::string_view fileName,
                                          BotListState list) {
    const auto span = FindGameDllValue(text);
    if (!span || list.libraryListed || GameDllInModFolder(text)) return WithGameDll(text, fileName);
    if (!list.chosenByUser) return std::string(text);
    if (!FitsInto(*span, fileName)) return std::nullopt;
    std::string edited(text.substr(0, span->begin));
    edited += kModLibraryFolder;
    edited += fileName;
    edited += text.substr(span->end);
    return edited;
}

GameDllWrite SetGameDll(const std::string& gameFolder, std::string_view mod,
                        std::string_view fileName, BotListState list,
                        const std::function<bool(std::string_view library)>& listShows) {
    const std::string path = DescriptorPath(gameFolder, mod);
    const auto text = ReadWholeFile(path, kDescriptorLimit);
    if (!text) return GameDllWrite::NotEditable;
    if (listShows) list.libraryListed = listShows(GetGameDllName(*text));
    const auto edited = WithBotLibrary(*text, fileName, list);
    // Nor is a descriptor written that would be too big to be read again.
    if (!edited || edited->size() + 2 > kDescriptorLimit) return GameDllWrite::NotEditable;
    // A launch applies the bot choice at every press: a descriptor that already says so, or that
    // the launch leaves alone, keeps every byte, even a last line without its line end.
    if (*edited == *text) return GameDllWrite::Written;
    if (!WriteFileAtomically(path, WithFinalLineEnd(*edited))) return GameDllWrite::WriteFailed;
    return GameDllWrite::Written;
}

}  // namespace quorvant
