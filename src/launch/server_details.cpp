#include "launch/server_details.h"

#include "launch/datagram_fields.h"
#include "launch/server_query.h"
#include "launch/split_reply.h"

namespace quorvant {
namespace {

constexpr std::string_view kHeader = "\xFF\xFF\xFF\xFF";
constexpr char kPlayersRequest = 'U';
constexpr char kRulesRequest = 'V';
constexpr char kChallenge = 'A';
constexpr char kPlayers = 'D';
constexpr char kRules = 'E';

std::string Request(char kind, std::string_view challenge) {
    std::string request(kHeader);
    request += kind;
    request += challenge;
    return request;
}

std::vector<PlayerEntry> ReadPlayers(DatagramFields& fields) {
    std::vector<PlayerEntry> players;
    const int count = fields.byte();
    for (int entry = 0; entry < count && !fields.empty(); ++entry) {
        fields.byte();  // the index, 0 on this engine
        PlayerEntry player;
        player.name = fields.text();
        player.score = static_cast<std::int32_t>(fields.littleLong());
        player.seconds = fields.littleFloat();
        if (fields.failed()) break;
        players.push_back(std::move(player));
    }
    return players;
}

std::vector<RuleEntry> ReadRules(DatagramFields& fields) {
    std::vector<RuleEntry> rules;
    const int count = fields.littleShort();
    for (int entry = 0; entry < count && !fields.empty(); ++entry) {
        RuleEntry rule;
        rule.name = fields.text();
        rule.value = fields.text();
        if (fields.failed()) break;
        rules.push_back(std::move(rule));
    }
    return rules;
}

}  // namespace

std::string PlayersRequest(std::string_view challenge) {
    return Request(kPlayersRequest, challenge);
}

std::string RulesRequest(std::string_view challenge) { return Request(kRulesRequest, challenge); }

DetailsReply DecodeDetailsReply(std::string_view reply) {
    DetailsReply decoded;
    if (reply.size() > kMaxFragments * kMaxDatagramSize || !reply.starts_with(kHeader))
        return decoded;
    DatagramFields fields(reply.substr(kHeader.size()));
    const int kind = fields.byte();
    if (kind == kChallenge && reply.size() == kHeader.size() + 1 + kChallengeSize) {
        decoded.kind = DetailsKind::Challenge;
        decoded.challenge = fields.take(kChallengeSize);
    } else if (kind == kPlayers && !fields.empty()) {
        decoded.kind = DetailsKind::Players;
        decoded.players = ReadPlayers(fields);
    } else if (kind == kRules && fields.left() >= 2) {
        decoded.kind = DetailsKind::Rules;
        decoded.rules = ReadRules(fields);
    }
    return decoded;
}

}  // namespace quorvant
