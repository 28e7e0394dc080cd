#pragma once

#include <string_view>

namespace quorvant {

// How a list entry is matched against a saved text when a stored choice is restored.
enum class SelectRule {
    Equal,    // the entry is the saved text
    AtLeast,  // the entry sorts at or after the saved text, so a removed entry finds its successor
};

// Ordinal, case-sensitive comparison of character codes.
template <typename Text>
bool MatchesRule(const Text& entry, const Text& saved, SelectRule rule) {
    return rule == SelectRule::Equal ? entry == saved : !(entry < saved);
}

}  // namespace quorvant
