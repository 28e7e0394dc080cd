#pragma once

#include <array>
#include <cstddef>

namespace quorvant {

inline constexpr std::size_t kAddressHistorySize = 5;

// Records a joined address, newest first. A known address keeps its place; a new one goes
// first, pushing the others down and the oldest out, unless the first slot is free.
template <typename Text>
void RememberAddress(std::array<Text, kAddressHistorySize>& history, const Text& address) {
    for (const Text& known : history) {
        if (known == address) return;
    }
    if (!(history[0] == Text())) {
        for (std::size_t slot = kAddressHistorySize - 1; slot > 0; --slot) {
            history[slot] = history[slot - 1];
        }
    }
    history[0] = address;
}

}  // namespace quorvant
