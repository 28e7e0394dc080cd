#pragma once

#include <string>
#include <string_view>
#include <vector>

// A game server's players and rules over UDP: the requests, each first sent with the challenge
// that asks for a challenge, and the replies, whole (after any split reply is joined). A reply
// is read with bounds checks only: one that does not hold together is Invalid.
namespace quorvant {

inline constexpr std::string_view kAskForChallenge = "\xFF\xFF\xFF\xFF";

std::string PlayersRequest(std::string_view challenge = kAskForChallenge);
std::string RulesRequest(std::string_view challenge = kAskForChallenge);

struct PlayerEntry {
    std::string name;
    int score = 0;
    float seconds = 0;  // connected for

    bool operator==(const PlayerEntry&) const = default;
};

struct RuleEntry {
    std::string name;
    std::string value;

    bool operator==(const RuleEntry&) const = default;
};

enum class DetailsKind { Invalid, Challenge, Players, Rules };

struct DetailsReply {
    DetailsKind kind = DetailsKind::Invalid;
    std::string challenge;
    std::vector<PlayerEntry> players;
    std::vector<RuleEntry> rules;
};

// A reply cut short keeps the entries it holds whole: servers of this engine often cut a long
// list of rules at the end of a datagram.
DetailsReply DecodeDetailsReply(std::string_view reply);

}  // namespace quorvant
