#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "launch/server_details.h"
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

inline std::string LittleLong(std::uint32_t value) {
    return Bytes({int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF),
                  int(value >> 24 & 0xFF)});
}

inline std::string PlayersReply(const std::vector<PlayerEntry>& players) {
    std::string reply = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'D', int(players.size())});
    for (const PlayerEntry& player : players) {
        reply += Bytes({0}) + Text(player.name) + LittleLong(std::uint32_t(player.score)) +
                 LittleLong(std::bit_cast<std::uint32_t>(player.seconds));
    }
    return reply;
}

// Rules enough to need a split reply.
inline std::vector<RuleEntry> ManyRules(int count) {
    std::vector<RuleEntry> rules;
    rules.reserve(std::size_t(count));
    for (int rule = 0; rule < count; ++rule)
        rules.push_back({"rule_" + std::to_string(rule), "value " + std::to_string(rule)});
    return rules;
}

inline std::string RulesReply(const std::vector<RuleEntry>& rules) {
    std::string reply =
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'E', int(rules.size() & 0xFF), int(rules.size() >> 8)});
    for (const RuleEntry& rule : rules) reply += Text(rule.name) + Text(rule.value);
    return reply;
}

// A reply split as this engine splits it: pieces of `size` bytes, each with the split header,
// the id and its byte of index and count.
inline std::vector<std::string> SplitAsThisEngine(const std::string& reply, std::uint32_t id,
                                                  std::size_t size) {
    std::vector<std::string> pieces;
    const std::size_t count = (reply.size() + size - 1) / size;
    for (std::size_t index = 0; index < count; ++index) {
        pieces.push_back(Bytes({0xFE, 0xFF, 0xFF, 0xFF}) + LittleLong(id) +
                         Bytes({int(index << 4 | count)}) + reply.substr(index * size, size));
    }
    return pieces;
}

// The same as the later engines split it: count, index and size after the id.
inline std::vector<std::string> SplitAsLaterEngines(const std::string& reply, std::uint32_t id,
                                                    std::size_t size) {
    std::vector<std::string> pieces;
    const std::size_t count = (reply.size() + size - 1) / size;
    for (std::size_t index = 0; index < count; ++index) {
        pieces.push_back(Bytes({0xFE, 0xFF, 0xFF, 0xFF}) + LittleLong(id) +
                         Bytes({int(count), int(index), int(size & 0xFF), int(size >> 8)}) +
                         reply.substr(index * size, size));
    }
    return pieces;
}

// A page of the master's list: its header, then each server's four address bytes and port.
inline std::string MasterPageReply(const std::vector<std::pair<std::uint32_t, int>>& servers) {
    std::string page = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x66, 0x0A});
    for (const auto& [address, port] : servers) {
        page += Bytes({int(address >> 24), int(address >> 16 & 0xFF), int(address >> 8 & 0xFF),
                       int(address & 0xFF), port >> 8, port & 0xFF});
    }
    return page;
}

}  // namespace quorvant::testing
