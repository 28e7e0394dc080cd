#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

// Turns a fuzzer's bytes into the arguments of a call: small choices from single bytes, texts
// ended by a NUL byte, and the rest of the input as the file text being worked on.
namespace quorvant::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    // A number below `count`; 0 once the input is used up.
    std::size_t choice(std::size_t count) {
        if (bytes_.empty() || count == 0) return 0;
        const auto byte = static_cast<unsigned char>(bytes_.front());
        bytes_.remove_prefix(1);
        return byte % count;
    }

    bool flag() { return choice(2) == 1; }

    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[choice(N)];
    }

    // The bytes up to the next NUL byte, which is used up with them.
    std::string text() {
        const std::size_t end = bytes_.find('\0');
        std::string piece(bytes_.substr(0, end));
        bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
        return piece;
    }

    // The next `count` bytes, or those left.
    std::string bytes(std::size_t count) {
        std::string piece(bytes_.substr(0, count));
        bytes_.remove_prefix(piece.size());
        return piece;
    }

    std::string rest() {
        std::string all(bytes_);
        bytes_ = {};
        return all;
    }

  private:
    std::string_view bytes_;
};

// A property that does not hold is a finding like a crash: libFuzzer keeps the input.
inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "Property broken: %s\n", property);
    std::abort();
}

inline bool HasAny(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

// Where two texts differ: the length of their common head, and the differing middles.
struct Difference {
    std::size_t head;
    std::string_view before;
    std::string_view after;
};

inline Difference Compare(std::string_view before, std::string_view after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {head, before.substr(head, before.size() - head - tail),
            after.substr(head, after.size() - head - tail)};
}

}  // namespace quorvant::fuzz
