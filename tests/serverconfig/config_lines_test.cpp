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

TEST(CommandSetting, ReplacesTheRestOfTheFirstMatchingLine) {
    std::string text = "// mp_timelimit 20\r\nmp_timelimit 30\r\n";
    SetCommandSetting(text, "mp_timelimit ", "45");
    EXPECT_EQ(text, "// mp_timelimit 45\r\nmp_timelimit 30\r\n");
    std::string host = "myhostname x\r\nhostname \"old\"\r\n";
    SetCommandSetting(host, "hostname ", "\"new\"");
    EXPECT_EQ(host, "myhostname \"new\"\r\nhostname \"old\"\r\n");
    std::string last = "a 1\r\nmp_fraglimit 5";
    SetCommandSetting(last, "mp_fraglimit ", "");
    EXPECT_EQ(last, "a 1\r\nmp_fraglimit ");
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
