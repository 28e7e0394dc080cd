#include "serverconfig/server_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;

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
