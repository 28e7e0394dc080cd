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

// Names in the bytes servers send, outside ASCII too.
ServerInfo Example(bool oldFormat) {
    ServerInfo info;
    info.oldFormat = oldFormat;
    info.name = "Caf\xC3\xA9 \xE9t\xE9 | 24/7";
    info.map = "de_dust2";
    info.folder = "cstrike";
    info.game = "Counter-Strike";
    info.players = 12;
    info.maxPlayers = 255;
    info.bots = 3;
    info.passwordNeeded = true;
    info.secure = true;
    if (!oldFormat) info.version = "1.1.2.7";
    return info;
}

// Every piece of extra data: game port, account, spectator relay, keywords, game number.
const std::string kExtraData = Bytes({0xF1, 0x88, 0x69}) + std::string(8, '\x01') +
                               Bytes({0x89, 0x69}) + Text("relay") + Text("dust,casual") +
                               std::string(8, '\x02');

ServerInfo WithExtraData(ServerInfo info) {
    info.gamePort = 27016;
    info.keywords = "dust,casual";
    return info;
}

struct Decoded {
    const char* what;
    std::string datagram;
    ServerInfo expected;
};

const Decoded kReplies[] = {
    {"current", CurrentReply(Example(false)), Example(false)},
    {"current with extra data", CurrentReply(Example(false), kExtraData),
     WithExtraData(Example(false))},
    {"current with keywords only", CurrentReply(Example(false), Bytes({0x20}) + Text("k")),
     [] {
         ServerInfo info = Example(false);
         info.keywords = "k";
         return info;
     }()},
    {"old", OldReply(Example(true)), Example(true)},
    {"old of a mod", OldReply(Example(true), true), Example(true)},
};

TEST(DecodeServerReply, ReadsBothFormatsWithAndWithoutOptionalData) {
    for (const Decoded& reply : kReplies) {
        const ServerReply decoded = DecodeServerReply(reply.datagram);
        EXPECT_EQ(decoded.kind, ReplyKind::Info) << reply.what;
        EXPECT_EQ(decoded.info, reply.expected) << reply.what;
    }
}

TEST(DecodeServerReply, ReadsAReplyAsAServerSpellsIt) {
    // An empty server of the game with three bytes for its own mode before the version.
    const std::string ship = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x49, 0x07}) + Text("Ship") +
                             Text("batavier") + Text("ship") + Text("The Ship") +
                             Bytes({0x60, 0x09, 0x00, 0x20, 0x00, 0x64, 0x77, 0x00, 0x01}) +
                             Bytes({0x01, 0x02, 0x03}) + Text("1.0.0.4");
    const ServerReply decoded = DecodeServerReply(ship);
    ASSERT_EQ(decoded.kind, ReplyKind::Info);
    EXPECT_EQ(decoded.info.map, "batavier");
    EXPECT_EQ(decoded.info.maxPlayers, 32);
    EXPECT_FALSE(decoded.info.passwordNeeded);
    EXPECT_EQ(decoded.info.version, "1.0.0.4");
}

TEST(DecodeServerReply, ReadsAChallengeToSendBackWithTheRequest) {
    const std::string challenge = Bytes({0x00, 0xFF, 0x41, 0x7F});
    const ServerReply decoded = DecodeServerReply(ChallengeReply(challenge));
    EXPECT_EQ(decoded.kind, ReplyKind::Challenge);
    EXPECT_EQ(decoded.challenge, challenge);
    EXPECT_EQ(InfoRequest(), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'T'}) + Text("Source Engine Query"));
    EXPECT_EQ(InfoRequest(challenge), InfoRequest() + challenge);
}

// No reply cut short holds together, except the current one cut just before its extra data.
TEST(DecodeServerReply, EveryTruncationIsInvalid) {
    const std::string withoutExtraData = CurrentReply(Example(false));
    for (const Decoded& reply : kReplies) {
        for (std::size_t size = 0; size < reply.datagram.size(); ++size) {
            const std::string cut = reply.datagram.substr(0, size);
            const bool whole = cut == withoutExtraData;
            EXPECT_EQ(DecodeServerReply(cut).kind, whole ? ReplyKind::Info : ReplyKind::Invalid)
                << reply.what << " cut to " << size;
        }
    }
    const std::string challenge = ChallengeReply("abcd");
    for (std::size_t size = 0; size < challenge.size(); ++size)
        EXPECT_EQ(DecodeServerReply(challenge.substr(0, size)).kind, ReplyKind::Invalid) << size;
}

TEST(DecodeServerReply, RejectsWhatIsNotAWholeReply) {
    const std::string reply = CurrentReply(Example(false));
    const std::string rejected[] = {
        reply + std::string(kMaxReplySize + 1 - reply.size(), 'x'),
        Bytes({0xFF, 0xFF, 0xFF, 0xFE}) + reply.substr(4),  // one part of a split reply
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'D'}) + reply.substr(5),
        ChallengeReply("abcde"),
        "",
    };
    for (const std::string& datagram : rejected)
        EXPECT_EQ(DecodeServerReply(datagram).kind, ReplyKind::Invalid) << datagram.size();
    // Fields a later server adds after the known ones are passed over.
    EXPECT_EQ(DecodeServerReply(CurrentReply(Example(false), kExtraData) + "later").kind,
              ReplyKind::Info);
    EXPECT_EQ(DecodeServerReply(OldReply(Example(true)) + "later").kind, ReplyKind::Info);
}

TEST(JoinTarget, IsWhatAJoinConnectsTo) {
    struct Case {
        const char* address;
        const char* port;
        std::optional<ServerAddress> target;
    };
    const Case cases[] = {
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
    for (const Case& test : cases)
        EXPECT_EQ(JoinTarget(test.address, test.port), test.target)
            << test.address << " | " << test.port;
}

}  // namespace
}  // namespace quorvant
