#include "launch/split_reply.h"

#include <algorithm>
#include <map>

#include "launch/datagram_fields.h"

namespace quorvant {
namespace {

constexpr std::string_view kWhole = "\xFF\xFF\xFF\xFF";
constexpr std::string_view kSplit = "\xFE\xFF\xFF\xFF";
constexpr std::uint32_t kCompressed = 0x80000000U;  // later engines' compressed replies
// After the id: this engine's byte of index and count, or the later engines' count, index and
// size; the first fragment's payload then starts as a whole reply does.
constexpr std::size_t kThisEngineHead = 1;
constexpr std::size_t kLaterEnginesHead = 4;

bool StartsReply(std::string_view raw, std::size_t head) {
    return raw.size() >= head && raw.substr(head).starts_with(kWhole);
}

}  // namespace

std::optional<std::string> SplitReply::add(std::string_view datagram) {
    if (datagram.size() > kMaxDatagramSize) return std::nullopt;
    if (datagram.starts_with(kWhole)) return std::string(datagram);
    if (!datagram.starts_with(kSplit)) return std::nullopt;
    DatagramFields fields(datagram.substr(kSplit.size()));
    const std::uint32_t id = fields.littleLong();
    if (fields.failed() || fields.empty()) return std::nullopt;
    if (id_ != id) restart(id);
    const std::string_view raw = datagram.substr(kSplit.size() + 4);
    if (format_ == Format::Unknown) {
        if (StartsReply(raw, kThisEngineHead) && (static_cast<unsigned char>(raw[0]) >> 4) == 0) {
            format_ = Format::ThisEngine;
        } else if (StartsReply(raw, kLaterEnginesHead) && raw[1] == 0 && !(id & kCompressed)) {
            format_ = Format::LaterEngines;
        }
    }
    if (std::find(raw_.begin(), raw_.end(), raw) != raw_.end()) return std::nullopt;
    // Twice the fragments a reply may have leaves room for a few that do not belong.
    if (raw_.size() >= 2 * kMaxFragments) return std::nullopt;
    raw_.emplace_back(raw);
    return joined();
}

void SplitReply::restart(std::uint32_t id) {
    id_ = id;
    format_ = Format::Unknown;
    raw_.clear();
}

std::optional<SplitReply::Fragment> SplitReply::read(std::string_view raw) const {
    Fragment fragment;
    if (format_ == Format::ThisEngine) {
        const auto byte = static_cast<unsigned char>(raw[0]);
        fragment = {std::size_t(byte >> 4), std::size_t(byte & 0x0F), raw.substr(kThisEngineHead)};
    } else {
        if (raw.size() < kLaterEnginesHead) return std::nullopt;
        fragment = {static_cast<unsigned char>(raw[1]), static_cast<unsigned char>(raw[0]),
                    raw.substr(kLaterEnginesHead)};
    }
    if (fragment.count == 0 || fragment.count > kMaxFragments || fragment.index >= fragment.count)
        return std::nullopt;
    return fragment;
}

std::optional<std::string> SplitReply::joined() {
    if (format_ == Format::Unknown) return std::nullopt;
    std::vector<Fragment> fragments;
    std::size_t count = 0;
    for (const std::string& raw : raw_) {
        if (const std::optional<Fragment> fragment = read(raw)) {
            fragments.push_back(*fragment);
            if (fragment->index == 0 && count == 0) count = fragment->count;
        }
    }
    // The first fragment's count is the reply's; one that says otherwise is not of it.
    std::map<std::size_t, std::string_view> payloads;
    for (const Fragment& fragment : fragments) {
        if (fragment.count == count) payloads.try_emplace(fragment.index, fragment.payload);
    }
    if (count == 0 || payloads.size() != count) return std::nullopt;
    std::string reply;
    for (const auto& [index, payload] : payloads) reply += payload;
    restart(0);
    id_.reset();
    if (!reply.starts_with(kWhole)) return std::nullopt;
    return reply;
}

}  // namespace quorvant
