#include "app/steam_library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/installation_discovery.h"
#include "app/key_values.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Two libraries besides Steam's own, one on a drive that is not mounted.
constexpr char kLibraryFolders[] =
    "\"libraryfolders\"\n{\n"
    "\t\"contentstatsid\"\t\t\"-123\"\n"
    "\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/u/.local/share/Steam\"\n"
    "\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"123\"\n\t\t}\n\t}\n"
    "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"D:\\\\Games\\\\Steam \\\"Library\\\"\"  // a comment\n"
    "\t\t\"label\"\t\t\"\"\n\t}\n"
    "\t\"2\"\n\t{\n\t\t\"path\"\t\t\"/media/usb/Steam\"\n\t\t\"mounted\"\t\t\"0\"\n\t}\n"
    "}\n";

TEST(SteamFiles, ReadTheLibrariesAndTheInstallFolder) {
    EXPECT_THAT(LibraryPaths(kLibraryFolders),
                ElementsAre("/home/u/.local/share/Steam", "D:\\Games\\Steam \"Library\""));
    EXPECT_THAT(LibraryPaths("\"LibraryFolders\" { \"TimeNextStatsReport\" \"1\" "
                             "\"1\" \"E:\\\\SteamLibrary\" }"),
                ElementsAre("E:\\SteamLibrary"));  // the older form
    EXPECT_EQ(
        InstallDirectory("\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n\t\"name\"\t\t\"Half-Life\"\n"
                         "\t\"installdir\"\t\t\"Half-Life Steam\"\n}\n"),
        "Half-Life Steam");
    for (const char* broken : {"\"libraryfolders\" {", "\"libraryfolders\" { \"0\" }", "}",
                               "\"AppState\" { \"installdir\" { } }"}) {
        EXPECT_THAT(LibraryPaths(broken), IsEmpty()) << broken;
        EXPECT_EQ(InstallDirectory(broken), "") << broken;
    }
    EXPECT_FALSE(ParseKeyValues(std::string(100, '{')));
    EXPECT_FALSE(ParseKeyValues("\"a\" " + std::string(40, '{') + std::string(40, '}')));
}

#ifndef _WIN32  // Steam's Linux folders and Wine prefixes exist only outside Windows

class SteamTreeTest : public ::testing::Test {
  protected:
    TempFolder temp;
    fs::path home = temp.path() / "home";

    std::string library(const fs::path& folder, const char* game = "Half-Life") {
        GameFolder(folder / "steamapps/common" / game).addExecutable();
        return (folder / "steamapps/common" / game).string();
    }
};

TEST_F(SteamTreeTest, ProbesEachSteamFolderOnceAndEachLibraryInOrder) {
    const fs::path steam = home / ".local/share/Steam";
    const fs::path other = temp.path() / "games/SteamLibrary";
    const fs::path unmounted = temp.path() / "usb/Steam";
    GameFolder(steam)
        .addFile("steamapps/libraryfolders.vdf",
                 "\"libraryfolders\" { \"0\" { \"path\" \"" + steam.string() +
                     "\" } \"1\" { \"path\" \"" + other.string() + "\" } \"2\" { \"path\" \"" +
                     unmounted.string() + "\" \"mounted\" \"0\" } }")
        .addFile("steamapps/appmanifest_70.acf", "\"AppState\" { \"installdir\" \"HL Own\" }");
    library(steam, "hl own");  // matched in any case
    const std::string own = (home / ".steam/steam/steamapps/common/hl own").string();
    const std::string inOther = library(other);
    library(unmounted);
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(steam, home / ".steam/steam");
    const fs::path flatpak = home / ".var/app/com.valvesoftware.Steam/.local/share/Steam";
    const std::string inFlatpak = library(flatpak);

    const std::vector<SteamFolder> folders = LinuxSteamFolders(home.string(), "");
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0].path, (home / ".steam/steam").string());
    EXPECT_THAT(SteamGameFolders(folders), ElementsAre(own, inOther, inFlatpak));
    EXPECT_EQ(FirstFolderHoldingGame(SteamGameFolders(folders)), own);
}

TEST_F(SteamTreeTest, FindsSteamsWindowsBuildInsideAWinePrefix) {
    const fs::path prefix = temp.path() / "prefixes/games";
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(temp.path() / "d-drive");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    fs::create_directory_symlink(temp.path() / "d-drive", prefix / "dosdevices/d:");
    const fs::path steam = prefix / "drive_c/Program Files (x86)/Steam";
    GameFolder(steam).addFile(
        "config/libraryfolders.vdf",
        "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\Games\\\\SteamLibrary\" } }");
    const std::string game = library(temp.path() / "d-drive/games/steamlibrary");
    GameFolder(prefix).addFile("user.reg",
                               "[Software\\\\Valve\\\\Steam] 1\n"
                               "\"SteamPath\"=\"c:\\\\program files (x86)\\\\steam\"\n");

    const std::vector<SteamFolder> folders = LinuxSteamFolders(home.string(), prefix.string());
    ASSERT_EQ(folders.size(), 1u);  // the registered folder and the usual one are the same
    EXPECT_EQ(folders[0].winePrefix, prefix.string());
    EXPECT_THAT(SteamGameFolders(folders), ElementsAre(game));
}

#endif

}  // namespace
}  // namespace quorvant
