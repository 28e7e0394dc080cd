#include "serverconfig/config_lines.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;

TEST(QuotedSetting, MatchesTheQuotedNameExactly) {
    const std::string text = "\"mp_timelimit2\"\t\t\"5\"\r\n\"MP_TIMELIMIT\" \"6\"\r\n";
    EXPECT_EQ(GetQuotedSetting(text, "mp_timelimit"), "");
    EXPECT_EQ(GetQuotedSetting(text + "\"mp_timelimit\"  \"20\"\r\n", "mp_timelimit"), "20");
    EXPECT_EQ(GetQuotedSetting("\"sv_aim\" \" 1 \"", "sv_aim"), " 1 ");
    EXPECT_EQ(GetQuotedSetting("\"sv_aim\" 1", "sv_aim"), "");
}

TEST(QuotedSetting, ReplacesInPlaceOrAppendsANewPair) {
    std::string text = "// keep\r\n\"mp_timelimit\"   \"20\" // here\r\n";
    SetQuotedSetting(text, "mp_timelimit", "45");
    EXPECT_EQ(text, "// keep\r\n\"mp_timelimit\"   \"45\" // here\r\n");
    SetQuotedSetting(text, "mp_timelimit", "");
    EXPECT_EQ(text, "// keep\r\n\"mp_timelimit\"   \"\" // here\r\n");
    SetQuotedSetting(text, "mp_fraglimit", "");
    EXPECT_EQ(text, "// keep\r\n\"mp_timelimit\"   \"\" // here\r\n");
    SetQuotedSetting(text, "mp_fraglimit", "30");
    EXPECT_EQ(text,
              "// keep\r\n\"mp_timelimit\"   \"\" // here\r\n\r\n\"mp_fraglimit\"\t\t\"30\"\r\n");
    std::string empty;
    SetQuotedSetting(empty, "sv_aim", "0");
    EXPECT_EQ(empty, "\r\n\"sv_aim\"\t\t\"0\"\r\n");
    std::string broken = "\"sv_aim\" \"1";
    SetQuotedSetting(broken, "sv_aim", "0");
    EXPECT_EQ(broken, "\"sv_aim\" \"1");
}

// game.cfg files as the game's own packages write them: console commands of the bare name.
TEST(QuotedSetting, ReadsAndEditsABareCommandInItsOwnForm) {
    const std::string rules =
        "// If set, when anybody's score reaches mp_fraglimit the map changes.\n"
        "mp_fraglimit \"0\"\n\nmp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n"
        "mp_friendlyfire\nmp_friendlyfire \"1\"\nmp_footsteps // none\nmp_footsteps 1";
    EXPECT_EQ(FindQuotedSetting(rules, "mp_fraglimit"), "0");
    EXPECT_EQ(FindQuotedSetting(rules, "mp_timelimit"), "20");
    EXPECT_EQ(FindQuotedSetting(rules, "mp_friendlyfire"), "1");
    EXPECT_EQ(FindQuotedSetting(rules, "mp_footsteps"), "1");
    EXPECT_EQ(FindQuotedSetting(rules, "mp_flashlight"), std::nullopt);
    EXPECT_EQ(FindQuotedSetting(rules + "\n\"mp_fraglimit\" \"5\"", "mp_fraglimit"), "5");
    std::string text = rules;
    SetQuotedSetting(text, "mp_fraglimit", "10");
    SetQuotedSetting(text, "mp_timelimit", "30 min");
    SetQuotedSetting(text, "mp_friendlyfire", "0");
    SetQuotedSetting(text, "mp_footsteps", "");
    EXPECT_EQ(text,
              "// If set, when anybody's score reaches mp_fraglimit the map changes.\n"
              "mp_fraglimit \"10\"\n\nmp_timelimit2 \"9\"\n  mp_timelimit\t\"30 min\" // minutes\n"
              "mp_friendlyfire\nmp_friendlyfire \"0\"\nmp_footsteps // none\nmp_footsteps \"\"");
    std::string word = "mp_timelimit 20\n";
    SetQuotedSetting(word, "mp_timelimit", "25");
    EXPECT_EQ(word, "mp_timelimit 25\n");
}

// A command counts where the game runs it: at the start of a line, after blanks or TABs at most;
// never in a comment, inside another command's value or at the end of a longer name.
TEST(CommandSetting, ReplacesTheRestOfTheFirstLineThatRunsIt) {
    std::string text = "// mp_timelimit 20\r\nmp_timelimit 30\r\n";
    SetCommandSetting(text, "mp_timelimit ", "45");
    EXPECT_EQ(text, "// mp_timelimit 20\r\nmp_timelimit 45\r\n");
    std::string host = "myhostname x\r\n \t hostname \"old\"\r\n";
    SetCommandSetting(host, "hostname ", "\"new\"");
    EXPECT_EQ(host, "myhostname x\r\n \t hostname \"new\"\r\n");
    std::string last = "a 1\r\nmp_fraglimit 5";
    SetCommandSetting(last, "mp_fraglimit ", "");
    EXPECT_EQ(last, "a 1\r\nmp_fraglimit ");
    const std::string setup =
        "gg_map_setup \"mp_timelimit 60; mp_winlimit 0; sv_alltalk 0; mp_c4timer 25\"\n"
        "// 20 minute timelimit\nmp_friendlyfire 1\n";
    const std::string noFriendlyFire = std::string(setup).replace(setup.size() - 2, 1, "0");
    std::string gunGame = setup;
    SetCommandSetting(gunGame, "mp_timelimit ", "");
    SetCommandSetting(gunGame, "mp_friendlyfire ", "0");
    EXPECT_EQ(gunGame, noFriendlyFire);
    SetCommandSetting(gunGame, "mp_timelimit ", "30");
    EXPECT_EQ(gunGame, noFriendlyFire + "\r\nmp_timelimit 30\r\n");
}

TEST(CommandSetting, ReadsTheValueOfTheLineThatRunsIt) {
    const std::string text = "// mp_timelimit 20\nsv_aim 0\r\n\tmp_timelimit 45 // min\r\nx";
    EXPECT_EQ(GetCommandSetting(text, "mp_timelimit "), "45 // min");
    EXPECT_EQ(GetCommandSetting(text, "sv_aim "), "0");
    EXPECT_EQ(GetCommandSetting(text + "\nmp_fraglimit ", "mp_fraglimit "), "");
    EXPECT_EQ(GetCommandSetting(text, "aim "), std::nullopt);
    EXPECT_EQ(GetCommandSetting(text, "mp_fraglimit "), std::nullopt);
}

TEST(CommandSetting, KeepsTheLinesAfterItInFilesWithLfOrCrEnds) {
    std::string unix = "hostname \"old\"\nsv_lan 0\nmp_timelimit 20\n";
    SetCommandSetting(unix, "hostname ", "\"new\"");
    EXPECT_EQ(unix, "hostname \"new\"\nsv_lan 0\nmp_timelimit 20\n");
    std::string mac = "mp_timelimit 20\rmp_fraglimit 5\r";
    SetCommandSetting(mac, "mp_timelimit ", "30");
    EXPECT_EQ(mac, "mp_timelimit 30\rmp_fraglimit 5\r");
}

TEST(CommandSetting, AppendsWhatItCannotFindExceptEmptyValues) {
    std::string tab = "mp_timelimit\t20\r\n";
    SetCommandSetting(tab, "mp_timelimit ", "30");
    EXPECT_EQ(tab, "mp_timelimit\t20\r\n\r\nmp_timelimit 30\r\n");
    std::string empty;
    SetCommandSetting(empty, "mp_timelimit ", "30");
    EXPECT_EQ(empty, "\r\nmp_timelimit 30\r\n");
    std::string unchanged = "hostname \"a\"\r\n";
    SetCommandSetting(unchanged, "hostname ", "\"\"");
    SetCommandSetting(unchanged, "mp_timelimit ", "");
    SetCommandSetting(unchanged, "sv_password ", "\"\"");
    EXPECT_EQ(unchanged, "hostname \"a\"\r\n");
}

TEST(KeyedValue, ReadsAndWritesTheFirstQuotedValueAfterTheKey) {
    std::string text = "name \"Player\"\r\ncl_allowupload \"1\"\r\n";
    EXPECT_EQ(GetKeyedValue(text, "cl_allowupload"), "1");
    EXPECT_EQ(GetKeyedValue(text, "sv_lan"), std::nullopt);
    EXPECT_EQ(GetKeyedValue("\r\nhostname \"My server\"", "\r\nhostname"), "My server");
    // A key that begins a line: after CR LF, LF or nothing.
    const std::string lines = "// hostname \"Comment\"\nmyhostname \"Other\"\n hostname \"In\"\n";
    EXPECT_EQ(GetLineKeyedValue(lines, "hostname"), std::nullopt);
    EXPECT_EQ(GetLineKeyedValue(lines + "hostname \"Lf\"\n", "hostname"), "Lf");
    EXPECT_EQ(GetLineKeyedValue(lines + "\r\nhostname \"CrLf\"", "hostname"), "CrLf");
    EXPECT_EQ(GetLineKeyedValue("hostname \"First\"\r\n" + lines, "hostname"), "First");
    SetKeyedValue(text, "cl_allowupload", "0");
    SetKeyedValue(text, "sv_lan", "1");
    EXPECT_EQ(text, "name \"Player\"\r\ncl_allowupload \"0\"\r\n\r\nsv_lan \"1\"\r\n");
}

TEST(LogLine, IsFoundAtTheStartOrAfterALineBreakAndRemovedOnce) {
    EXPECT_TRUE(HasLogLine("log on\r\n"));
    EXPECT_TRUE(HasLogLine("a\r\nlog one\r\n"));
    EXPECT_FALSE(HasLogLine("  log on\r\n"));
    EXPECT_FALSE(HasLogLine("log of"));
    std::string middle = "a\r\nlog on\r\nb";
    RemoveLogLine(middle);
    EXPECT_EQ(middle, "a\r\nb");
    std::string both = "log on\r\nb\r\nlog on";
    RemoveLogLine(both);  // a line after a break is looked for first
    EXPECT_EQ(both, "log on\r\nb");
    std::string first = "log onward\r\nb";
    RemoveLogLine(first);
    EXPECT_EQ(first, "rd\r\nb");  // eight characters, whatever they are
    std::string only = "log on\r\nb";
    RemoveLogLine(only);
    EXPECT_EQ(only, "b");
    std::string none = "a\r\nb";
    RemoveLogLine(none);
    EXPECT_EQ(none, "a\r\nb");
}

TEST(ConfigText, ReadsMissingFilesAsEmptyAndWritesWithoutGrowing) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("cstrike/server.cfg", "hostname \"x\"\r\n");
    EXPECT_EQ(ReadConfigText(game.str(), "cstrike", "game.cfg"), "");
    std::string text = ReadConfigText(game.str(), "cstrike", "server.cfg");
    SetCommandSetting(text, "hostname ", "\"y\"");
    ASSERT_TRUE(WriteConfigText(game.str(), "cstrike", "server.cfg", text));
    ASSERT_TRUE(WriteConfigText(game.str(), "cstrike", "game.cfg", "\"sv_aim\"\t\t\"0\""));
    EXPECT_EQ(ReadFile(game / "cstrike/server.cfg"), "hostname \"y\"\r\n");
    EXPECT_EQ(ReadFile(game / "cstrike/game.cfg"), "\"sv_aim\"\t\t\"0\"\r\n");
    EXPECT_FALSE(WriteConfigText(game.str(), "missing", "server.cfg", "x"));
}

}  // namespace
}  // namespace quorvant
