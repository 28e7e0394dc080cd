// The game's folders as users have them: files listed, found in any case, read and written; the
// game folder and its mods found, from the places tried in turn, Wine prefixes and their registry
// files, Steam's folders and libraries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/installation_discovery.h"
#include "app/key_values.h"
#include "app/mod_discovery.h"
#include "app/steam_library.h"
#include "app/wine_prefix.h"
#include "app/wine_registry.h"
#include "catalogue/descriptor.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using ::testing::ElementsAre;

// Stars and question marks match in any case. Lists hold ordinary visible entries, sorted as
// LessIgnoringCase does: letters by their small form, other bytes as they are, a beginning before
// the longer name, and names alike but for case in one fixed order. Names are found in any case.
TEST(FileLists, MatchWildcardsListOrdinaryEntriesSortedWithoutCaseAndFindNamesInAnyCase) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"*.GAM", ".gam", true},
        {"*.gam", "liblist.gam.bak", false},
        {"*.gam", "a_gam", false},
        {"de_*_?.bsp", "de_dust_2.bsp", true},
        {"*", "", true},
        {"de_*_?.bsp", "de_dust_22.bsp", false},
        {"*a*b*c", "xaxbxbxc", true},
        {"?", "", false}};
    for (const auto& [pattern, name, matches] : rows)
        EXPECT_EQ(WildcardMatch(pattern, name), matches) << pattern << " " << name;

    TempFolder temp;
    GameFolder game(temp.path());
    game.addFolder("valve/maps").addFolder("Cstrike").addFile("HL.EXE").addFolder("dlls/hl.dll");
    game.addFile("save/b.sav").addFile("save/A.SAV").addFile("save/.hidden.sav");
    game.addFile("save/notes.txt").addFolder("save/folder.sav");
    EXPECT_THAT(ListSubfolders(game.str()),
                ElementsAre(game / "Cstrike", game / "dlls", game / "save", game / "valve"));
    EXPECT_THAT(ListFiles(game / "save", "*.sav"), ElementsAre("A.SAV", "b.sav"));
    EXPECT_TRUE(ListFiles(game / "nowhere", "*").empty() &&
                ListSubfolders(game / "HL.EXE").empty());
    EXPECT_TRUE(FileSearchMatches(game / "hl.exe") && FileSearchMatches(game / "*.exe"));

    game.addFile("upper/LIBLIST.GAM").addFile("both/liblist.gam").addFile("both/LibList.gam");
    std::error_code error;  // Windows may give any spelling of the one file
    EXPECT_TRUE(fs::equivalent(ResolveIgnoringCase(game / "upper", "liblist.gam"),
                               game / "upper/LIBLIST.GAM", error));
    EXPECT_EQ(ResolveIgnoringCase(game / "both", "liblist.gam"), game / "both/liblist.gam");
    EXPECT_EQ(ResolveIgnoringCase(game / "none", "liblist.gam"), game / "none/liblist.gam");

    std::istringstream words(
        "(None) 0 _under ab ABC alpha Beta m map_000 map_0001 map_0001.bsp map_00010.bsp "
        "Map_0002.bsp MAP_0003.bsp zzzzzzzz zzzzzzzzz1 ZZZZZZZZZ9");
    std::vector<std::string> ordered{std::istream_iterator<std::string>(words), {}};
#ifndef _WIN32
    ordered.emplace_back("\xe9t\xe9");
#endif
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        game.addFile("maps/" + ordered[i]);
        for (std::size_t j = 0; j < ordered.size(); ++j)
            EXPECT_EQ(LessIgnoringCase(ordered[i], ordered[j]), i < j) << i << " " << j;
    }
    EXPECT_TRUE(LessIgnoringCase("Valve", "valve") && !LessIgnoringCase("valve", "Valve"));
    EXPECT_EQ(ListFiles(game / "maps", "*"), ordered);
}

// A text lacking a line end gets CR LF. Files are replaced whole or left as they were, and read
// byte for byte; folders, pipes and missing files give nothing.
TEST(Files, EndInALineEndAreReplacedWholeOrLeftAsTheyWereAndReadByteForByte) {
    const std::pair<const char*, const char*> rows[] = {
        {"a\r\nb", "a\r\nb\r\n"}, {"a\r\n", "a\r\n"}, {"a\n", "a\n"}, {"a\r", "a\r"}, {"", "\r\n"}};
    for (const auto& [text, ended] : rows) EXPECT_EQ(WithFinalLineEnd(text), ended);

    TempFolder temp;
    WriteFile(temp / "server.cfg", "old content that is longer");
    fs::create_hard_link(temp / "server.cfg", temp / "reader.cfg");
    ASSERT_TRUE(WriteFileAtomically(temp / "server.cfg", "new"));
    EXPECT_EQ(ReadFile(temp / "server.cfg"), "new");
    // A new file took the name: whoever has the old one open still reads it whole.
    EXPECT_EQ(ReadFile(temp / "reader.cfg"), "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(temp / "created.cfg", ""));
    EXPECT_EQ(ReadFile(temp / "created.cfg"), "");
    fs::create_directory(temp / "folder.cfg");
    EXPECT_FALSE(WriteFileAtomically(temp / "folder.cfg", "x"));
    EXPECT_FALSE(WriteFileAtomically(temp / "missing/mod/liblist.gam", "x"));
    EXPECT_TRUE(fs::is_directory(temp / "folder.cfg") && !fs::exists(temp / "missing"));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 4)
        << "a temporary file was left";

    const std::string bytes("a\0b\r\n\xff", 6);
    WriteFile(temp / "file.bin", bytes);
    EXPECT_EQ(ReadWholeFile(temp / "file.bin", 6), bytes);
    EXPECT_EQ(ReadFileForEdit(temp / "file.bin", 6), bytes);
    // Each kind of file has a size beyond which it is not read: a sparse one of 100 GB neither.
    EXPECT_EQ(ReadWholeFile(temp / "file.bin", 5), std::nullopt);
    EXPECT_EQ(ReadFileForEdit(temp / "file.bin", 5), std::nullopt);
    WriteSparseFile(temp / "huge.gam", std::uintmax_t(100) << 30);
    EXPECT_EQ(ReadWholeFile(temp / "huge.gam", kTextFileLimit), std::nullopt);
    fs::remove(temp / "huge.gam");
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 2, 3), "b\r\n");
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 4, 5), "\n\xff");  // what exists of the range
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 20, 5), "");
    EXPECT_EQ(ReadFileForEdit(temp / "missing", 6), "");  // a file yet to be made
    EXPECT_EQ(ReadFileForEdit(temp.str(), 6), std::nullopt);
    std::vector<std::string> unreadable = {temp / "missing", temp.str()};
#ifndef _WIN32  // links need privileges on Windows, whose permissions are not modes
    fs::permissions(temp / "server.cfg", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(temp / "server.cfg", temp / "link.cfg");
    ASSERT_TRUE(WriteFileAtomically(temp / "link.cfg", "through the link"));
    EXPECT_TRUE(fs::is_symlink(temp / "link.cfg"));
    EXPECT_EQ(ReadFile(temp / "server.cfg"), "through the link");
    EXPECT_EQ(fs::status(temp / "server.cfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    // A write that fails half-way (here past the size a process may write) leaves the old file
    // and no temporary one.
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(WriteFileAtomically(temp / "server.cfg", std::string(1 << 20, 'y')) ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(temp / "server.cfg"), "through the link");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 6)
        << "a temporary file was left";
    // A pipe in a descriptor's or a saved game's place must not hold the window up.
    ASSERT_EQ(mkfifo((temp / "pipe").c_str(), 0644), 0);
    unreadable.push_back(temp / "pipe");
#endif
    for (const std::string& path : unreadable) {
        EXPECT_EQ(ReadWholeFile(path, kTextFileLimit), std::nullopt) << path;
        EXPECT_EQ(ReadFilePart(path, 0, 5), std::nullopt) << path;
    }
    if (!CanTryPermissions()) return;
    fs::permissions(temp / "file.bin", fs::perms::others_write);
    fs::permissions(temp.path(), fs::perms::all);
    EXPECT_TRUE(AsOrdinaryUser([&] { return !ReadFileForEdit(temp / "file.bin", 6).has_value(); }));
}

// Where the game is said to be, the user's answers, and what discovery should find and say.
struct Script {
    std::string stored, registered, defaultFolder, steam;
    std::vector<std::string> answers;
    std::optional<std::string> found;
    std::string said;
};

// Answers discovery's questions from a script and writes down what it was asked and told (the
// start-up tests see the question's texts).
struct ScriptedDialogue : DiscoveryDialogue, Script {
    explicit ScriptedDialogue(const Script& script) : Script(script) {}
    std::string events;
    std::size_t asked = 0;

    std::string RegisteredGameFolder() override { return registered; }
    std::string SteamGameFolder() override {
        events += "steam ";
        return steam;
    }
    void ShowMessage(std::string_view text) override { events += std::string(text) + " "; }
    void ForgetStoredGameFolder() override { events += "forget "; }
    std::string AskForFolder(std::string_view, std::string_view,
                             std::string_view offered) override {
        events += offered == defaultFolder ? "ask " : "ask(" + std::string(offered) + ") ";
        return asked < answers.size() ? answers[asked++] : std::string();
    }
};

// The stored folder, the installer's registration, the default folder, Steam, then the user,
// until a folder holds the game (an ordinary hl.exe in any case); each wrong folder is
// reproached and forgotten. The game's mods are its folders with a "*.gam" file, those whose
// descriptor names a start map also for single player.
TEST(Discovery, TriesEachPlaceInTurnUntilAFolderHoldsTheGameAndListsItsMods) {
    TempFolder temp;
    const std::string game = GameFolder(temp.path() / "Half-Life")
                                 .addExecutable()
                                 .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n")
                                 .addMod("cstrike", "game \"Counter-Strike\"\r\n")
                                 .addMod("commented", "// no startmap here\r\n")
                                 .addMod("my mod", "game \"Mine\"\r\n")
                                 .addFile("oddmod/other.gam", "startmap \"x\"")
                                 .addFile("shouting/LIBLIST.GAM", "startmap \"x\"")
                                 .addFile("maps/readme.txt")
                                 .str();
    const std::string atC = GameFolder(temp.path() / "C/Half-Life").addExecutable("HL.EXE").str();
    const std::string atD = temp / "D/Half-Life", reproach = "Incorrect forder! forget ask ";
    const std::string fake =
        GameFolder(temp.path() / "fake").addFolder("hl.exe").addFile("hl_linux").str();
#ifdef _WIN32
    GameFolder(fake).addFile("hl.sh");  // the game's native build is no game here
#endif
    const Script rows[] = {
        {game, "", atC, "", {}, game, ""},
        {"", game, atC, "", {}, game, ""},
        {"", "", atC, game, {}, atC, ""},
        {"", "", atD, game, {}, game, "steam "},
        {"", "", atD, "", {game}, game, "steam ask "},  // without a reproach
        {fake,
         "",
         atC,
         "",
         {temp / "elsewhere", game},
         game,
         reproach + "Incorrect forder! forget ask(" + temp / "elsewhere" + ") "},
        {"", fake, atC, "", {}, std::nullopt, reproach},
    };
    for (const Script& row : rows) {
        ScriptedDialogue dialogue(row);
        EXPECT_EQ(DiscoverGameFolder(row.stored, row.defaultFolder, dialogue), row.found);
        EXPECT_EQ(dialogue.events, row.said) << &row - rows;
    }
    // A descriptor too big to be one, even a sparse one of 100 GB, is passed over unread.
    WriteSparseFile(fs::path(game) / "huge/liblist.gam", std::uintmax_t(100) << 30);
    const InstalledMods mods = DiscoverMods(game);
    EXPECT_THAT(mods.multiplayer, ElementsAre("commented", "cstrike", "huge", "my mod", "oddmod",
                                              "shouting", "valve"));
    EXPECT_THAT(mods.singlePlayer, ElementsAre("commented", "shouting", "valve"));
    EXPECT_TRUE(DiscoverMods(temp / "missing").multiplayer.empty());
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

TEST(WinePrefixes, LieAboveTheLastDriveCAndHoldRegistryStringsFoundInAnyCase) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/u/.wine/drive_c/Sierra/Half-Life", "/home/u/.wine"},
        {"/games/pfx/drive_c", "/games/pfx"},
        {"/a/drive_c/b/drive_c/Half-Life", "/a/drive_c/b"},
        {"/a/drive_cx/Half-Life", ""},
        {"/a/Drive_C/Half-Life", ""},
        {"/opt/Half-Life", ""}};
    for (const auto& [path, prefix] : rows) EXPECT_EQ(WinePrefixHolding(path), prefix) << path;

    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\HL.EXE";
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
    for (const char* broken : {"\"libraryfolders\" {", "\"libraryfolders\" { \"0\" }", "}",
                               "\"AppState\" { \"installdir\" { } }"}) {
        EXPECT_TRUE(LibraryPaths(broken).empty()) << broken;
        EXPECT_EQ(InstallDirectory(broken), "") << broken;
    }
    EXPECT_FALSE(ParseKeyValues(std::string(100, '{')));
    EXPECT_FALSE(ParseKeyValues("\"a\" " + std::string(40, '{') + std::string(40, '}')));
}

#ifndef _WIN32  // links need privileges on Windows, and narrow names do not reach it unchanged
// Game folders as users have them: links that loop or point nowhere, names that are not UTF-8,
// mod folders that may not be opened; and no thread to be had (a process limit), where the scan
// goes on in this thread.
TEST(DiscoverMods, CopesWithLinksOddNamesClosedFoldersAndNoThreads) {
    TempFolder temp;
    GameFolder game(temp.path());
    const std::string latin1 = "caf\xe9";
    for (const char* mod : {"a", "b", "closed", "valve"}) game.addMod(mod, "startmap");
    game.addMod(latin1, "game \"Caf\xe9\"\r\nstartmap");
    fs::permissions(temp.path() / "closed", fs::perms::none);
    fs::create_directory_symlink(".", temp.path() / "itself");  // holds no descriptor itself
    fs::create_symlink("ping", temp.path() / "pong");
    fs::create_symlink("pong", temp.path() / "ping");
    fs::create_symlink("loop.gam", temp.path() / "valve/loop.gam");
    fs::create_symlink("gone.gam", temp.path() / "valve/dangling.gam");
    EXPECT_THAT(ListSubfolders(game.str()),
                ElementsAre(game / "a", game / "b", game / latin1, game / "closed", game / "itself",
                            game / "valve"));
    EXPECT_THAT(ListFiles(game / "valve", "*.gam"), ElementsAre("liblist.gam"));
    EXPECT_EQ(GetDescriptorValue(ReadModDescriptor(game.str(), latin1), kGameKey), "Caf\xe9");
    EXPECT_EQ(ReadModDescriptor(game.str(), "pong"), "");
    EXPECT_TRUE(AsOrdinaryUser([&game, &latin1] {
        rlimit saved{};
        getrlimit(RLIMIT_NPROC, &saved);
        const rlimit none{0, saved.rlim_max};  // no process or thread more for this user
        if (setrlimit(RLIMIT_NPROC, &none) != 0) return false;
        const InstalledMods mods = DiscoverMods(game.str());
        setrlimit(RLIMIT_NPROC, &saved);
        const std::vector<std::string> expected = {"a", "b", latin1, "valve"};
        return mods.multiplayer == expected && mods.singlePlayer == expected &&
               ReadModDescriptor(game.str(), "closed").empty();
    }));
}

std::string Library(const fs::path& folder, const char* game = "Half-Life") {
    return GameFolder(folder / "steamapps/common" / game).addExecutable().str();
}

// Steam's own folders once each, then the Steam of each Wine prefix; from each, its libraries in
// its file's order, the game's folder in any case. The prefix's registry holds
// the game's folder as its installer registered it, a 32-bit installer's under Wow6432Node, mapped
// into the prefix in any case.
TEST(LinuxGameFolders, SteamsLibrariesInOrderAndTheInstallersRegistrationInThePrefix) {
    TempFolder temp;
    const fs::path home = temp.path() / "home", steam = home / ".local/share/Steam";
    const fs::path other = temp.path() / "games/SteamLibrary";
    GameFolder(steam)
        .addFile("steamapps/libraryfolders.vdf", "\"libraryfolders\" { \"0\" { \"path\" \"" +
                                                     steam.string() + "\" } \"2\" { \"path\" \"" +
                                                     other.string() + "\" } }")
        .addFile("steamapps/appmanifest_70.acf", "\"AppState\" { \"installdir\" \"HL Own\" }");
    Library(steam, "hl own");
    const std::string inOther = Library(other);
    const std::string inFlatpak =
        Library(home / ".var/app/com.valvesoftware.Steam/.local/share/Steam");
    const std::string inPrefix = Library(temp.path() / "d-drive/games/steamlibrary");
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(steam, home / ".steam/steam");
    const fs::path prefix = temp.path() / "prefix";  // its drive D: is d-drive
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    fs::create_directory_symlink(temp.path() / "d-drive", prefix / "dosdevices/d:");
    GameFolder(prefix / "drive_c/Program Files (x86)/Steam")
        .addFile("config/libraryfolders.vdf",
                 "\"libraryfolders\" { \"1\" { \"path\" \"D:\\\\Games\\\\SteamLibrary\" } }");
    WriteFile(prefix / "user.reg",
              "[Software\\\\Valve\\\\Steam] 1\n"
              "\"SteamPath\"=\"c:\\\\program files (x86)\\\\steam\"\n");

    const std::vector<SteamFolder> folders = LinuxSteamFolders(home.string(), prefix.string());
    ASSERT_EQ(folders.size(), 3u);  // the prefix's registered and usual folder are one
    EXPECT_EQ(folders[2].winePrefix, prefix.string());
    const std::string own = (home / ".steam/steam/steamapps/common/hl own").string();
    EXPECT_THAT(SteamGameFolders(folders), ElementsAre(own, inOther, inFlatpak, inPrefix));

    fs::create_directories(prefix / "drive_c/Sierra/Half-Life");
    WriteFile(prefix / "system.reg", kSystemReg);
    EXPECT_EQ(WineRegisteredGameFolder(prefix.string()),
              (prefix / "drive_c/Sierra/Half-Life").string());
    WriteFile(prefix / "system.reg",
              "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\"
              "App Paths\\\\hl.Exe]\r\n\"Path\"=\"c:\\\\SIERRA\"\r\n");
    EXPECT_EQ(WineRegisteredGameFolder(prefix.string()), (prefix / "drive_c/Sierra").string());
    // Wine's Z: is the root: its paths are the system's own.
    fs::create_directory_symlink("/", prefix / "dosdevices/z:");
    EXPECT_EQ(FolderInPrefix(prefix.string(), "Z:" + fs::path(other).make_preferred().string()),
              other.string());
    // And back: the drive that maps the longest part of a path gives its Windows path.
    std::string otherOnZ = "Z:" + other.string();
    std::replace(otherOnZ.begin(), otherOnZ.end(), '/', '\\');
    const std::pair<std::string, std::string> windowsPaths[] = {
        {(prefix / "drive_c/Sierra/Half-Life/hl.exe").string(), "C:\\Sierra\\Half-Life\\hl.exe"},
        {(temp.path() / "d-drive/games/steamlibrary").string(), "D:\\games\\steamlibrary"},
        {(prefix / "drive_c").string(), "C:\\"},
        {other.string(), otherOnZ},
    };
    for (const auto& [path, windows] : windowsPaths)
        EXPECT_EQ(WindowsPathInPrefix(prefix.string(), path), windows) << path;
    EXPECT_EQ(WindowsPathInPrefix("", other.string()), "");
    EXPECT_EQ(FolderInPrefix(prefix.string(), "E:\\Games"), "");  // no such drive
    EXPECT_EQ(FolderInPrefix(prefix.string(), "\\\\server\\share"), "");
}

#endif

}  // namespace
}  // namespace quorvant
