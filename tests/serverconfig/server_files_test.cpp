// The files a server reads: their settings as the game finds them, the map cycle, and the
// options window's settings loaded from and saved into all of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/file_io.h"
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

using Editor = void (*)(std::string&, std::string_view, std::string_view);

// game.cfg files as the game's own packages write them: console commands of the bare name.
const std::string kBareRules =
    "// If set, when anybody's score reaches mp_fraglimit the map changes.\n"
    "mp_fraglimit \"0\"\n\nmp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n"
    "mp_friendlyfire\nmp_friendlyfire \"1\"\nmp_footsteps // none\nmp_footsteps 1";
const std::string kCommands = "// mp_timelimit 20\nsv_aim 0\r\n\tmp_timelimit 45 // min\r\nx";

// A setting is where the console runs it: the first command of its name (any case, quoted or
// bare) with an argument; never in a comment, inside another command's value or at the end of a
// longer name. A value ends at its closing quote or its line.
TEST(ConfigLines, ReadEachSettingWhereTheGameFindsIt) {
    const struct {
        std::string text;
        std::string_view name;
        std::optional<std::string> value;
    } cases[] = {
        {"\"mp_timelimit2\" \"5\"\r\n\"MP_TIMELIMIT\" \"6\"\r\n\"mp_timelimit\"  \"20\"",
         "mp_timelimit", "6"},
        {"\"sv_aim\" \" 1 \"", "sv_aim", " 1 "},
        {kBareRules, "mp_fraglimit", "0"},
        {kBareRules, "mp_timelimit", "20"},
        {kBareRules, "mp_friendlyfire", "1"},
        {kBareRules, "mp_footsteps", "1"},
        {kBareRules, "mp_flashlight", std::nullopt},
        {kBareRules + "\n\"mp_fraglimit\" \"5\"", "mp_fraglimit", "0"},
        {kCommands, "mp_timelimit ", "45"},
        {kCommands, "sv_aim", "0"},
        {kCommands + "\nmp_fraglimit ", "mp_fraglimit", std::nullopt},
        {kCommands, "aim", std::nullopt},
        {"hostname My Server\r\nrcon_password \"s3cret\"\r\n", "hostname", "My Server"},
        {"\"mp_timelimit\" 20\r\n\"mp_fraglimit\" \"30\"\r\n", "mp_timelimit", "20"},
        {"\"mp_timelimit\" \"20\r\nmp_fraglimit 5\r\n", "mp_timelimit", "20"},
        {"\"mp_timelimit\" \"\"", "mp_timelimit", ""},
        {"echo \"mp_timelimit 9\"; mp_timelimit 8;exec x", "mp_timelimit", "8"},
        {"gg_map_setup \"mp_timelimit 60; mp_winlimit 0\"\n", "mp_timelimit", std::nullopt},
        {"sv_downloadurl http://fast.example/cs//\r\n", "sv_downloadurl",
         "http://fast.example/cs//"},
    };
    for (const auto& item : cases)
        EXPECT_EQ(FindSetting(item.text, item.name), item.value) << item.text << " / " << item.name;
}

// An edit changes the value's bytes only, keeps its quotes and quotes a bare value that needs them;
// what it cannot find it appends as a line of its own, except an empty value. A value that cannot
// be one argument changes nothing.
TEST(ConfigLines, EditEachSettingInPlaceOrAppendIt) {
    const std::string gunGame =
        "gg_map_setup \"mp_timelimit 60; mp_winlimit 0; sv_alltalk 0; mp_c4timer 25\"\n"
        "// 20 minute timelimit\nmp_friendlyfire 1\n";
    const Editor quotedCommand = [](std::string& text, std::string_view name,
                                    std::string_view value) {
        SetSetting(text, name, value, SettingForm::QuotedCommand);
    };
    const struct {
        Editor edit;
        std::string text;
        std::string_view name, value;
        std::string edited;
    } cases[] = {
        {SetQuotedSetting, "// keep\r\n\"mp_timelimit\"   \"20\" // here\r\n", "mp_timelimit", "",
         "// keep\r\n\"mp_timelimit\"   \"\" // here\r\n"},
        {SetQuotedSetting, "\"sv_aim\" \"1", "sv_aim", "0", "\"sv_aim\" \"0"},
        {SetQuotedSetting, "\"mp_timelimit\" \"20\r\nmp_fraglimit 5\r\n", "mp_timelimit", "30",
         "\"mp_timelimit\" \"30\r\nmp_fraglimit 5\r\n"},
        {SetQuotedSetting, "// reaches mp_fraglimit the map\nmp_fraglimit \"0\"\n", "mp_fraglimit",
         "10", "// reaches mp_fraglimit the map\nmp_fraglimit \"10\"\n"},
        {SetQuotedSetting, "mp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n", "mp_timelimit",
         "30 min", "mp_timelimit2 \"9\"\n  mp_timelimit\t\"30 min\" // minutes\n"},
        {SetQuotedSetting, "mp_footsteps // none\nmp_footsteps 1", "mp_footsteps", "",
         "mp_footsteps // none\nmp_footsteps \"\""},
        {SetQuotedSetting, "\"mp_timelimit\" 20\r\n\"mp_fraglimit\" \"30\"\r\n", "mp_timelimit",
         "25", "\"mp_timelimit\" 25\r\n\"mp_fraglimit\" \"30\"\r\n"},
        {SetQuotedSetting, "a\r\n", "mp_timelimit", "20",
         "a\r\n\r\n\"mp_timelimit\"\t\t\"20\"\r\n"},
        // A bare value is quoted where a comment or a quote follows it without a blank.
        {SetQuotedSetting, "sv_password old \"words\"//note\n", "sv_password", "new",
         "sv_password \"new\"//note\n"},
        {SetQuotedSetting, "\"a\" \"1\"", "a", "x\"y", "\"a\" \"1\""},
        {SetQuotedSetting, "\"a\" \"1\"", "a", "x\ny", "\"a\" \"1\""},
        {SetCommandSetting, "myhostname x\r\n \t hostname \"old\"\r\n", "hostname ", "\"new\"",
         "myhostname x\r\n \t hostname \"new\"\r\n"},
        {SetCommandSetting, "hostname My Server\r\nrcon_password \"s3cret\"\r\n", "hostname ",
         "\"Mine\"", "hostname \"Mine\"\r\nrcon_password \"s3cret\"\r\n"},
        {SetCommandSetting, "a 1\r\nmp_fraglimit 5", "mp_fraglimit ", "", "a 1\r\nmp_fraglimit "},
        {SetCommandSetting, gunGame, "mp_timelimit ", "30", gunGame + "\r\nmp_timelimit 30\r\n"},
        // A file with CR line ends keeps the lines after the edited one.
        {SetCommandSetting, "mp_timelimit 20\rmp_fraglimit 5\r", "mp_timelimit ", "30",
         "mp_timelimit 30\rmp_fraglimit 5\r"},
        {SetCommandSetting, "mp_timelimit\t20\r\n", "mp_timelimit ", "30", "mp_timelimit\t30\r\n"},
        {SetCommandSetting, "hostname \"a\"\r\n", "sv_password ", "\"\"", "hostname \"a\"\r\n"},
        {SetKeyedValue, "// cl_allowupload \"0\"\r\ncl_allowupload 1\r\n", "cl_allowupload", "0",
         "// cl_allowupload \"0\"\r\ncl_allowupload 0\r\n"},
        {SetKeyedValue, "", "sv_lan", "1", "\r\nsv_lan \"1\"\r\n"},
        {quotedCommand, "sv_password secret;echo x\n", "sv_password", "",
         "sv_password \"\";echo x\n"},
        {quotedCommand, "sv_password \"secret\"\n", "sv_password", "two words",
         "sv_password \"two words\"\n"},
    };
    for (const auto& item : cases) {
        std::string text = item.text;
        item.edit(text, item.name, item.value);
        EXPECT_EQ(text, item.edited) << item.name << " = " << item.value;
    }
}

// The log is the command "log on", on any line, with any line end. Removing it takes its line
// with its line end when nothing else is on it, else the command alone; adding appends a line.
TEST(ConfigLines, FindRemoveAndAddTheLogCommand) {
    const struct {
        std::string text;
        bool found;
        std::string removed;
    } cases[] = {
        {"a\r\nlog one\r\n", false, "a\r\nlog one\r\n"},
        {"a\r\nlog onward 1", false, "a\r\nlog onward 1"},
        {"echo \"log on\"\r\n// log on\r\n", false, "echo \"log on\"\r\n// log on\r\n"},
        {"log on\r\nb\r\nlog on", true, "b\r\nlog on"},
        {"log on\nbind w +forward\n", true, "bind w +forward\n"},
        {"bind w +forward\n\t LOG On \n", true, "bind w +forward\n"},
        {"a\r\nlog on\r\nb", true, "a\r\nb"},
        {"exec x; log on // keep\r\ny", true, "exec x;  // keep\r\ny"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(HasLogLine(item.text), item.found) << item.text;
        std::string text = item.text;
        RemoveLogLine(text);
        EXPECT_EQ(text, item.removed);
        text = item.text;
        AddLogLine(text);
        EXPECT_EQ(text, item.found ? item.text : item.text + "\r\nlog on\r\n");
    }
}

// Lines end with CR LF, LF or CR; comments are kept apart, blank lines and lines made only of NUL
// bytes (as some stock files end) are no maps, other lines are taken whole. The maps of a cycle go
// back into the lines the file has for maps: everything else stays where it was, a map beyond them
// follows the last one with the file's line end, a map line beyond them goes.
TEST(MapCycle, ReadsEachLineWholeAndEditsTheCycleInPlace) {
    const struct {
        std::string text;
        std::vector<std::string> maps;
        std::string comments;
        std::vector<std::string> edit;
        std::string edited;
    } cases[] = {
        {" //x\r\nd d \r\nz", {" //x", "d d ", "z"}, "", {"z", " //x"}, "z\r\n //x\r\n"},
        {"//end", {}, "//end\r\n", {"a"}, "//end\r\na\r\n"},
        {"a\n\0\0\0\r\nb\0c\n\0 \n"s, {"a", "b\0c"s, "\0 "s}, "", {}, "\0\0\0\r\n"s},
        {"//s\na\n\n//m\nb\n\n",
         {"a", "b"},
         "//s\r\n//m\r\n",
         {"b", "a", "c"},
         "//s\nb\n\n//m\na\nc\n\n"},
        {"a\rb\r\r\n\rc", {"a", "b", "c"}, "", {"a", "b", "c", "d"}, "a\rb\r\r\n\rc\rd\r"},
        {"\r\n\r\n", {}, "", {"a"}, "\r\n\r\na\r\n"},
        {"", {}, "", {"de_caf\xe9"}, "de_caf\xe9\r\n"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.text);
        const MapCycle cycle = ParseMapCycle(item.text);
        EXPECT_EQ(cycle.maps, item.maps);
        EXPECT_EQ(cycle.comments, item.comments);
        EXPECT_EQ(WithMaps(item.text, cycle.maps), item.text);
        EXPECT_EQ(WithMaps(item.text, item.edit), item.edited);
        EXPECT_EQ(ParseMapCycle(item.edited).maps, item.edit);
    }
}

class ServerOptionsTest : public ::testing::Test {
  protected:
    TempFolder temp;
    GameFolder game{temp.path()};
    ServerOptions load() { return LoadServerOptions(game.str(), "cstrike"); }
    std::string file(const std::string& name) { return ReadFile(game / ("cstrike/" + name)); }
};

// "1" alone is on; a game rule is read from game.cfg, else server.cfg, else listenserver.cfg (an
// empty value is none). The host name and the password come from listenserver.cfg (the password
// else from server.cfg), the log from autoexec.cfg and the client settings from config.cfg, each
// where the game runs it; transfers are allowed unless the file says otherwise.
TEST_F(ServerOptionsTest, LoadsEachSettingByItsOwnRule) {
    const struct {
        std::map<std::string, std::string> files;
        ServerOptions loaded;
    } folders[] = {
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
         {.timeLimit = "7",
          .fragLimit = "30",
          .hostName = "First line",
          .friendlyFire = true,
          .forceRespawn = true,
          .log = true,
          .upload = true,
          .lan = true}},
        {{{"listenserver.cfg",
           "// hostname \"Not this\"\nmyhostname \"Other\"\n hostname \"Indented\"\n"
           "mp_flashlight 1\n"},
          {"autoexec.cfg", "bind w +forward\nlog on\n"}},
         {.hostName = "Indented",
          .flashlight = true,
          .log = true,
          .upload = true,
          .download = true}},
        {{{"game.cfg", "\"mp_timelimit\" \"\"\r\n\"mp_fraglimit\" 20\r\n\"mp_friendlyfire\" \"1"},
          {"server.cfg", "mp_timelimit 30\r\nsv_password x\r\n"},
          {"listenserver.cfg", "hostname My Server\r\nrcon_password \"s3cret\"\r\n"},
          {"autoexec.cfg", "a\r\nlog onward 1\r\n"}},
         {.timeLimit = "30",
          .fragLimit = "20",
          .hostName = "My Server",
          .friendlyFire = true,
          .upload = true,
          .download = true,
          .password = "x"}},
        {{{"listenserver.cfg", "sv_password \"two words\"\r\n"},
          {"server.cfg", "sv_password x\r\n"}},
         {.upload = true, .download = true, .password = "two words"}},
    };
    for (const auto& folder : folders) {
        fs::remove_all(game / "cstrike");
        game.addFolder("cstrike");
        for (const auto& [name, bytes] : folder.files) game.addFile("cstrike/" + name, bytes);
        EXPECT_EQ(load(), folder.loaded) << ::testing::PrintToString(folder.files);
    }
}

// A server folder's files as hosts keep them: bare names, LF line ends, comments, other commands.
const std::map<std::string, std::string> kHostFiles = {
    {"game.cfg", "// rules\nmp_friendlyfire \"0\"\nmp_timelimit 45\n"},
    {"server.cfg", "hostname \"Quorvant demo server\"\nmp_timelimit 45\nexec banned.cfg"},
    {"listenserver.cfg", "hostname Listen Server\nrcon_password \"s3cret\"\nlog on\n"},
    {"autoexec.cfg", "log on\r\nbind w +forward\r\nlog on\r\n"},
    {"config.cfg", "name \"Player\"\ncl_allowdownload 0\n"},
};

// SAVE writes what the user changed, into every file that holds its kind of setting, and nothing
// else: no other byte changes, and no file is made unless a changed setting must go into it.
TEST_F(ServerOptionsTest, SavesWhatTheUserChangedAndNothingElse) {
    using Files = std::map<std::string, std::string>;
    const struct {
        const char* change;
        void (*edit)(ServerOptions&);
        Files written;  // the files that differ afterwards, as they are then
    } cases[] = {
        {"nothing", [](ServerOptions&) {}, {}},
        {"the time limit",
         [](ServerOptions& o) { o.timeLimit = "25"; },
         {{"game.cfg", "// rules\nmp_friendlyfire \"0\"\nmp_timelimit 25\n"},
          {"server.cfg", "hostname \"Quorvant demo server\"\nmp_timelimit 25\nexec banned.cfg"},
          {"listenserver.cfg",
           "hostname Listen Server\nrcon_password \"s3cret\"\nlog on\n\r\nmp_timelimit 25\r\n"}}},
        {"the host name",
         [](ServerOptions& o) { o.hostName = "LAN party"; },
         {{"server.cfg", "hostname \"LAN party\"\nmp_timelimit 45\nexec banned.cfg"},
          {"listenserver.cfg", "hostname \"LAN party\"\nrcon_password \"s3cret\"\nlog on\n"}}},
        {"the password",
         [](ServerOptions& o) { o.password = "pw 1"; },
         {{"server.cfg",
           "hostname \"Quorvant demo server\"\nmp_timelimit 45\nexec banned.cfg\r\n"
           "sv_password \"pw 1\"\r\n"},
          {"listenserver.cfg",
           "hostname Listen Server\nrcon_password \"s3cret\"\nlog on\n\r\nsv_password \"pw "
           "1\"\r\n"}}},
        {"the log, off",
         [](ServerOptions& o) { o.log = false; },
         {{"autoexec.cfg", "bind w +forward\r\n"}}},
        {"friendly fire and downloads",
         [](ServerOptions& o) {
             o.friendlyFire = true;
             o.download = true;
         },
         {{"game.cfg", "// rules\nmp_friendlyfire \"1\"\nmp_timelimit 45\n"},
          {"server.cfg",
           "hostname \"Quorvant demo server\"\nmp_timelimit 45\nexec banned.cfg\r\n"
           "mp_friendlyfire 1\r\n"},
          {"listenserver.cfg",
           "hostname Listen Server\nrcon_password \"s3cret\"\nlog on\n\r\nmp_friendlyfire 1\r\n"},
          {"config.cfg", "name \"Player\"\ncl_allowdownload 1\n"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        fs::remove_all(game / "cstrike");
        game.addFolder("cstrike");
        for (const auto& [name, bytes] : kHostFiles) game.addFile("cstrike/" + name, bytes);
        const ServerOptions loaded = load();
        ASSERT_EQ(loaded.hostName, "Listen Server");
        ASSERT_TRUE(loaded.log && !loaded.download);
        ServerOptions changed = loaded;
        c.edit(changed);
        ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", changed, loaded), std::nullopt);
        Files expected = kHostFiles;
        for (const auto& [name, bytes] : c.written) expected[name] = bytes;
        for (const auto& [name, bytes] : expected) EXPECT_EQ(file(name), bytes) << name;
        EXPECT_EQ(std::distance(fs::directory_iterator(game / "cstrike"), fs::directory_iterator()),
                  5);
        EXPECT_EQ(load(), changed);
    }
}

// The log ticked on a mod without autoexec.cfg makes the file with its line, which reads back;
// an unchanged save makes no file. A file that must change but cannot be read stops the save
// before anything is written.
TEST_F(ServerOptionsTest, MakesAFileOnlyForAChangedSettingAndNeverReplacesAnUnreadableOne) {
    game.addFolder("cstrike");
    ServerOptions loaded = load();
    ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", loaded, loaded), std::nullopt);
    EXPECT_TRUE(fs::is_empty(game / "cstrike"));
    ServerOptions options = loaded;
    options.log = true;
    ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", options, loaded), std::nullopt);
    EXPECT_EQ(file("autoexec.cfg"), "\r\nlog on\r\n");
    EXPECT_TRUE(load().log);
    // A value the game cannot read back as one is never planned: the window says which.
    options.password = "say \"hi\"";
    EXPECT_EQ(UnwritableSetting(options, loaded), "sv_password");
    EXPECT_EQ(UnwritableSetting(loaded, loaded), std::nullopt);

    game.addFile("cstrike/config.cfg", std::string(kTextFileLimit + 1, '\n'));
    options = loaded = load();
    options.lan = true;
    EXPECT_EQ(SaveServerOptions(game.str(), "cstrike", options, loaded), "config.cfg");
    EXPECT_EQ(fs::file_size(game / "cstrike/config.cfg"), kTextFileLimit + 1);
    options.timeLimit = "30";
    EXPECT_EQ(SaveServerOptions(game.str(), "cstrike", options, loaded), "config.cfg");
    EXPECT_FALSE(fs::exists(game / "cstrike/game.cfg"));
}

// Every value counted as changed: new files in their exact format; loaded and saved again with the
// host name emptied, which keeps its line, they stay as they are. Without the mod's folder, the
// first file fails.
TEST_F(ServerOptionsTest, SavesIntoNewFilesInTheirExactFormatAndAgainUnchanged) {
    game.addFolder("cstrike");
    // A time limit, no frag limit, a host name; friendly fire and uploads on.
    const ServerOptions options{
        .timeLimit = "20", .hostName = "LAN party", .friendlyFire = true, .upload = true};
    ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", options), std::nullopt);
    const std::string commands =
        "\r\nmp_timelimit 20\r\n\r\nhostname \"LAN party\"\r\n\r\nmp_friendlyfire 1\r\n"
        "\r\nmp_footsteps 0\r\n\r\nmp_weaponstay 0\r\n\r\nmp_forcerespawn 0\r\n"
        "\r\nmp_flashlight 0\r\n";
    const std::string files =
        "\r\n\"mp_timelimit\"\t\t\"20\"\r\n\r\n\"mp_friendlyfire\"\t\t\"1\"\r\n"
        "\r\n\"mp_footsteps\"\t\t\"0\"\r\n\r\n\"mp_weaponstay\"\t\t\"0\"\r\n"
        "\r\n\"mp_forcerespawn\"\t\t\"0\"\r\n\r\n\"mp_flashlight\"\t\t\"0\"\r\n" +
        commands + commands +
        "\r\ncl_allowupload \"1\"\r\n\r\ncl_allowdownload \"0\"\r\n\r\nsv_lan \"0\"\r\n";
    const auto all = [this] {
        return file("game.cfg") + file("server.cfg") + file("listenserver.cfg") +
               file("config.cfg");
    };
    EXPECT_EQ(all(), files);
    EXPECT_FALSE(fs::exists(game / "cstrike/autoexec.cfg"));
    ServerOptions loaded = load();
    EXPECT_EQ(loaded, options);
    loaded.hostName.clear();
    ASSERT_EQ(SaveServerOptions(game.str(), "cstrike", loaded), std::nullopt);
    EXPECT_EQ(all(), files);
    EXPECT_EQ(SaveServerOptions(game.str(), "missing", options), "game.cfg");
}

}  // namespace
}  // namespace quorvant
