#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Steam's text files of nested keys and values: `"key" "value"` and `"key" { ... }`, with
// backslash escapes in quoted texts and `//` comments.
namespace quorvant {

struct KeyValues {
    std::string key;
    std::string value;                // a text entry's value
    std::vector<KeyValues> children;  // a block's entries, in file order
    bool block = false;

    // The first entry named `name` in any case, or null.
    const KeyValues* find(std::string_view name) const;
};

// The file's entries as the children of one block; nothing when the text does not read as
// such a file (an entry without a value, an unmatched brace, nesting deeper than any real file).
std::optional<KeyValues> ParseKeyValues(std::string_view text);

}  // namespace quorvant
