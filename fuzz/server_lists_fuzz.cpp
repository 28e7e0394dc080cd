// The server browser's decoders on what anyone on the network may send: the master's pages,
// players and rules, split replies in any order; and the addresses kept in the settings.
#include <algorithm>
#include <cmath>
#include <vector>

#include "fuzz_input.h"
#include "launch/master_server.h"
#include "launch/server_details.h"
#include "launch/server_list.h"
#include "launch/split_reply.h"

namespace quorvant::fuzz {
namespace {

bool Within(std::string_view datagram, const std::string& text) {
    return text.find('\0') == std::string::npos && datagram.find(text) != std::string_view::npos;
}

void CheckMasterPage(std::string_view datagram) {
    const std::optional<MasterPage> page = DecodeMasterPage(datagram);
    if (!page) return;
    Require(datagram.size() <= kMaxDatagramSize, "a page is one datagram");
    Require(6 + 6 * (page->servers.size() + (page->last ? 1 : 0)) <= datagram.size(),
            "every server is a record of the page");
    Require(std::none_of(page->servers.begin(), page->servers.end(),
                         [](const ServerEndpoint& s) { return s.none(); }),
            "the record that ends the list is no server");
}

void CheckDetails(std::string_view reply) {
    const DetailsReply decoded = DecodeDetailsReply(reply);
    if (decoded.kind == DetailsKind::Invalid) return;
    Require(reply.starts_with("\xFF\xFF\xFF\xFF"), "a reply has its header");
    Require(decoded.players.size() <= 255, "a byte counts the players");
    for (const PlayerEntry& player : decoded.players) {
        Require(Within(reply, player.name), "a name is taken from the reply");
        Require(std::isfinite(player.seconds), "a time is a number");
    }
    for (const RuleEntry& rule : decoded.rules)
        Require(Within(reply, rule.name) && Within(reply, rule.value), "rules are the reply's");
}

// Any datagrams, each framed by its length (so that they may hold NUL bytes): what is joined
// is a reply and bounded.
void CheckAnySplit(FuzzInput& input) {
    SplitReply split;
    for (int datagram = 0; datagram < 40; ++datagram) {
        const std::string bytes = input.bytes(input.choice(256));
        if (bytes.empty()) break;
        if (const auto joined = split.add(bytes)) {
            Require(joined->starts_with("\xFF\xFF\xFF\xFF"), "a joined reply starts as one");
            Require(joined->size() <= kMaxFragments * kMaxDatagramSize, "a reply is bounded");
        }
    }
}

// A reply split by a server, fragments shuffled and repeated: joined back as it was.
void CheckRoundTrip(FuzzInput& input) {
    const bool laterEngines = input.flag();
    // Servers split at hundreds of bytes; the first fragment then shows the reply's header.
    const std::size_t size = 4 + input.choice(200);
    std::string reply = "\xFF\xFF\xFF\xFF" + input.text();
    const std::size_t count = (reply.size() + size - 1) / size;
    if (count > kMaxFragments) return;
    std::vector<std::string> fragments;
    for (std::size_t index = 0; index < count; ++index) {
        std::string head("\xFE\xFF\xFF\xFF\x05\x00\x00\x00", 8);
        if (laterEngines) {
            head += {char(count), char(index), char(size & 0xFF), char(size >> 8)};
        } else {
            head += char(index << 4 | count);
        }
        fragments.push_back(head + reply.substr(index * size, size));
    }
    for (std::size_t swap = 0; swap < count; ++swap)
        std::swap(fragments[input.choice(count)], fragments[input.choice(count)]);
    if (input.flag()) fragments.insert(fragments.begin(), fragments.back());
    SplitReply split;
    std::optional<std::string> joined;
    for (const std::string& fragment : fragments) {
        if (auto whole = split.add(fragment)) joined = std::move(whole);
    }
    Require(joined == reply, "a split reply is joined back whole, whatever the order");
}

void CheckAddresses(std::string_view text) {
    const std::vector<ServerAddress> servers = ReadAddressList(text);
    Require(ReadAddressList(AddressListText(servers)) == servers,
            "addresses read back as they were written");
}

}  // namespace
}  // namespace quorvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant::fuzz;
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    CheckMasterPage(whole);
    CheckDetails(whole);
    CheckAddresses(whole);
    FuzzInput splits(data, size);
    CheckAnySplit(splits);
    FuzzInput trip(data, size);
    CheckRoundTrip(trip);
    return 0;
}
