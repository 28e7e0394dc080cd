// What the catalogue reads from a mod's folder and writes to it: the descriptor as server folders
// hold it (plugin loaders, other systems' keys, comments, NUL bytes and megabytes of junk, all read
// and written back byte for byte), the bot library each entry stands for, and the saved games.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>

#include "app/file_io.h"
#include "catalogue/bot_tables.h"
#include "catalogue/descriptor.h"
#include "catalogue/mod_panels.h"
#include "catalogue/save_games.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteSparseFile;
using namespace std::string_literals;
using namespace std::string_view_literals;
using enum GameDllWrite;

constexpr std::string_view kCstrike =
    "// Counter-Strike\r\ngame \"Counter-Strike\"\r\nurl_info \"www.counter-strike.net\"\r\n"
    "version \"1.6\"\r\ngamedll \"dlls\\mp.dll\"\r\n";
constexpr std::string_view kLoader =
    "//gamedll \"dlls\\mp.dll\"\n//gamedll_linux \"dlls/cs.so\"\nedicts\t\"1800\"\n\n"
    "gamedll \"addons\\metamod\\dlls\\metamod.dll\"\ngamedll_linux \"addons/mm.so\"\n"
    "gamedll_osx \"addons/mm.dylib\"\n";
constexpr std::string_view kOwnThenCommented =
    "url_info \"http://x.org\"\ngamedll \"dlls\\hl.dll\"\n//gamedll \"bot\\bot.dll\"\n";

std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
    std::string edited(text);
    return edited.replace(edited.find(from), from.size(), to);
}

TEST(GetDescriptorValue, IsTheQuotedTextAfterTheFirstOccurrenceOfTheLetters) {
    const struct {
        std::string_view text, key;
        std::optional<std::string> value;
    } cases[] = {
        {kCstrike, "GAME", std::nullopt},
        {"gamedll \"dlls\\hl.dll\"\r\ngame \"Half-Life\"", "game", "dlls\\hl.dll"},
        {"game \"\"", "game", ""},
        {"game \" Two  blanks \\n \"", "game", " Two  blanks \\n "},
        {"game \"N\0L\"\r\n"sv, "game", "N\0L"s},
        {"trainmap \"t1\"\r\ntrainingmap \"t2\"", "trainingmap", "t2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetDescriptorValue(c.text, c.key), c.value) << c.text << " | " << c.key;
        EXPECT_EQ(DescriptorHasKey(c.text, c.key), c.value.has_value()) << c.text;
    }
}

// Only the live Windows line counts: not a commented-out one, nor another system's key.
TEST(GetGameDllName, IsTheLiveValueWithoutItsFolder) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"gamedll \"dlls\\\"", ""},
        {"gamedll \"bin/podbot\\podbot.dll\"", "podbot.dll"},
        {kLoader, "metamod.dll"},
        {"url_info \"http://x\" gamedll \"dlls\\x.dll\"", "x.dll"},
        {" // gamedll \"dlls\\x.dll\"", ""},
    };
    for (const auto& [text, name] : cases) EXPECT_EQ(GetGameDllName(text), name) << text;
}

// A launch's edit for each state of the bot list: the descriptor's library listed or not (a
// plugin loader), and an entry chosen by the user or only by the mod selection. The file is
// written as a launch writes it, twice: only a changed text is written, with a line end at its
// end, and what cannot be edited stays as it is.
TEST(SetGameDll, ChangesTheFileNameOnlyAndALoaderOnlyWhenTheUserChoseAndKeepsEveryOtherByte) {
    TempFolder temp;
    GameFolder game(temp.path());
    const std::string loader = "addons\\metamod\\dlls\\metamod.dll";
    const struct {
        std::string_view text;
        BotListState list;
        std::optional<std::string> expected;
    } cases[] = {
        {"gamedll \"dlls/a\" //\rx\r", {}, "gamedll \"dlls/HPB_bot.dll\" //\rx\r"},
        {"n \"\0\"\ngamedll \"dlls\\a\"\0"sv, {}, "n \"\0\"\ngamedll \"dlls\\HPB_bot.dll\"\0"s},
        {"gamedll \"mp.dll\"", {}, "gamedll \"HPB_bot.dll\""},
        {"gamedll \"dlm.spl\\ldl\"", {}, "gamedll \"dlm.spl\\HPB_bot.dll\""},  // found by fuzzing
        {kLoader, {false, false}, std::string(kLoader)},
        {kLoader, {false, true}, Replaced(kLoader, loader, "dlls\\HPB_bot.dll")},
        {"gamedll \"bots/x.dll\"", {false, false}, "gamedll \"bots/x.dll\""},
        {"gamedll \"bots/x.dll\"", {true, false}, "gamedll \"bots/HPB_bot.dll\""},
        {kOwnThenCommented, {false, false}, Replaced(kOwnThenCommented, "hl.dll", "HPB_bot.dll")},
        {"gamedll \"DLLS/csbot.dll\"", {false, true}, "gamedll \"DLLS/HPB_bot.dll\""},
        {"game \"CS\"\ngamedll_linux \"addons/metamod.so\"\n", {false, true}, std::nullopt},
        {"gamedll \"dlls\\mp.dll",
         {},
         "gamedll \"dlls\\HPB_bot.dll"},  // the value ends at its line
        {"gamedll dlls\\mp.dll", {}, "gamedll dlls\\HPB_bot.dll"},
        {"gamedll \"dll\" and \"later quotes\"", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        game.addMod("mod", c.text);
        for (int launch = 0; launch < 2; ++launch)
            EXPECT_EQ(SetGameDll(game.str(), "mod", "HPB_bot.dll", c.list),
                      c.expected ? Written : NotEditable);
        const bool changed = c.expected && *c.expected != c.text;
        EXPECT_EQ(ReadFile(game / "mod/liblist.gam"),
                  changed ? WithFinalLineEnd(*c.expected) : std::string(c.text));
    }
    EXPECT_EQ(SetGameDll(game.str(), "missing", "mp.dll"), NotEditable);
    EXPECT_FALSE(fs::exists(game / "missing"));

    // Junk up to the size a descriptor may have, in a descriptor written in capitals: in place
    // under the name the folder gives it, and every byte the same. One byte more, or a sparse
    // file of 100 GB, is no descriptor: never read whole, never replaced.
    const std::string line = "gamedll \"dlls\\mp.dll\"\r\n";
    std::string junk(kDescriptorLimit - line.size() - 16, '\0');
    std::mt19937 random(7);
    for (char& byte : junk) byte = static_cast<char>(random());
    const std::string descriptor = line + junk + "\r\n";
    game.addFile("cstrike/LIBLIST.GAM", descriptor);
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "realbot.dll"), Written);
    EXPECT_EQ(GetGameDllName(ReadModDescriptor(game.str(), "cstrike")), "realbot.dll");
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "mp.dll"), Written);
    EXPECT_EQ(ReadFile(game / "cstrike/LIBLIST.GAM"), descriptor);
    EXPECT_EQ(std::distance(fs::directory_iterator(game / "cstrike"), fs::directory_iterator()), 1);
    game.addFile("cstrike/LIBLIST.GAM", descriptor + std::string(15, 'x'));
    EXPECT_EQ(SetGameDll(game.str(), "cstrike", "realbot.dll"), NotEditable);
    WriteSparseFile(game / "cstrike/LIBLIST.GAM", std::uintmax_t(100) << 30);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SetGameDll(game.str(), "cstrike", "realbot.dll"), NotEditable);
    EXPECT_EQ(ReadModDescriptor(game.str(), "cstrike"), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(fs::file_size(game / "cstrike/LIBLIST.GAM"), std::uintmax_t(100) << 30);
}

// What the panels show of a mod, read from its folders: the descriptor's information, the bot
// list as the bot table names each library (compared exactly) with the entry of the library the
// descriptor loads (none: the first entry), the maps; the start and training maps.
TEST(ModPanels, ReadEachModsInformationBotsMapsAndStartingMaps) {
    TempFolder temp;
    GameFolder game(temp.path());
    for (const char* file :
         {"cstrike/dlls/mp.dll", "cstrike/dlls/HPB_bot.dll", "cstrike/dlls/mp2.dll",
          "cstrike/dlls/podbot.dll", "cstrike/maps/de_dust.bsp", "cstrike/maps/readme.txt",
          "tfc/dlls/tfc.dll", "tfc/dlls/hpb_bot.dll", "tfc/dlls/readme.txt",
          "valve/dlls/HPB_bot.dll"})
        game.addFile(file);
    const std::vector<std::string> cstrike = {"HPB Bot", "(None)", "Rambot", "podbot.dll"};
    const struct {
        const char* mod;
        const char* gamedll;
        std::vector<std::string> bots;
        std::optional<std::string> current;
    } cases[] = {
        {"cstrike", "dlls\\mp2.dll", cstrike, "Rambot"},
        {"cstrike", "dlls/podbot.dll", cstrike, "podbot.dll"},
        {"cstrike", "dlls\\MP.DLL", cstrike, "MP.DLL"},  // listed under no entry: the first
        {"cstrike", "dlls\\hpb_bot.dll", cstrike, "HPB Bot"},
        {"tfc", "dlls\\hpb_bot.dll", {"hpb_bot.dll", "(None)"}, "HPB Bot"},
        {"tfc", "dlls\\tfc.dll", {"hpb_bot.dll", "(None)"}, std::nullopt},
        {"valve", "dlls\\HPB_bot.dll", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        game.addMod(c.mod, "game \"G\"\r\nversion \"1\"\r\ngamedll \""s + c.gamedll + "\"\r\n");
        const MultiplayerPanel panel = LoadMultiplayerPanel(game.str(), c.mod);
        EXPECT_EQ(panel.bots, c.bots) << c.gamedll;
        EXPECT_EQ(panel.currentBot, c.current) << c.gamedll;
        EXPECT_EQ(panel.information, (ModInformation{"G", "1", ""}));
    }
    EXPECT_EQ(LoadMultiplayerPanel(game.str(), "cstrike").maps,
              std::vector<std::string>{"de_dust.bsp"});
    EXPECT_TRUE(LoadMultiplayerPanel(game.str(), "").bots.empty());

    game.addMod("gearbox", "startmap \"of0a0\"\r\ntrainingmap \"ofboot0\"\r\ntrainmap \"no\"\r\n")
        .addMod("valve", "trainmap \"t0a0\"\r\n");
    const SinglePlayerPanel gearbox = LoadSinglePlayerPanel(game.str(), "gearbox");
    const SinglePlayerPanel valve = LoadSinglePlayerPanel(game.str(), "valve");
    EXPECT_EQ(gearbox.startMap, "of0a0");
    EXPECT_EQ(gearbox.trainingMap, "ofboot0");
    EXPECT_EQ(valve.startMap, std::nullopt);
    EXPECT_EQ(valve.trainingMap, "t0a0");
    EXPECT_TRUE(valve.skippableIntro && !gearbox.skippableIntro);
}

// Copying the table's rows here would only repeat them, and a round trip alone does not see two
// rows swapped. So every entry listed for the table's files, in several spellings, must write
// back its file, and a digest (FNV-1a 64-bit) of all the answers must hold: it fails on any
// changed text, row or comparison, and changes only with the table itself.
TEST(BotTables, ListSelectAndWriteBackAsTheTableSays) {
    std::uint64_t digest = 0xcbf29ce484222325u;
    for (const std::string mod : {"cstrike", "tfc"}) {
        for (const std::string file :
             {"mp.dll", "tfc.dll", "android.dll", "mp2.dll", "swat.dll", "hypd.dll", "HPB_bot.dll",
              "realbot.dll", "MP.DLL", "hpb_bot.dll", "RealBot.DLL", "podbot.dll"}) {
            const std::string entry = BotEntryFor(mod, file);
            const std::optional<std::string> library = LibraryForBotEntry(mod, entry);
            const std::string own = mod == "tfc" ? "tfc.dll" : "mp.dll";
            EXPECT_EQ(library, entry == "(None)" ? own : file) << mod << " " << file;
            const std::string answers = entry + '|' + BotTargetFor(mod, file).value_or("(first)") +
                                        '|' + library.value_or("(none)") + '\n';
            for (const char c : answers)
                digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
        }
    }
    EXPECT_EQ(digest, 0x7a371aa7b83d7ccdu);
    EXPECT_EQ(LibraryForBotEntry("valve", "(None)"), std::nullopt);
    EXPECT_EQ(LibraryForBotEntry("cstrike", ""), std::nullopt);
}

std::string Field(std::string description, std::string_view time) {
    description.resize(65, ' ');
    return description + std::string(time);
}

constexpr std::string_view kTitles =
    "// Chapter titles\r\n$position -1 0.4\r\n$effect 2\r\n\r\nC0A0TITLE\r\n{\r\nINBOUND\r\n}\r\n"
    "c1a0title\r\n{\r\n  ANOMALOUS\r\n\r\n\tMATERIALS  \r\n}\r\nEMPTY\r\n{\r\n}\r\nOPEN\r\n{\r\nno";

TEST(SaveEntryText, ShowsThePrefixTheTitleAndTheTime) {
    const std::vector<std::string> titles = {"OTHER\n{\nelsewhere\n}\n", std::string(kTitles)};
    const struct {
        const char* file;
        std::string field;
        std::string entry;
    } cases[] = {
        {"quick.sav", Field("Chapter One", "12:34"), "[Quick] Chapter One (12:34)"},
        {"Quick01.SAV", Field("Office  Complex", "01:02"), "[Quick] Office (01:02)"},
        {"QUICKSAVE.sav", std::string(65, 'x') + "99:99", "[Quick] (99:99)"},
        {"autosave.sav", Field("   c1a0  x", "00:00"), "[Auto] valve (c1a0 )"},
        {"auto.sav", "abc", "(abc)"},
        {"quic.sav", "Title  12:34", "Title (12:34)"},
        // A field without any printable character says nothing: the file's name does.
        {"empty.sav", "", "empty"},
        {"quick.sav", std::string(70, '\0'), "[Quick] quick"},
        {"Half-Life-001.sav", std::string(70, ' '), "Half-Life-001"},
        {"autosave", std::string(69, '\x01') + "\x7f", "[Auto] autosave"},
        {"a.b.sav", std::string(69, '\0') + "\xe9", "(\0\0\0\0\xe9)"s},
        // Newer versions of the game write the name of a message of titles.txt.
        {"quick.sav", Field("#C1A0TITLE", "00:05"), "[Quick] ANOMALOUS MATERIALS (00:05)"},
        {"a.sav", Field("#C9A9TITLE", "00:01"), "#C9A9TITLE (00:01)"},
        {"a.sav", Field("#C0A0TITLE again", "00:01"), "#C0A0TITLE again (00:01)"},
        {"a.sav", Field("#EMPTY", "00:01"), " (00:01)"},
        {"a.sav", Field("#OPEN", "00:01"), "#OPEN (00:01)"},
        {"a.sav", Field("#INBOUND", "00:01"), "#INBOUND (00:01)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaveEntryText("valve", c.file, c.field, titles), c.entry) << c.file << c.field;
}

}  // namespace
}  // namespace quorvant
