#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The language the game's console reads in its configuration files, as positions in the file's
// bytes, so that an edit can change the bytes of one value and nothing else.
// Lines end at CR LF, LF or CR. A "//" where a token would start hides the rest of its line. A
// token is a quoted string, which ends at its closing quote or, unclosed, at the end of its line,
// or a run of bytes that are neither blanks (control characters and the space) nor double quotes
// nor ";". A ";" outside quotes ends a command; a command ends at its line's end at the latest.
namespace quorvant {

struct ScriptToken {
    std::size_t begin = 0;  // its first byte: the opening quote of a quoted token
    std::size_t end = 0;    // one past its last byte: the closing quote, if any, included
    std::size_t contentBegin = 0;
    std::size_t contentEnd = 0;  // the content leaves the quotes out
    bool quoted = false;
};

struct ScriptCommand {
    std::vector<ScriptToken> tokens;  // never empty
    std::size_t lineBegin = 0;        // the first byte of the command's line
    std::size_t lineEnd = 0;          // where the line's end (CR, LF, CR LF) or the text ends
    std::size_t nextLine = 0;         // past the line's end
    std::size_t separatorEnd = 0;     // past the ";" that ends the command, or its last token

    std::size_t begin() const { return tokens.front().begin; }
    std::size_t end() const { return tokens.back().end; }
};

// Every command of the text, in order.
std::vector<ScriptCommand> ParseConsoleScript(std::string_view text);

// The content of a token.
std::string_view TokenText(std::string_view text, const ScriptToken& token);

// Whether the command's first token is `name`, compared without case.
bool CommandIs(std::string_view text, const ScriptCommand& command, std::string_view name);

// Whether `value` can be written as one argument: no double quote, no line end, no control
// character but the TAB.
bool IsConsoleArgument(std::string_view value);

// Whether `value` must be quoted to stay one argument of its command.
bool NeedsQuotes(std::string_view value);

// The line end the text uses first: CR LF, LF or CR; CR LF for a text without one.
std::string_view LineEndOf(std::string_view text);

}  // namespace quorvant
