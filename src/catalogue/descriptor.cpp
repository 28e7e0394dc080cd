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

// A value naming a file inside a folder keeps its folder prefix; a bare file name has none.
bool HasFolderPrefix(std::string_view value) {
    return value.find_first_of("\\/") != std::string_view::npos;
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
    if (!HasFolderPrefix(value)) return value;
    return value.size() > kGameDllPrefixLength ? value.substr(kGameDllPrefixLength) : std::string();
}

std::optional<std::string> WithGameDll(std::string_view text, std::string_view fileName) {
    const auto span = FindValue(text, kGameDllKey);
    if (!span || span->length() < kGameDllPrefixLength) return std::nullopt;
    const std::string_view value = text.substr(span->begin(), span->length());
    const std::size_t kept = HasFolderPrefix(value) ? kGameDllPrefixLength : 0;
    std::string edited(text.substr(0, span->begin() + kept));
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
    if (!WriteFileAtomically(path, WithFinalLineEnd(*edited))) return GameDllWrite::WriteFailed;
    return GameDllWrite::Written;
}

}  // namespace quorvant
