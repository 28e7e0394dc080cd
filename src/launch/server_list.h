#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "launch/server_address.h"
#include "launch/server_query.h"

// The rules of the server browser's lists: which servers a filter keeps, the ports a local
// network is searched on, and how addresses are written in the settings.
namespace quorvant {

inline constexpr std::uint16_t kLanPorts[] = {27015, 27016, 27017, 27018, 27019, 27020, 26900,
                                              26901, 26902, 26903, 26904, 26905, 4242,  27215};
inline constexpr std::string_view kDefaultLanBroadcast = "255.255.255.255";

// What the user keeps of a list. Texts are compared without case; empty ones keep all.
struct ServerFilter {
    std::string mod{};         // the game folder, whole
    std::string map{};         // the map's name, whole (as the master server matches it)
    std::string nameSearch{};  // part of the server's name
    bool notFull = false;
    bool notEmpty = false;
    bool noPassword = false;
};

bool Keeps(const ServerFilter& filter, const ServerInfo& info);

// "host:port", an IPv6 host in brackets, as the join panel reads it back.
std::string AddressText(const ServerAddress& server);

// Addresses kept in one setting, blank-separated; what does not read as an address is left out,
// and each address is kept once.
std::string AddressListText(std::span<const ServerAddress> servers);
std::vector<ServerAddress> ReadAddressList(std::string_view text);

}  // namespace quorvant
