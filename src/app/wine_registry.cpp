#include "app/wine_registry.h"

#include <cstdint>

#include "app/file_system.h"

namespace quorvant {
namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return (c | 0x20) - 'a' + 10;
}

void AppendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character a one-letter escape stands for; any other stands for itself, as \\ and \".
char EscapedCharacter(char letter) {
    constexpr std::string_view kLetters = "nrtabefv";
    constexpr std::string_view kMeanings = "\n\r\t\a\b\x1b\f\v";
    const std::size_t found = kLetters.find(letter);
    return found == std::string_view::npos ? letter : kMeanings[found];
}

// The number written in up to `most` digits of `base` (8 or 16) from `at` on.
std::uint32_t ReadNumber(std::string_view line, std::size_t& at, int most, std::uint32_t base) {
    std::uint32_t number = 0;
    for (int digits = 0; digits < most && at < line.size(); ++digits) {
        const char c = line[at];
        const bool digit = base == 16 ? IsHexDigit(c) : (c >= '0' && c <= '7');
        if (!digit) break;
        number = number * base + static_cast<std::uint32_t>(HexValue(c));
        ++at;
    }
    return number;
}

// Undoes the escape that starts at `at`, just after its backslash: \x and up to four hex digits
// for a character outside ASCII, up to three octal digits for a control character, else one
// letter.
void Unescape(std::string_view line, std::size_t& at, std::string& text) {
    const char escaped = line[at];
    if (escaped == 'x') {
        ++at;
        AppendUtf8(ReadNumber(line, at, 4, 16), text);
    } else if (escaped >= '0' && escaped <= '7') {
        AppendUtf8(ReadNumber(line, at, 3, 8), text);
    } else {
        text += EscapedCharacter(escaped);
        ++at;
    }
}

// The quoted or bracketed text starting at `at`, just after its opening character, up to
// `close`, with its escapes undone; nothing when it does not end on this line.
std::optional<std::string> ReadText(std::string_view line, std::size_t& at, char close) {
    std::string text;
    while (at < line.size()) {
        const char c = line[at++];
        if (c == close) return text;
        if (c == '\\' && at < line.size()) {
            Unescape(line, at, text);
        } else {
            text += c;
        }
    }
    return std::nullopt;
}

// The value of a `"name"="text"` or `"name"=str(2):"text"` line named `valueName`.
std::optional<std::string> StringValue(std::string_view line, std::string_view valueName) {
    std::size_t at = 1;
    const std::optional<std::string> name = ReadText(line, at, '"');
    if (!name || !EqualIgnoringCase(*name, valueName)) return std::nullopt;
    std::string_view rest = line.substr(at);
    if (rest.empty() || rest.front() != '=') return std::nullopt;
    rest.remove_prefix(1);
    for (std::string_view typed : {"str(2):", "str:"}) {
        if (rest.substr(0, typed.size()) == typed) rest.remove_prefix(typed.size());
    }
    if (rest.empty() || rest.front() != '"') return std::nullopt;
    at = 1;
    return ReadText(rest, at, '"');
}

}  // namespace

std::optional<std::string> FindRegistryString(std::string_view fileText, std::string_view keyPath,
                                              std::string_view valueName) {
    bool inKey = false;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            std::size_t at = 1;
            const std::optional<std::string> key = ReadText(line, at, ']');
            inKey = key && EqualIgnoringCase(*key, keyPath);
        } else if (inKey && line.front() == '"') {
            if (auto value = StringValue(line, valueName)) return value;
        }
    }
    return std::nullopt;
}

}  // namespace quorvant
