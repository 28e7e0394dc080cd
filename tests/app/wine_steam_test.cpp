// Where Wine and Steam keep the game: Wine prefixes and their registry files, Steam's folders
// and libraries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/installation_discovery.h"
#include "app/key_values.h"
#include "app/steam_library.h"
#include "app/wine_prefix.h"
#include "app/wine_registry.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using ::testing::ElementsAre;

TEST(WinePrefixHolding, IsTheFolderAboveTheLastDriveC) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/u/.wine/drive_c/Sierra/Half-Life", "/home/u/.wine"},
        {"/games/pfx/drive_c", "/games/pfx"},
        {"/a/drive_c/b/drive_c/Half-Life", "/a/drive_c/b"},
        {"/a/drive_cx/Half-Life", ""},
        {"/a/Drive_C/Half-Life", ""},
        {"/opt/Half-Life", ""}};
    for (const auto& [path, prefix] : rows) EXPECT_EQ(WinePrefixHolding(path), prefix) << path;
}

// A registry file as Wine writes it, with its escapes.
constexpr char kSystemReg[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n\n"
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Other.exe] 1700000000\n"
    "\"Path\"=\"C:\\\\Wrong\"\n\n"
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\hl.exe] 1700000000\n"
    "#time=1da0b0c0d0e0f00\n"
    "@=\"C:\\\\Sierra\\\\Half-Life\\\\hl.exe\"\n"
    "\"Count\"=dword:00000003\n"
    "\"path\"=str(2):\"C:\\\\sierra\\\\HALF-LIFE\"\n"
    "\"Quoted\"=\"say \\\"hi\\\"\\a\\b\\e\\f\\n\\r\\t\\v\\033\"\n"
    "\"Caf\\xe9\"=\"\\x65e5\\x672c \\x00e9t\\xe9\"\n";

TEST(FindRegistryString, ReadsStringValuesOfTheKeyInAnyCase) {
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\HL.EXE";
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Path"), "C:\\sierra\\HALF-LIFE");
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Quoted"), "say \"hi\"\a\b\x1b\f\n\r\t\v\x1b");
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Caf\xC3\xA9"),
              "\xE6\x97\xA5\xE6\x9C\xAC \xC3\xA9t\xC3\xA9");
    for (const char* missing : {"Count", "Missing"})  // a number is no string
        EXPECT_EQ(FindRegistryString(kSystemReg, key, missing), std::nullopt) << missing;
    EXPECT_EQ(FindRegistryString(kSystemReg, "Software\\Microsoft", "Path"), std::nullopt);
    EXPECT_EQ(FindRegistryString("[Software] 1\n\"Path\"=\"C:\\\\unfinished", "Software", "Path"),
              std::nullopt);
}

TEST(SteamFiles, ListTheMountedLibrariesAndTheInstallFolder) {
    // Two libraries besides Steam's own, one on a drive that is not mounted.
    EXPECT_THAT(
        LibraryPaths("\"libraryfolders\"\n{\n\t\"contentstatsid\"\t\t\"-123\"\n"
                     "\t\"0\" { \"path\" \"/home/u/.local/share/Steam\"\n"
                     "\t\t\"apps\" { \"70\" \"123\" } }\n"
                     "\t\"1\" { \"path\" \"D:\\\\Games\\\\Steam \\\"Library\\\"\"  // note\n"
                     "\t\t\"label\" \"\" }\n"
                     "\t\"2\" { \"path\" \"/media/usb/Steam\" \"mounted\" \"0\" }\n}\n"),
        ElementsAre("/home/u/.local/share/Steam", "D:\\Games\\Steam \"Library\""));
    EXPECT_THAT(LibraryPaths("\"LibraryFolders\" { \"TimeNextStatsReport\" \"1\" "
                             "\"1\" \"E:\\\\SteamLibrary\" }"),
                ElementsAre("E:\\SteamLibrary"));  // the older form
    EXPECT_EQ(InstallDirectory("\"AppState\"\n{\n\t\"appid\"\t\t\"70\"\n"
                               "\t\"installdir\"\t\t\"Half-Life Steam\"\n}\n"),
              "Half-Life Steam");
    for (const char* broken : {"\"libraryfolders\" {", "\"libraryfolders\" { \"0\" }", "}",
                               "\"AppState\" { \"installdir\" { } }"}) {
        EXPECT_TRUE(LibraryPaths(broken).empty()) << broken;
        EXPECT_EQ(InstallDirectory(broken), "") << broken;
    }
    EXPECT_FALSE(ParseKeyValues(std::string(100, '{')));
    EXPECT_FALSE(ParseKeyValues("\"a\" " + std::string(40, '{') + std::string(40, '}')));
}

#ifndef _WIN32  // Wine prefixes and Steam's Linux folders exist only outside Windows

// A Wine prefix whose drive C: is its drive_c, and its drive D: `d`.
fs::path MakePrefix(const fs::path& prefix, const fs::path& d = {}) {
    fs::create_directories(prefix / "drive_c");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    if (!d.empty()) fs::create_directory_symlink(d, prefix / "dosdevices/d:");
    return prefix;
}

// The installer's path, mapped through the drive in any case; a 32-bit installer's under
// Wow6432Node.
TEST(WineRegisteredGameFolder, MapsTheInstallersPathIntoThePrefix) {
    TempFolder temp;
    const std::string prefix = MakePrefix(temp.path()).string();
    fs::create_directories(temp.path() / "drive_c/Sierra/Half-Life");
    EXPECT_EQ(WineRegisteredGameFolder(prefix), "");  // no registry file
    WriteFile(temp / "system.reg", kSystemReg);
    EXPECT_EQ(WineRegisteredGameFolder(prefix), temp / "drive_c/Sierra/Half-Life");
    WriteFile(temp / "system.reg",
              "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App "
              "Paths\\\\hl.Exe]\r\n\"Path\"=\"c:\\\\sierra\"\r\n");
    EXPECT_EQ(WineRegisteredGameFolder(prefix), temp / "drive_c/Sierra");
    EXPECT_EQ(FolderInPrefix(prefix, "D:\\Games"), "");  // no such drive
    EXPECT_EQ(FolderInPrefix(prefix, "\\\\server\\share"), "");
}

std::string Library(const fs::path& folder, const char* game = "Half-Life") {
    return GameFolder(folder / "steamapps/common" / game).addExecutable().str();
}

// Steam's own folders once each, then the Steam of each Wine prefix; from each, its libraries in
// its file's order, mounted ones only, the game's folder in any case.
TEST(LinuxSteamFolders, ProbeEachSteamOnceAndEachMountedLibraryInOrder) {
    TempFolder temp;
    const fs::path home = temp.path() / "home", steam = home / ".local/share/Steam";
    const fs::path other = temp.path() / "games/SteamLibrary", usb = temp.path() / "usb/Steam";
    GameFolder(steam)
        .addFile("steamapps/libraryfolders.vdf",
                 "\"libraryfolders\" { \"0\" { \"path\" \"" + steam.string() +
                     "\" } \"1\" { \"path\" \"" + usb.string() +
                     "\" \"mounted\" \"0\" } \"2\" { \"path\" \"" + other.string() + "\" } }")
        .addFile("steamapps/appmanifest_70.acf", "\"AppState\" { \"installdir\" \"HL Own\" }");
    Library(steam, "hl own");
    Library(usb);
    const std::string inOther = Library(other);
    const std::string inFlatpak =
        Library(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam");
    const std::string inPrefix = Library(temp.path() / "d-drive/games/steamlibrary");
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(steam, home / ".steam/steam");
    const fs::path prefix = MakePrefix(temp.path() / "prefix", temp.path() / "d-drive");
    GameFolder(prefix / "drive_c/Program Files (x86)/Steam")
        .addFile("config/libraryfolders.vdf",
                 "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\Games\\\\SteamLibrary\" } }");
    WriteFile(prefix / "user.reg",
              "[Software\\\\Valve\\\\Steam] 1\n"
              "\"SteamPath\"=\"c:\\\\program files (x86)\\\\steam\"\n");

    const std::vector<SteamFolder> folders = LinuxSteamFolders(home.string(), prefix.string());
    ASSERT_EQ(folders.size(), 3u);  // the prefix's registered and usual folder are one
    EXPECT_EQ(folders[0].path, (home / ".steam/steam").string());
    EXPECT_EQ(folders[2].winePrefix, prefix.string());
    const std::string own = (home / ".steam/steam/steamapps/common/hl own").string();
    EXPECT_THAT(SteamGameFolders(folders), ElementsAre(own, inOther, inFlatpak, inPrefix));
    EXPECT_EQ(FirstFolderHoldingGame(SteamGameFolders(folders)), own);
}

#endif

}  // namespace
}  // namespace quorvant
