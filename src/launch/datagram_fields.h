#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvant {

// Takes fields from the front of a datagram from anyone on the network. Reading past its end
// takes nothing and marks the whole reading failed, so a decoder reads on and checks once at
// the end.
class DatagramFields {
  public:
    explicit DatagramFields(std::string_view bytes) : rest_(bytes) {}

    bool failed() const { return failed_; }
    bool empty() const { return rest_.empty(); }
    std::size_t left() const { return rest_.size(); }

    std::string_view take(std::size_t count) {
        if (count > rest_.size()) {
            failed_ = true;
            rest_ = {};
            return {};
        }
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }

    int byte() {
        const std::string_view taken = take(1);
        return taken.empty() ? 0 : static_cast<unsigned char>(taken[0]);
    }

    int littleShort() {
        const int low = byte();
        return low | byte() << 8;
    }

    std::uint32_t littleLong() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= std::uint32_t(byte()) << shift;
        return value;
    }

    // A float as the server's processor lays it out; one that is not a finite number reads as 0.
    float littleFloat() {
        const auto value = std::bit_cast<float>(littleLong());
        return std::isfinite(value) ? value : 0.0F;
    }

    // A NUL-ended text; one without its NUL runs past the end.
    std::string text() {
        const std::size_t end = rest_.find('\0');
        std::string taken(take(end == std::string_view::npos ? rest_.size() + 1 : end));
        take(1);
        return taken;
    }

  private:
    std::string_view rest_;
    bool failed_ = false;
};

}  // namespace quorvant
