#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

// The largest datagram a game server sends, and the most fragments one reply may come in: this
// engine counts them in four bits; a reply of more is not one a real server sends.
inline constexpr std::size_t kMaxDatagramSize = 1500;
inline constexpr std::size_t kMaxFragments = 15;

// Joins a reply that a server sent in fragments, in this engine's format (`FE FF FF FF`, an id,
// one byte of index and count) or the later engines' (id, count, index, size). Fragments may
// come in any order and more than once; the format shows in the first fragment, so the others
// wait for it. One reply at a time: a fragment of another id starts over. Memory is bounded
// by the fragment count and the datagram size.
class SplitReply {
  public:
    // A whole reply once this datagram completes one; a datagram that is a whole reply by
    // itself is returned as it is.
    std::optional<std::string> add(std::string_view datagram);

  private:
    enum class Format { Unknown, ThisEngine, LaterEngines };
    struct Fragment {
        std::size_t index = 0;
        std::size_t count = 0;
        std::string_view payload;
    };

    std::optional<Fragment> read(std::string_view raw) const;
    std::optional<std::string> joined();
    void restart(std::uint32_t id);

    std::optional<std::uint32_t> id_;
    Format format_ = Format::Unknown;
    std::vector<std::string> raw_;  // each fragment's bytes after the id, as it came
};

}  // namespace quorvant
