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

std::optional<ValueSpan> FindValue(std::string_view text, std::string_view key) {
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t open = text.find('"', at);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = text.find('"', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return ValueSpan{open, close};
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

std::string GetGameDllName(std::string_view text) {
    const std::string value = GetDescriptorValue(text, kGameDllKey).value_or(std::string());
    return value.substr(GameDllNameStart(value));
}

std::optional<std::string> WithGameDll(std::string_view text, std::string_view fileName) {
    const auto span = FindValue(text, kGameDllKey);
    if (!span || span->length() < kGameDllPrefixLength) return std::nullopt;
    const std::string_view value = text.substr(span->begin(), span->length());
    std::string edited(text.substr(0, span->begin() + GameDllNameStart(value)));
    edited += fileName;
    edited += text.substr(span->close);
    return edited;
}

GameDllWrite SetGameDll(const std::string& gameFolder, std::string_view mod,
                        std::string_view fileName) {
    const std::string path = DescriptorPath(gameFolder, mod);
    const auto text = ReadWholeFile(path);
    if (!text) return GameDllWrite::NotEditable;
    const auto edited = WithGameDll(*text, fileName);
    if (!edited) return GameDllWrite::NotEditable;
    // A launch applies the bot choice at every press: a descriptor that already says so stays.
    const std::string written = WithFinalLineEnd(*edited);
    if (written == *text) return GameDllWrite::Written;
    if (!WriteFileAtomically(path, written)) return GameDllWrite::WriteFailed;
    return GameDllWrite::Written;
}

}  // namespace quorvant
