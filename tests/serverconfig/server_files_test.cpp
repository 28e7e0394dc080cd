// The files a server reads: their settings as the game finds them, the map cycle, and the
// options window's settings loaded from and saved into all of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "serverconfig/config_lines.h"
#include "serverconfig/map_cycle.h"
#include "serverconfig/server_options.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
using namespace std::string_literals;

using Reader = std::optional<std::string> (*)(std::string_view, std::string_view);
using Editor = void (*)(std::string&, std::string_view, std::string_view);

// game.cfg files as the game's own packages write them: console commands of the bare name.
const std::string kBareRules =
    "// If set, when anybody's score reaches mp_fraglimit the map changes.\n"
    "mp_fraglimit \"0\"\n\nmp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n"
    "mp_friendlyfire\nmp_friendlyfire \"1\"\nmp_footsteps // none\nmp_footsteps 1";
const std::string kCommands = "// mp_timelimit 20\nsv_aim 0\r\n\tmp_timelimit 45 // min\r\nx";

// Names match exactly (case, whole name). A command counts where the game runs it: at the start
// of a line, after blanks or TABs at most; never in a comment or at the end of a longer name.
TEST(ConfigLines, ReadEachSettingWhereTheGameFindsIt) {
    const struct {
        Reader read;
        std::string text;
        std::string_view name;
        std::optional<std::string> value;
    } cases[] = {
        {FindQuotedSetting,
         "\"mp_timelimit2\" \"5\"\r\n\"MP_TIMELIMIT\" \"6\"\r\n\"mp_timelimit\"  \"20\"",
         "mp_timelimit", "20"},
        {FindQuotedSetting, "\"sv_aim\" \" 1 \"", "sv_aim", " 1 "},
        {FindQuotedSetting, "\"sv_aim\" 1", "sv_aim", ""},
        {FindQuotedSetting, kBareRules, "mp_fraglimit", "0"},
        {FindQuotedSetting, kBareRules, "mp_timelimit", "20"},
        {FindQuotedSetting, kBareRules, "mp_friendlyfire", "1"},
        {FindQuotedSetting, kBareRules, "mp_footsteps", "1"},
        {FindQuotedSetting, kBareRules, "mp_flashlight", std::nullopt},
        {FindQuotedSetting, kBareRules + "\n\"mp_fraglimit\" \"5\"", "mp_fraglimit", "5"},
        {GetCommandSetting, kCommands, "mp_timelimit ", "45 // min"},
        {GetCommandSetting, kCommands, "sv_aim ", "0"},
        {GetCommandSetting, kCommands + "\nmp_fraglimit ", "mp_fraglimit ", ""},
        {GetCommandSetting, kCommands, "aim ", std::nullopt},
    };
    for (const auto& item : cases)
        EXPECT_EQ(item.read(item.text, item.name), item.value) << item.text << " / " << item.name;
}

// An edit changes the value's characters only, and keeps the form the file gives the setting; what
// it cannot find it appends as a line of its own, except an empty value.
TEST(ConfigLines, EditEachSettingInPlaceOrAppendIt) {
    const std::string gunGame =
        "gg_map_setup \"mp_timelimit 60; mp_winlimit 0; sv_alltalk 0; mp_c4timer 25\"\n"
        "// 20 minute timelimit\nmp_friendlyfire 1\n";
    const struct {
        Editor edit;
        std::string text;
        std::string_view name, value;
        std::string edited;
    } cases[] = {
        {SetQuotedSetting, "// keep\r\n\"mp_timelimit\"   \"20\" // here\r\n", "mp_timelimit", "",
         "// keep\r\n\"mp_timelimit\"   \"\" // here\r\n"},
        {SetQuotedSetting, "\"sv_aim\" \"1", "sv_aim", "0", "\"sv_aim\" \"1"},
        {SetQuotedSetting, "// reaches mp_fraglimit the map\nmp_fraglimit \"0\"\n", "mp_fraglimit",
         "10", "// reaches mp_fraglimit the map\nmp_fraglimit \"10\"\n"},
        {SetQuotedSetting, "mp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n", "mp_timelimit",
         "30 min", "mp_timelimit2 \"9\"\n  mp_timelimit\t\"30 min\" // minutes\n"},
        {SetQuotedSetting, "mp_footsteps // none\nmp_footsteps 1", "mp_footsteps", "",
         "mp_footsteps // none\nmp_footsteps \"\""},
        {SetQuotedSetting, "mp_timelimit 20\n", "mp_timelimit", "25", "mp_timelimit 25\n"},
        {SetCommandSetting, "myhostname x\r\n \t hostname \"old\"\r\n", "hostname ", "\"new\"",
         "myhostname x\r\n \t hostname \"new\"\r\n"},
        {SetCommandSetting, "a 1\r\nmp_fraglimit 5", "mp_fraglimit ", "", "a 1\r\nmp_fraglimit "},
        {SetCommandSetting, gunGame, "mp_timelimit ", "30", gunGame + "\r\nmp_timelimit 30\r\n"},
        // A file with CR line ends keeps the lines after the edited one.
        {SetCommandSetting, "mp_timelimit 20\rmp_fraglimit 5\r", "mp_timelimit ", "30",
         "mp_timelimit 30\rmp_fraglimit 5\r"},
        {SetCommandSetting, "mp_timelimit\t20\r\n", "mp_timelimit ", "30",
         "mp_timelimit\t20\r\n\r\nmp_timelimit 30\r\n"},
        {SetCommandSetting, "hostname \"a\"\r\n", "sv_password ", "\"\"", "hostname \"a\"\r\n"},
    };
    for (const auto& item : cases) {
        std::string text = item.text;
        item.edit(text, item.name, item.value);
        EXPECT_EQ(text, item.edited) << item.name << " = " << item.value;
    }
}

// The log line is "log on" at the very start of the text or after a CR LF. Removing takes away one
// line, after a break first, as eight characters whatever they are.
TEST(ConfigLines, FindAndRemoveTheLogLine) {
    const struct {
        std::string text;
        bool found;
        std::string removed;
    } cases[] = {
        {"a\r\nlog one\r\n", true, "ae\r\n"},
        {"log of", false, "log of"},
        {"log on\r\nb\r\nlog on", true, "log on\r\nb"},
        {"log onward\r\nb", true, "rd\r\nb"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(HasLogLine(item.text), item.found) << item.text;
        std::string text = item.text;
        RemoveLogLine(text);
        EXPECT_EQ(text, item.removed);
    }
}

// Lines end with CR LF, LF or CR; comments are kept apart, blank lines and lines made only of NUL
// bytes (as some stock files end) dropped, other lines taken whole. Saved, everything ends with
// CR LF and one more after the maps, and reads back as the same cycle.
TEST(MapCycle, ParsesLinesWholeAndSavesThemWithCrLf) {
    const struct {
        std::string text;
        std::vector<std::string> maps;
        std::string comments, saved;
    } cases[] = {
        {" //x\r\nd d \r\nz", {" //x", "d d ", "z"}, "", " //x\r\nd d \r\nz\r\n\r\n"},
        {"//end", {}, "//end\r\n", "//end\r\n\r\n"},
        {"a\n\0\0\0\r\nb\0c\n\0 \n"s, {"a", "b\0c"s, "\0 "s}, "", "a\r\nb\0c\r\n\0 \r\n\r\n"s},
        {"//s\na\n\nb\n", {"a", "b"}, "//s\r\n", "//s\r\na\r\nb\r\n\r\n"},
        {"a\rb\r\r\n\rc", {"a", "b", "c"}, "", "a\r\nb\r\nc\r\n\r\n"},
        {"\r\n\r\n", {}, "", "\r\n"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.text);
        const MapCycle cycle = ParseMapCycle(item.text);
        EXPECT_EQ(cycle.maps, item.maps);
        EXPECT_EQ(cycle.comments, item.comments);
        EXPECT_EQ(FormatMapCycle(cycle), item.saved);
        EXPECT_EQ(FormatMapCycle(ParseMapCycle(item.saved)), item.saved);
    }
}

class ServerOptionsTest : public ::testing::Test {
  protected:
    TempFolder temp;
    GameFolder game{temp.path()};
    ServerOptions load() { return LoadServerOptions(game.str(), "cstrike"); }
    std::string file(const std::string& name) { return ReadFile(game / ("cstrike/" + name)); }
};

// "1" alone is on; a game rule is read from game.cfg, else server.cfg, else listenserver.cfg. A
// host name begins a line of listenserver.cfg, not even after blanks; the log line one of
// autoexec.cfg; the client settings are the first of their name in config.cfg, comments or not, and
// transfers are allowed unless the file says otherwise.
TEST_F(ServerOptionsTest, LoadsEachSettingByItsOwnRule) {
    const struct {
        std::map<std::string, std::string> files;
        ServerOptions loaded;
    } folders[] = {
        // Time and frag limits, host name; friendly fire, footsteps, weapons stay, force respawn,
        // flashlight; log, upload, download, LAN.
        {{{"game.cfg",
           "mp_fraglimit \"30\"\r\n\"mp_friendlyfire\"\t\t\"1\"\r\n"
           "\"mp_footsteps\"\t\t\" 1\"\r\n\"mp_weaponstay\"\t\t\"2\"\r\n"
           "\"mp_forcerespawn\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1.0\"\r\n"},
          {"listenserver.cfg",
           "hostname \"First line\"\nhostname \"Mine\"\nmp_fraglimit 9\nmp_timelimit 6\n"},
          {"server.cfg", "hostname \"Dedicated\"\nmp_fraglimit 8\nmp_timelimit 7\n"},
          {"autoexec.cfg", "exec x.cfg\r\n log on\r\n"},
          {"config.cfg",
           "// cl_allowupload \"0\" was the old default\r\ncl_allowupload \"1\"\r\n"
           "cl_allowdownload \"0\"\r\nsv_lan \"1\"\r\n"}},
         {"7", "30", "First line", true, false, false, true, false, false, false, false, true}},
        {{{"listenserver.cfg",
           "// hostname \"Not this\"\n hostname \"Nor this\"\nmyhostname \"Other\"\n"
           "hostname \"Unix\"\nmp_flashlight 1\n"},
          {"autoexec.cfg", "log on\r\n"}},
         {"", "", "Unix", false, false, false, false, true, true, true, true, false}},
    };
    for (const auto& folder : folders) {
        fs::remove_all(game / "cstrike");
        game.addFolder("cstrike");
        for (const auto& [name, bytes] : folder.files) game.addFile("cstrike/" + name, bytes);
        EXPECT_EQ(load(), folder.loaded) << ::testing::PrintToString(folder.files);
    }
}

// New files in their exact format; loaded and saved again with the host name emptied, which
// keeps its line, they stay as they are. Without the mod's folder, the first file fails.
TEST_F(ServerOptionsTest, SavesIntoNewFilesInTheirExactFormatAndAgainUnchanged) {
    game.addFolder("cstrike");
    // A time limit, no frag limit, a host name; friendly fire and uploads on.
    const ServerOptions options{"20",  "",    "LAN party", true, false, false,
                                false, false, false,       true, false, false};
    ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", options), std::nullopt);
    const std::string commands =
        "\r\nmp_timelimit 20\r\n\r\nhostname \"LAN party\"\r\n\r\nmp_friendlyfire 1\r\n"
        "\r\nmp_footsteps 0\r\n\r\nmp_weaponstay 0\r\n\r\nmp_forcerespawn 0\r\n"
        "\r\nmp_flashlight 0\r\n";
    const std::string files =
        "\r\n\"mp_timelimit\"\t\t\"20\"\r\n\r\n\"mp_friendlyfire\"\t\t\"1\"\r\n"
        "\r\n\"mp_footsteps\"\t\t\"0\"\r\n\r\n\"mp_weaponstay\"\t\t\"0\"\r\n"
        "\r\n\"mp_forcerespawn\"\t\t\"0\"\r\n\r\n\"mp_flashlight\"\t\t\"0\"\r\n" +
        commands + commands + "\r\n" +
        "\r\ncl_allowupload \"1\"\r\n\r\ncl_allowdownload \"0\"\r\n\r\nsv_lan \"0\"\r\n";
    const auto all = [this] {
        return file("game.cfg") + file("server.cfg") + file("listenserver.cfg") +
               file("autoexec.cfg") + file("config.cfg");
    };
    EXPECT_EQ(all(), files);
    ServerOptions loaded = load();
    EXPECT_EQ(loaded, options);
    loaded.hostName.clear();
    ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", loaded), std::nullopt);
    EXPECT_EQ(all(), files);
    EXPECT_EQ(SaveServerOptions(game.str(), "missing", options), "game.cfg");
}

}  // namespace
}  // namespace quorvant
