// Game server replies as they come off the network, and the join address they are sent to.
#include "fuzz_input.h"
#include "launch/server_address.h"
#include "launch/server_query.h"

namespace quorvant::fuzz {
namespace {

bool Within(std::string_view datagram, const std::string& text) {
    return text.find('\0') == std::string::npos && datagram.find(text) != std::string_view::npos;
}

void CheckReply(std::string_view datagram) {
    const ServerReply reply = DecodeServerReply(datagram);
    if (reply.kind == ReplyKind::Invalid) return;
    Require(datagram.size() <= kMaxReplySize && datagram.starts_with("\xFF\xFF\xFF\xFF"),
            "a reply is one whole datagram with its header");
    if (reply.kind == ReplyKind::Challenge) {
        Require(reply.challenge.size() == kChallengeSize && datagram.ends_with(reply.challenge),
                "a challenge is the datagram's last bytes");
        Require(InfoRequest(reply.challenge) == InfoRequest() + reply.challenge,
                "the challenge follows the request");
        return;
    }
    const ServerInfo& info = reply.info;
    Require(info.oldFormat == (datagram[4] == 'm'), "the format is the reply's kind");
    for (const std::string* text :
         {&info.name, &info.map, &info.folder, &info.game, &info.version, &info.keywords})
        Require(Within(datagram, *text), "every text is taken from the datagram");
    for (int count : {info.players, info.maxPlayers, info.bots})
        Require(count >= 0 && count <= 255, "counts are single bytes");
    Require(info.gamePort >= 0 && info.gamePort <= 65535, "the port is two bytes");
}

void CheckTarget(std::string_view address, std::string_view port) {
    const auto target = JoinTarget(address, port);
    if (!target) return;
    Require(!target->host.empty() && address.find(target->host) != std::string_view::npos,
            "the host is part of the address");
    Require(target->port != 0, "a port to send to");
}

}  // namespace
}  // namespace quorvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant::fuzz;
    // Straight from the fuzzer's own buffer, so that a read past the datagram is caught.
    CheckReply(std::string_view(reinterpret_cast<const char*>(data), size));
    FuzzInput input(data, size);
    const std::string address = input.text();
    CheckTarget(address, input.text());
    return 0;
}
