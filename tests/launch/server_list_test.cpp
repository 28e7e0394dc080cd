// The server browser's rules: the master's pages, split replies, players and rules, the
// filters, and the addresses kept in the settings and in Steam's lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "launch/master_server.h"
#include "launch/server_details.h"
#include "launch/server_list.h"
#include "launch/split_reply.h"
#include "launch/steam_servers.h"
#include "support/server_replies.h"

namespace quorvant {
namespace {

using namespace ::quorvant::testing;
using namespace std::string_literals;

constexpr std::uint32_t kLoopback = 0x7F000001;

TEST(MasterServer, RequestsCarryTheSeedAndTheFilterAndPagesEndAtNoServer) {
    EXPECT_EQ(
        MasterRequest({}, MasterFilterText({"cstrike", "de_dust2", true, true, true})),
        "\x31\xFF"s + "0.0.0.0:0\0"s +
            "\\appid\\70\\gamedir\\cstrike\\map\\de_dust2\\full\\1\\empty\\1\\password\\0\0"s);
    // A backslash or NUL typed in a filter cannot add a filter of its own.
    EXPECT_EQ(MasterFilterText({"cs\\full\\1", "a\0b"s, false, false, false}),
              "\\appid\\70\\gamedir\\csfull1\\map\\ab");
    EXPECT_EQ(MasterRequest({0x0A000002, 27016}, "\\appid\\70"),
              "\x31\xFF"s + "10.0.0.2:27016\0\\appid\\70\0"s);

    const auto page = DecodeMasterPage(MasterPageReply({{kLoopback, 27015}, {0x0A000002, 4242}}));
    ASSERT_TRUE(page);
    EXPECT_FALSE(page->last);
    EXPECT_EQ(page->servers, (std::vector<ServerEndpoint>{{kLoopback, 27015}, {0x0A000002, 4242}}));
    EXPECT_EQ(page->servers[0].toAddress(), (ServerAddress{"127.0.0.1", 27015}));
    const auto last = DecodeMasterPage(MasterPageReply({{kLoopback, 27016}, {0, 0}}));
    ASSERT_TRUE(last);
    EXPECT_TRUE(last->last);
    EXPECT_EQ(last->servers.size(), 1U);
    for (const std::string& bad :
         {MasterPageReply({{kLoopback, 1}}).substr(0, 10), "\xFF\xFF\xFF\xFF\x66\x0B"s,
          "\xFF\xFF\xFF\xFF"s, MasterPageReply({}) + std::string(kMaxDatagramSize, '\1')})
        EXPECT_FALSE(DecodeMasterPage(bad)) << bad.size();
}

// Each fragment twice, the first fragment's pair last, so that the others wait for its format.
std::vector<std::string> Twice(const std::vector<std::string>& fragments) {
    std::vector<std::string> twice;
    for (std::size_t index = fragments.size(); index-- > 0;)
        twice.insert(twice.end(), {fragments[index], fragments[index]});
    return twice;
}

// Fragments in any order, twice, of either format, or lying about themselves.
TEST(SplitReplies, JoinInIndexOrderWhateverComesAndBoundWhatIsKept) {
    const std::string whole = RulesReply(ManyRules(200));
    const auto thisEngine = SplitAsThisEngine(whole, 7, 1000);
    const auto later = SplitAsLaterEngines(whole, 9, 1000);
    ASSERT_GE(thisEngine.size(), 3U);
    const struct {
        const char* what;
        std::vector<std::string> datagrams;
        bool joined;
    } rows[] = {
        {"in order", thisEngine, true},
        {"backwards", {thisEngine.rbegin(), thisEngine.rend()}, true},
        {"twice each, the first last", Twice(thisEngine), true},
        {"later engines, backwards", {later.rbegin(), later.rend()}, true},
        {"one missing", {thisEngine[0], thisEngine[2]}, false},
        {"a fragment of another reply between",
         {thisEngine[0], SplitAsThisEngine(whole, 8, 1000)[1], thisEngine[1], thisEngine[2]},
         false},
        {"a whole reply alone", {whole.substr(0, 1200)}, true},
        {"too big a datagram", {"\xFF\xFF\xFF\xFF"s + std::string(kMaxDatagramSize, 'x')}, false},
        {"headers only",
         {"\xFE\xFF\xFF\xFF\x07\x00\x00"s, "\xFE\xFF\xFF\xFF\x07\x00\x00\x00"s},
         false},
        {"a count of none", {"\xFE\xFF\xFF\xFF\x07\x00\x00\x00\x00\xFF\xFF\xFF\xFF"s}, false},
        {"an index past the count",
         {"\xFE\xFF\xFF\xFF\x07\x00\x00\x00\x21\xFF\xFF\xFF\xFF"s},
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        SplitReply split;
        std::optional<std::string> result;
        for (const std::string& datagram : row.datagrams) {
            if (auto joined = split.add(datagram)) result = std::move(joined);
        }
        EXPECT_EQ(result.has_value(), row.joined);
        if (result && row.datagrams.size() > 1) {
            EXPECT_EQ(*result, whole);
        }
    }
    // Fragments that never make a reply are kept only up to a bound.
    SplitReply flood;
    for (int piece = 0; piece < 1000; ++piece) {
        const std::string junk = "\xFE\xFF\xFF\xFF\x07\x00\x00\x00\x12"s + std::to_string(piece);
        EXPECT_FALSE(flood.add(junk));
    }
}

TEST(ServerDetails, PlayersAndRulesWithTheirChallengesAndReplesCutShort) {
    EXPECT_EQ(PlayersRequest(), "\xFF\xFF\xFF\xFF\x55\xFF\xFF\xFF\xFF"s);
    EXPECT_EQ(RulesRequest("abcd"),
              "\xFF\xFF\xFF\xFF\x56"
              "abcd"s);
    const DetailsReply challenge = DecodeDetailsReply(ChallengeReply("wxyz"));
    EXPECT_EQ(challenge.kind, DetailsKind::Challenge);
    EXPECT_EQ(challenge.challenge, "wxyz");

    const std::vector<PlayerEntry> players{{"Gordon", 12, 61.5F}, {"Ad\xC3\xA8le", -3, 5.0F}};
    const DetailsReply decoded = DecodeDetailsReply(PlayersReply(players));
    EXPECT_EQ(decoded.kind, DetailsKind::Players);
    EXPECT_EQ(decoded.players, players);
    std::string cut = PlayersReply(players);
    cut.resize(cut.size() - 3);
    EXPECT_EQ(DecodeDetailsReply(cut).players, std::vector<PlayerEntry>{players[0]});
    std::string notANumber = PlayersReply({{"x", 1, 0}});
    notANumber.replace(notANumber.size() - 4, 4, "\x00\x00\xC0\x7F"s);
    EXPECT_EQ(DecodeDetailsReply(notANumber).players.at(0).seconds, 0.0F);

    const std::vector<RuleEntry> rules{{"mp_timelimit", "20"}, {"sv_contact", ""}};
    EXPECT_EQ(DecodeDetailsReply(RulesReply(rules)).rules, rules);
    std::string lying = RulesReply(rules);
    lying[5] = '\x7F';  // far more rules than it holds
    EXPECT_EQ(DecodeDetailsReply(lying).rules, rules);
    for (const std::string& bad : {"\xFF\xFF\xFF\xFF"s, "\xFF\xFF\xFF\xFF\x45\x01"s,
                                   "\xFF\xFF\xFF\xFF\x41\x01\x02"s, "garbage"s})
        EXPECT_EQ(DecodeDetailsReply(bad).kind, DetailsKind::Invalid);
}

TEST(ServerFilters, KeepWhatEachFilterAsks) {
    ServerInfo info;
    info.name = "Le Caf\xC3\xA9 24/7";
    info.map = "de_dust2";
    info.folder = "cstrike";
    info.players = 10;
    info.maxPlayers = 10;
    info.bots = 2;
    info.passwordNeeded = true;
    ServerInfo empty = info;
    empty.players = empty.bots = 3;
    empty.passwordNeeded = false;
    const struct {
        ServerFilter filter;
        bool keepsFull;
        bool keepsEmpty;
    } rows[] = {
        {{}, true, true},
        {{.mod = "CStrike"}, true, true},
        {{.mod = "cstrike_beta"}, false, false},
        {{.map = "DE_DUST2"}, true, true},
        {{.map = "dust"}, false, false},  // a map is named whole, as the master matches it
        {{.nameSearch = "caf\xC3\xA9"}, true, true},
        {{.nameSearch = "office"}, false, false},
        {{.notFull = true}, false, true},
        {{.notEmpty = true}, true, false},  // bots alone are no players
        {{.noPassword = true}, false, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Keeps(row.filter, info), row.keepsFull) << row.filter.mod << row.filter.map;
        EXPECT_EQ(Keeps(row.filter, empty), row.keepsEmpty) << row.filter.mod << row.filter.map;
    }
}

TEST(ServerAddresses, KeptInOneSettingAndReadFromSteamsLists) {
    const std::vector<ServerAddress> servers{
        {"127.0.0.1", 27015}, {"::1", 27016}, {"hl.example", 4242}};
    EXPECT_EQ(AddressListText(servers), "127.0.0.1:27015 [::1]:27016 hl.example:4242");
    EXPECT_EQ(ReadAddressList(AddressListText(servers)), servers);
    EXPECT_EQ(ReadAddressList(" 127.0.0.1:27015  bad:port 127.0.0.1:27015 x:0 127.[::0]:1 a;b "),
              (std::vector<ServerAddress>{{"127.0.0.1", 27015}}));

    // An address of the history takes the join panel's port when it has none of its own.
    EXPECT_EQ(ListedTarget("127.0.0.1", "27020"), (ServerAddress{"127.0.0.1", 27020}));
    EXPECT_EQ(ListedTarget("127.0.0.1:27016", "27020"), (ServerAddress{"127.0.0.1", 27016}));
    EXPECT_EQ(ListedTarget("hl.example", ""), (ServerAddress{"hl.example", 27015}));
    EXPECT_EQ(ListedTarget("hl.example", "x"), (ServerAddress{"hl.example", 27015}));
    EXPECT_EQ(ListedTarget("", "27020"), std::nullopt);

    const std::string history = R"("Filters"
{
	"favorites"
	{
		"0" { "name" "Mine" "address" "127.0.0.1:27015" "appid" "70" }
		"1" { "name" "No address" }
		"2" { "address" "hl.example:port" }
	}
	"history"
	{
		"0" { "address" "127.0.0.2:27016" "LastPlayed" "1700000000" }
		"1" { "address" "127.0.0.2:27016" }
	}
})";
    const SteamServerLists lists = ReadServerBrowserHistory(history);
    EXPECT_EQ(lists.favourites, (std::vector<ServerAddress>{{"127.0.0.1", 27015}}));
    EXPECT_EQ(lists.history, (std::vector<ServerAddress>{{"127.0.0.2", 27016}}));
    EXPECT_TRUE(ReadServerBrowserHistory("{ unmatched").favourites.empty());
}

}  // namespace
}  // namespace quorvant
