#include "app/key_values.h"

#include "app/file_system.h"

namespace quorvant {
namespace {

constexpr int kDeepest = 32;

enum class TokenKind { Text, Open, Close, End };

struct Token {
    TokenKind kind;
    std::string text;
};

class Tokens {
  public:
    explicit Tokens(std::string_view text) : text_(text) {}

    Token next() {
        skipBlanksAndComments();
        if (at_ == text_.size()) return {TokenKind::End, {}};
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return {c == '{' ? TokenKind::Open : TokenKind::Close, {}};
        }
        return {TokenKind::Text, c == '"' ? quoted() : bare()};
    }

  private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void skipBlanksAndComments() {
        while (at_ < text_.size()) {
            if (IsBlank(text_[at_])) {
                ++at_;
            } else if (text_.substr(at_, 2) == "//") {
                const std::size_t end = text_.find('\n', at_);
                at_ = end == std::string_view::npos ? text_.size() : end;
            } else {
                break;
            }
        }
    }

    std::string quoted() {
        std::string text;
        for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_) {
            if (text_[at_] == '\\' && at_ + 1 < text_.size()) {
                const char escaped = text_[++at_];
                text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
            } else {
                text += text_[at_];
            }
        }
        if (at_ < text_.size()) ++at_;  // the closing quote
        return text;
    }

    std::string bare() {
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '{' &&
               text_[at_] != '}' && text_[at_] != '"')
            ++at_;
        return std::string(text_.substr(start, at_ - start));
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// Reads entries into `block` up to its closing brace (or the end, for the whole file).
bool ReadBlock(Tokens& tokens, KeyValues& block, int depth, bool whole) {
    for (;;) {
        Token key = tokens.next();
        if (key.kind == TokenKind::End) return whole;
        if (key.kind == TokenKind::Close) return !whole;
        if (key.kind != TokenKind::Text) return false;
        KeyValues entry{std::move(key.text), {}, {}, false};
        Token value = tokens.next();
        if (value.kind == TokenKind::Open) {
            entry.block = true;
            if (depth == kDeepest || !ReadBlock(tokens, entry, depth + 1, false)) return false;
        } else if (value.kind == TokenKind::Text) {
            entry.value = std::move(value.text);
        } else {
            return false;
        }
        block.children.push_back(std::move(entry));
    }
}

}  // namespace

const KeyValues* KeyValues::find(std::string_view name) const {
    for (const KeyValues& child : children) {
        if (EqualIgnoringCase(child.key, name)) return &child;
    }
    return nullptr;
}

std::optional<KeyValues> ParseKeyValues(std::string_view text) {
    Tokens tokens(text);
    KeyValues file;
    file.block = true;
    if (!ReadBlock(tokens, file, 0, true)) return std::nullopt;
    return file;
}

}  // namespace quorvant
