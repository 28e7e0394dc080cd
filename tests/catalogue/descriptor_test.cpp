// The descriptor as server folders hold it: plugin loaders, other systems' keys, comments, NUL
// bytes and megabytes of junk, all read and written back byte for byte.
#include "catalogue/descriptor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "app/file_io.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
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
        {kCstrike, {}, Replaced(kCstrike, "mp.dll", "HPB_bot.dll")},
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
        {"gamedll \"dlls\\mp.dll", {}, std::nullopt},
        {"gamedll dlls\\mp.dll", {}, std::nullopt},
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

    // Ten megabytes of junk in a descriptor written in capitals: quickly, in place under the name
    // the folder gives it, and every byte the same.
    std::string junk(10 << 20, '\0');
    std::mt19937 random(7);
    for (char& byte : junk) byte = static_cast<char>(random());
    const std::string descriptor = "gamedll \"dlls\\mp.dll\"\r\n" + junk + "\r\n";
    game.addFile("cstrike/LIBLIST.GAM", descriptor);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "realbot.dll"), Written);
    EXPECT_EQ(GetGameDllName(ReadModDescriptor(game.str(), "cstrike")), "realbot.dll");
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "mp.dll"), Written);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(ReadFile(game / "cstrike/LIBLIST.GAM"), descriptor);
    EXPECT_EQ(std::distance(fs::directory_iterator(game / "cstrike"), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace quorvant
