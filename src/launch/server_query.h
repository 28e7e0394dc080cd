#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The game servers' information query over UDP: the request, and the replies a server sends
// back: a challenge to repeat the request with, or the information itself, in the current
// format or in the older one of the first engine. A reply is a byte string from anyone on the
// network, read with bounds checks only: one that does not hold together is Invalid.
namespace quorvant {

// Information replies fit in one datagram; larger ones come split, which this query never asks.
inline constexpr std::size_t kMaxReplySize = 1400;
inline constexpr std::size_t kChallengeSize = 4;

// The request; after a challenge, the same request followed by the challenge's bytes.
std::string InfoRequest(std::string_view challenge = {});

struct ServerInfo {
    bool oldFormat = false;  // the first engine's reply
    std::string name;
    std::string map;
    std::string folder;  // the mod's folder
    std::string game;    // the mod's description
    int players = 0;     // bots included
    int maxPlayers = 0;
    int bots = 0;
    bool passwordNeeded = false;
    bool secure = false;  // anti-cheat on
    std::string version;  // in the current format only
    int gamePort = 0;     // when the current format's extra data gives it
    std::string keywords;
    bool dedicated = false;
    char system = 0;  // 'l' Linux, 'w' Windows, 'm' or 'o' macOS

    bool operator==(const ServerInfo&) const = default;
};

enum class ReplyKind { Invalid, Challenge, Info };

struct ServerReply {
    ReplyKind kind = ReplyKind::Invalid;
    std::string challenge;  // a challenge's bytes, to send back
    ServerInfo info;
};

ServerReply DecodeServerReply(std::string_view datagram);

}  // namespace quorvant
