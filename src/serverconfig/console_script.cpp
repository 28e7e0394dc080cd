#include "serverconfig/console_script.h"

#include <algorithm>

#include "app/file_system.h"

namespace quorvant {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The game takes every byte up to the space as white space.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && !IsLineEnd(c); }

bool EndsBareToken(char c) { return IsBlank(c) || IsLineEnd(c) || c == '"' || c == ';'; }

// Reads the commands of the line [begin, end) into `commands`.
class LineReader {
  public:
    LineReader(std::string_view text, std::size_t begin, std::size_t end, std::size_t next)
        : text_(text), at_(begin), end_(end) {
        command_.lineBegin = begin;
        command_.lineEnd = end;
        command_.nextLine = next;
    }

    void read(std::vector<ScriptCommand>& commands) {
        while (at_ < end_) {
            const char c = text_[at_];
            if (IsBlank(c)) {
                ++at_;
            } else if (c == ';') {
                finishCommand(commands, ++at_);
            } else if (text_.substr(at_, 2) == "//") {
                break;
            } else if (c == '"') {
                readQuoted();
            } else {
                readBare();
            }
        }
        finishCommand(commands, command_.tokens.empty() ? at_ : command_.tokens.back().end);
    }

  private:
    void readQuoted() {
        ScriptToken token{at_, 0, at_ + 1, 0, true};
        const std::size_t close = std::min(text_.find('"', at_ + 1), end_);
        token.contentEnd = close;
        token.end = close < end_ ? close + 1 : end_;
        command_.tokens.push_back(token);
        at_ = token.end;
    }

    void readBare() {
        const std::size_t begin = at_;
        while (at_ < end_ && !EndsBareToken(text_[at_])) ++at_;
        command_.tokens.push_back(ScriptToken{begin, at_, begin, at_, false});
    }

    void finishCommand(std::vector<ScriptCommand>& commands, std::size_t separatorEnd) {
        if (command_.tokens.empty()) return;
        command_.separatorEnd = separatorEnd;
        commands.push_back(command_);
        command_.tokens.clear();
    }

    std::string_view text_;
    std::size_t at_;
    std::size_t end_;
    ScriptCommand command_;
};

}  // namespace

std::vector<ScriptCommand> ParseConsoleScript(std::string_view text) {
    std::vector<ScriptCommand> commands;
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
        std::size_t next = end;
        if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
        LineReader(text, begin, end, next).read(commands);
        begin = next;
    }
    return commands;
}

std::string_view TokenText(std::string_view text, const ScriptToken& token) {
    return text.substr(token.contentBegin, token.contentEnd - token.contentBegin);
}

bool CommandIs(std::string_view text, const ScriptCommand& command, std::string_view name) {
    return EqualIgnoringCase(TokenText(text, command.tokens.front()), name);
}

bool IsConsoleArgument(std::string_view value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        return c == '"' || (static_cast<unsigned char>(c) < ' ' && c != '\t') || c == 0x7f;
    });
}

bool NeedsQuotes(std::string_view value) {
    return value.empty() || value.find("//") != std::string_view::npos ||
           std::any_of(value.begin(), value.end(), EndsBareToken);
}

std::string_view LineEndOf(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return text.substr(at, 2) == "\r\n" ? "\r\n" : "\r";
}

}  // namespace quorvant
