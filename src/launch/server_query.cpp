#include "launch/server_query.h"

#include <optional>

#include "launch/datagram_fields.h"

namespace quorvant {
namespace {

constexpr std::string_view kHeader = "\xFF\xFF\xFF\xFF";
constexpr char kRequest = 'T';
constexpr char kChallenge = 'A';
constexpr char kInfo = 'I';
constexpr char kOldInfo = 'm';
constexpr int kShipGame = 2400;  // its reply carries three more bytes before the version

char Lower(int c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); }

// The server's kind ('d' dedicated) and system, in either case as the two formats write them.
void ReadKindAndSystem(DatagramFields& fields, ServerInfo& info) {
    info.dedicated = Lower(fields.byte()) == 'd';
    info.system = Lower(fields.byte());
}

// The current format's optional extra data, announced by a byte of flags.
void ReadExtraData(DatagramFields& fields, ServerInfo& info) {
    const int flags = fields.byte();
    if (flags & 0x80) info.gamePort = fields.littleShort();
    if (flags & 0x10) fields.take(8);  // the server's account
    if (flags & 0x40) {
        fields.take(2);  // the spectator relay's port and name
        fields.text();
    }
    if (flags & 0x20) info.keywords = fields.text();
    if (flags & 0x01) fields.take(8);  // the full game number
}

std::optional<ServerInfo> ReadInfo(DatagramFields& fields) {
    ServerInfo info;
    fields.byte();  // protocol
    info.name = fields.text();
    info.map = fields.text();
    info.folder = fields.text();
    info.game = fields.text();
    const int game = fields.littleShort();
    info.players = fields.byte();
    info.maxPlayers = fields.byte();
    info.bots = fields.byte();
    ReadKindAndSystem(fields, info);
    info.passwordNeeded = fields.byte() != 0;
    info.secure = fields.byte() != 0;
    if (game == kShipGame) fields.take(3);
    info.version = fields.text();
    if (!fields.empty()) ReadExtraData(fields, info);
    if (fields.failed()) return std::nullopt;
    return info;
}

std::optional<ServerInfo> ReadOldInfo(DatagramFields& fields) {
    ServerInfo info;
    info.oldFormat = true;
    fields.text();  // the address the server sees itself at
    info.name = fields.text();
    info.map = fields.text();
    info.folder = fields.text();
    info.game = fields.text();
    info.players = fields.byte();
    info.maxPlayers = fields.byte();
    fields.byte();  // protocol
    ReadKindAndSystem(fields, info);
    info.passwordNeeded = fields.byte() != 0;
    if (fields.byte() == 1) {
        fields.text();  // the mod's web and download addresses
        fields.text();
        fields.take(11);  // a NUL, version, size, kind and library flags
    }
    info.secure = fields.byte() != 0;
    info.bots = fields.byte();
    if (fields.failed()) return std::nullopt;
    return info;
}

}  // namespace

std::string InfoRequest(std::string_view challenge) {
    std::string request(kHeader);
    request += kRequest;
    request += "Source Engine Query";
    request += '\0';
    request += challenge;
    return request;
}

ServerReply DecodeServerReply(std::string_view datagram) {
    ServerReply reply;
    if (datagram.size() > kMaxReplySize || !datagram.starts_with(kHeader)) return reply;
    DatagramFields fields(datagram.substr(kHeader.size()));
    const int kind = fields.byte();
    if (kind == kChallenge && datagram.size() == kHeader.size() + 1 + kChallengeSize) {
        reply.kind = ReplyKind::Challenge;
        reply.challenge = fields.take(kChallengeSize);
        return reply;
    }
    std::optional<ServerInfo> info;
    if (kind == kInfo) info = ReadInfo(fields);
    if (kind == kOldInfo) info = ReadOldInfo(fields);
    if (!info) return reply;
    reply.kind = ReplyKind::Info;
    reply.info = std::move(*info);
    return reply;
}

}  // namespace quorvant
