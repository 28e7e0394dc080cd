#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

inline constexpr std::uint16_t kDefaultGamePort = 27015;

struct ServerAddress {
    std::string host;  // a name, or an address without brackets
    std::uint16_t port = kDefaultGamePort;

    // NOLINTNEXTLINE(modernize-use-nullptr): the check misreads the comparison it makes.
    auto operator<=>(const ServerAddress&) const = default;
};

// The server a join would connect to, from the address and port texts as typed: the port text
// when given, else a port written after the address ("host:port", "[v6]:port"), else the
// game's port. Nothing for an empty address or a port that is not a number from 1 to 65535.
std::optional<ServerAddress> JoinTarget(std::string_view address, std::string_view port);

// A server of a list of addresses (the join history): the port written after the address, else
// `port` (the port the join panel holds), else the game's port.
std::optional<ServerAddress> ListedTarget(std::string_view address, std::string_view port);

}  // namespace quorvant
