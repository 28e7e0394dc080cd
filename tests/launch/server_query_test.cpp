#include "launch/server_query.h"

#include <gtest/gtest.h>

#include "launch/server_address.h"
#include "support/server_replies.h"

namespace quorvant {
namespace {

using ::quorvant::testing::Bytes;
using ::quorvant::testing::ChallengeReply;
using ::quorvant::testing::CurrentReply;
using ::quorvant::testing::OldReply;
using ::quorvant::testing::Text;
using namespace std::string_literals;

// Names in the bytes servers send, outside ASCII too.
ServerInfo Example(bool oldFormat, int gamePort = 0, std::string keywords = {}) {
    return {oldFormat,
            "Caf\xC3\xA9 \xE9t\xE9",
            "de_dust2",
            "cstrike",
            "CS",
            12,
            255,
            3,
            true,
            true,
            oldFormat ? "" : "1.1.2.7",
            gamePort,
            std::move(keywords),
            true,
            oldFormat ? 'w' : 'l'};
}

// Every piece of extra data: game port, account, spectator relay, keywords, game number.
const std::string kExtraData = Bytes({0xF1, 0x88, 0x69}) + std::string(8, '\x01') +
                               Bytes({0x89, 0x69}) + Text("relay") + Text("dust,casual") +
                               std::string(8, '\x02');

const std::pair<std::string, ServerInfo> kReplies[] = {
    {CurrentReply(Example(false)), Example(false)},
    {CurrentReply(Example(false), kExtraData), Example(false, 27016, "dust,casual")},
    {CurrentReply(Example(false), Bytes({0x20}) + Text("k")), Example(false, 0, "k")},
    {OldReply(Example(true)), Example(true)},
    {OldReply(Example(true), true), Example(true)},
    // A server of the game with three bytes for its own mode before the version.
    {Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x49, 0x07}) + Text("Ship") + Text("batavier") + Text("ship") +
         Text("The Ship") + Bytes({0x60, 0x09, 0x00, 0x20, 0x00, 0x64, 0x77, 0x00, 0x01}) +
         Bytes({0x01, 0x02, 0x03}) + Text("1.0.0.4"),
     {false, "Ship", "batavier", "ship", "The Ship", 0, 32, 0, false, true, "1.0.0.4", 0, "", true,
      'w'}},
};

// No reply cut short holds together, except the current one cut just before its extra data.
TEST(DecodeServerReply, ReadsBothFormatsWholeAndNothingCutShort) {
    const std::string withoutExtraData = CurrentReply(Example(false));
    for (const auto& [datagram, expected] : kReplies) {
        const ServerReply decoded = DecodeServerReply(datagram);
        EXPECT_EQ(decoded.kind, ReplyKind::Info) << expected.name;
        EXPECT_EQ(decoded.info, expected) << expected.name;
        // Fields a later server adds after the known ones are passed over.
        EXPECT_EQ(DecodeServerReply(datagram + "\0later"s).kind, ReplyKind::Info) << expected.name;
        for (std::size_t size = 0; size < datagram.size(); ++size) {
            const std::string cut = datagram.substr(0, size);
            EXPECT_EQ(DecodeServerReply(cut).kind,
                      cut == withoutExtraData ? ReplyKind::Info : ReplyKind::Invalid)
                << expected.name << " cut to " << size;
        }
    }
}

TEST(DecodeServerReply, ReadsAChallengeAndRejectsWhatIsNotAWholeReply) {
    const std::string challenge = Bytes({0x00, 0xFF, 0x41, 0x7F});
    const ServerReply decoded = DecodeServerReply(ChallengeReply(challenge));
    EXPECT_EQ(decoded.kind, ReplyKind::Challenge);
    EXPECT_EQ(decoded.challenge, challenge);
    EXPECT_EQ(InfoRequest(), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'T'}) + Text("Source Engine Query"));
    EXPECT_EQ(InfoRequest(challenge), InfoRequest() + challenge);
    const std::string reply = CurrentReply(Example(false));
    const std::string rejected[] = {
        reply + std::string(kMaxReplySize + 1 - reply.size(), '\0'),
        Bytes({0xFF, 0xFF, 0xFF, 0xFE}) + reply.substr(4),  // one part of a split reply
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'D'}) + reply.substr(5),
        ChallengeReply("abcde"),
        ChallengeReply("abc"),
    };
    for (const std::string& datagram : rejected)
        EXPECT_EQ(DecodeServerReply(datagram).kind, ReplyKind::Invalid) << datagram.size();
    EXPECT_EQ(DecodeServerReply(reply + std::string(kMaxReplySize - reply.size(), '\0')).kind,
              ReplyKind::Info);
}

TEST(JoinTarget, IsWhatAJoinConnectsTo) {
    const struct {
        const char* address;
        const char* port;
        std::optional<ServerAddress> target;
    } cases[] = {
        {"10.0.0.5", "", ServerAddress{"10.0.0.5", 27015}},
        {" 10.0.0.5 ", "27016", ServerAddress{"10.0.0.5", 27016}},
        {"play.example:27017", "", ServerAddress{"play.example", 27017}},
        {"play.example:27017", "27018", ServerAddress{"play.example", 27018}},
        {"[::1]:27019", "", ServerAddress{"::1", 27019}},
        {"[::1]", "", ServerAddress{"::1", 27015}},
        {"::1", "", ServerAddress{"::1", 27015}},
        {"", "27015", std::nullopt},
        {"  ", "", std::nullopt},
        {"10.0.0.5", "port", std::nullopt},
        {"10.0.0.5", "65536", std::nullopt},
        {"10.0.0.5", "0", std::nullopt},
        {"10.0.0.5:", "", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinTarget(c.address, c.port), c.target) << c.address << " | " << c.port;
}

}  // namespace
}  // namespace quorvant
