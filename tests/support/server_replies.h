#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "launch/server_query.h"

// Game server replies as a server sends them, for the tests of the query and of the join panel.
namespace quorvant::testing {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) bytes += static_cast<char>(value);
    return bytes;
}

inline std::string Text(std::string_view text) { return std::string(text) + '\0'; }

inline std::string ChallengeReply(std::string_view challenge) {
    return Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'A'}) + std::string(challenge);
}

// The current reply; `extra` is the optional extra data after the version, its flags first.
inline std::string CurrentReply(const ServerInfo& info, std::string_view extra = {}) {
    return Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'I', 48}) + Text(info.name) + Text(info.map) +
           Text(info.folder) + Text(info.game) + Bytes({10, 0}) +
           Bytes({info.players, info.maxPlayers, info.bots, 'd', 'l'}) +
           Bytes({info.passwordNeeded, info.secure}) + Text(info.version) + std::string(extra);
}

// The first engine's reply, with the mod's data when `modData`.
inline std::string OldReply(const ServerInfo& info, bool modData = false) {
    std::string reply = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'm'}) + Text("127.0.0.1:27015") +
                        Text(info.name) + Text(info.map) + Text(info.folder) + Text(info.game) +
                        Bytes({info.players, info.maxPlayers, 47, 'D', 'W', info.passwordNeeded});
    if (modData) {
        reply += Bytes({1}) + Text("http://mod.example") + Text("http://mod.example/get") +
                 Bytes({0, 1, 0, 0, 0, 0, 0, 0x10, 0, 0, 1});
    } else {
        reply += Bytes({0});
    }
    return reply + Bytes({info.secure, info.bots});
}

}  // namespace quorvant::testing
