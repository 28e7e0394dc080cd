#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launch/server_address.h"

// The master server's list of game servers over UDP, a page at a time: each request names the
// last server of the page before (the first, no server), and the list ends at a page whose last
// record is no server.
namespace quorvant {

inline constexpr std::string_view kDefaultMasterServer = "hl2master.steampowered.com:27011";
inline constexpr int kAllRegions = 0xFF;

// An IPv4 address and port as the master lists them.
struct ServerEndpoint {
    std::uint32_t address = 0;  // a.b.c.d as a << 24 | b << 16 | c << 8 | d
    std::uint16_t port = 0;

    bool none() const { return address == 0 && port == 0; }
    ServerAddress toAddress() const;
    auto operator<=>(const ServerEndpoint&) const = default;
};

// What the list is to hold; the master applies it.
struct MasterFilter {
    std::string mod;  // the game folder; empty for any
    std::string map;
    bool notFull = false;
    bool notEmpty = false;
    bool noPassword = false;
};

// The filter text of a request, its values stripped of the characters that delimit it.
std::string MasterFilterText(const MasterFilter& filter);

std::string MasterRequest(const ServerEndpoint& after, std::string_view filterText,
                          int region = kAllRegions);

struct MasterPage {
    std::vector<ServerEndpoint> servers;  // without the record that ends the list
    bool last = false;
};

// Nothing for a datagram that is not a page of the list.
std::optional<MasterPage> DecodeMasterPage(std::string_view datagram);

}  // namespace quorvant
