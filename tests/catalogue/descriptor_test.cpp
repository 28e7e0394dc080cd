#include "catalogue/descriptor.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;

constexpr std::string_view kCstrike =
    "// Counter-Strike\r\n"
    "game \"Counter-Strike\"\r\n"
    "url_info \"www.counter-strike.net\"\r\n"
    "version \"1.6\"\r\n"
    "gamedll \"dlls\\mp.dll\"\r\n";

TEST(GetDescriptorValue, TakesTheTextBetweenTheQuotesAfterTheFirstOccurrence) {
    EXPECT_EQ(GetDescriptorValue(kCstrike, "game"), "Counter-Strike");
    EXPECT_EQ(GetDescriptorValue(kCstrike, "url_info"), "www.counter-strike.net");
    EXPECT_EQ(GetDescriptorValue(kCstrike, "version"), "1.6");
    EXPECT_EQ(GetDescriptorValue(kCstrike, "gamedll"), "dlls\\mp.dll");
    EXPECT_EQ(GetDescriptorValue(kCstrike, "startmap"), std::nullopt);
    EXPECT_EQ(GetDescriptorValue(kCstrike, "GAME"), std::nullopt);
    EXPECT_EQ(GetDescriptorValue(kCstrike, "Game"), std::nullopt);
}

TEST(GetDescriptorValue, FollowsTheFirstOccurrenceWhereverItStands) {
    // gamedll before game: "game" is found inside "gamedll".
    EXPECT_EQ(GetDescriptorValue("gamedll \"dlls\\hl.dll\"\r\ngame \"Half-Life\"\r\n", "game"),
              "dlls\\hl.dll");
    // A comment mentioning the key comes first; its value is the next quoted text.
    EXPECT_EQ(GetDescriptorValue("// set the version below\r\nversion \"2.0\"\r\n", "version"),
              "2.0");
    EXPECT_EQ(GetDescriptorValue("game \"\"\r\n", "game"), "");
    EXPECT_EQ(GetDescriptorValue("game \" Two  blanks \\n \"", "game"), " Two  blanks \\n ");
    // Fewer than two quotes after the key: present, with an empty value.
    EXPECT_EQ(GetDescriptorValue("game \"unterminated\r\n", "game"), "");
    EXPECT_EQ(GetDescriptorValue("game\r\n", "game"), "");
}

TEST(GetDescriptorValue, TellsTheTwoTrainingMapKeysApart) {
    const std::string both = "trainmap \"t1\"\r\ntrainingmap \"t2\"\r\n";
    EXPECT_EQ(GetDescriptorValue(both, kTrainingMapKey), "t2");
    EXPECT_EQ(GetDescriptorValue(both, kTrainMapKey), "t1");
    EXPECT_EQ(GetDescriptorValue("trainmap \"t1\"", kTrainingMapKey), std::nullopt);
    EXPECT_EQ(GetDescriptorValue("trainingmap \"t2\"", kTrainMapKey), std::nullopt);
}

TEST(DescriptorHasKey, NeedsOnlyTheLettersAnywhere) {
    EXPECT_TRUE(DescriptorHasKey("startmap", "startmap"));
    EXPECT_TRUE(DescriptorHasKey("// no startmap yet", "startmap"));
    EXPECT_FALSE(DescriptorHasKey("StartMap \"c0a0\"", "startmap"));
    EXPECT_FALSE(DescriptorHasKey("", "startmap"));
}

TEST(GetGameDllName, DropsTheFolderPrefixAsItStands) {
    EXPECT_EQ(GetGameDllName(kCstrike), "mp.dll");
    EXPECT_EQ(GetGameDllName("gamedll \"dlls/HPB_bot.dll\""), "HPB_bot.dll");
    EXPECT_EQ(GetGameDllName("gamedll \"DLLS\\mp.dll\""), "mp.dll");
    EXPECT_EQ(GetGameDllName("gamedll \"mp.dll\""), "mp.dll");
    EXPECT_EQ(GetGameDllName("gamedll \"dlls\\\""), "");
    EXPECT_EQ(GetGameDllName("gamedll \"bin/podbot\\podbot.dll\""), "podbot.dll");
    EXPECT_EQ(GetGameDllName("no library"), "");
}

// Descriptors as server folders keep them: a plugin loader, the keys of other systems, and
// commented-out lines around the live one.
constexpr std::string_view kLoaderCrLf =
    "game \"Counter-Strike\"\r\ncldll \"1\" \r\ngamedll \"addons\\metamod\\dlls\\metamod.dll\"\r\n"
    "trainmap \"tr_1\"\r\n\r\n";
constexpr std::string_view kLoaderBelowComments =
    "mpentity \"info_player_start\"\n//gamedll \"dlls\\mp.dll\"\n//gamedll_linux \"dlls/cs.so\"\n"
    "edicts\t\"1800\"\n\ngamedll \"addons\\metamod\\dlls\\metamod.dll\"\n"
    "gamedll_linux \"addons/metamod/dlls/metamod.so\"\ngamedll_osx \"addons/mm.dylib\"\n";
constexpr std::string_view kLinuxOnly =
    "game \"Counter-Strike\"\ngamedll_linux \"addons/metamod/dlls/metamod_i386.so\"\n"
    "edicts    \"1800\"";
constexpr std::string_view kOwnThenCommented =
    "url_info \"http://www.example.org\"\ngamedll \"dlls\\hl.dll\"\n//gamedll \"bot\\bot.dll\"\n"
    "gamedll_linux \"linuxdlls/hl_i386.so\"";

TEST(GetGameDllName, ReadsTheLiveWindowsLineOnly) {
    EXPECT_EQ(GetGameDllName(kLoaderCrLf), "metamod.dll");
    EXPECT_EQ(GetGameDllName(kLoaderBelowComments), "metamod.dll");
    EXPECT_EQ(GetGameDllName(kLinuxOnly), "");
    EXPECT_EQ(GetGameDllName(kOwnThenCommented), "hl.dll");
    // "//" inside a value starts no comment.
    EXPECT_EQ(GetGameDllName("url_info \"http://x\" gamedll \"dlls\\x.dll\""), "x.dll");
    EXPECT_EQ(GetGameDllName(" // gamedll \"dlls\\x.dll\""), "");
    EXPECT_FALSE(GameDllInModFolder(kLoaderCrLf));
    EXPECT_FALSE(GameDllInModFolder(kLinuxOnly));
    EXPECT_FALSE(GameDllInModFolder("gamedll \"bots/x.dll\""));
    EXPECT_TRUE(GameDllInModFolder(kOwnThenCommented));
    EXPECT_TRUE(GameDllInModFolder("gamedll \"DLLS/x.dll\""));
}

// A launch's edit for each state of the bot list: the descriptor's library listed or not, and an
// entry chosen by the user or only by the mod selection.
TEST(WithBotLibrary, LeavesALoaderAloneUntilTheUserChoosesThenWritesTheModsOwnFolder) {
    const auto replaced = [](std::string_view text, std::string_view from, std::string_view to) {
        std::string edited(text);
        return edited.replace(edited.find(from), from.size(), to);
    };
    const std::string loader = "addons\\metamod\\dlls\\metamod.dll";
    const struct {
        std::string_view text;
        BotListState list;
        std::optional<std::string> expected;
    } cases[] = {
        {kLoaderCrLf, {false, false}, std::string(kLoaderCrLf)},
        {kLoaderCrLf, {false, true}, replaced(kLoaderCrLf, loader, "dlls\\HPB_bot.dll")},
        {kLoaderBelowComments, {false, false}, std::string(kLoaderBelowComments)},
        {kLoaderBelowComments,
         {false, true},
         replaced(kLoaderBelowComments, loader, "dlls\\HPB_bot.dll")},
        // The library is listed: only the file name changes, as always.
        {"gamedll \"bin\\HPB_bot.dll\"", {true, false}, "gamedll \"bin\\HPB_bot.dll\""},
        // The mod's own folder: the file name changes whatever the list's state.
        {kOwnThenCommented, {false, false}, replaced(kOwnThenCommented, "hl.dll", "HPB_bot.dll")},
        {"gamedll \"dlls/csbot.dll\"", {false, true}, "gamedll \"dlls/HPB_bot.dll\""},
        {kLinuxOnly, {false, false}, std::nullopt},
        {kLinuxOnly, {false, true}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(WithBotLibrary(c.text, "HPB_bot.dll", c.list), c.expected);
    }
}

TEST(WithGameDll, ReplacesOnlyTheFileNameAfterThePrefix) {
    const std::string text = "gamedll \"dlls/mp.dll\" // keep\r\ngame \"x\"\r\n";
    EXPECT_EQ(WithGameDll(text, "HPB_bot.dll"),
              "gamedll \"dlls/HPB_bot.dll\" // keep\r\ngame \"x\"\r\n");
    // A bare file name is replaced whole, never mixed with the new one.
    EXPECT_EQ(WithGameDll("gamedll \"mp.dll\"", "HPB_bot.dll"), "gamedll \"HPB_bot.dll\"");
    EXPECT_EQ(WithGameDll("gamedll \"dlls\\mp.dll\"", ""), "gamedll \"dlls\\\"");
    // Found by fuzzing: a folder that is not five characters long kept part of the old name.
    EXPECT_EQ(WithGameDll("gamedll \"dlm.spl\\ldl\"", "mp.dll"), "gamedll \"dlm.spl\\mp.dll\"");
    EXPECT_EQ(WithGameDll("gamedll \"bots/x.dll\"", "mp.dll"), "gamedll \"bots/mp.dll\"");
}

TEST(WithGameDll, RefusesValuesItCannotEditSafely) {
    EXPECT_EQ(WithGameDll("game \"x\"", "mp.dll"), std::nullopt);
    EXPECT_EQ(WithGameDll("gamedll \"dlls\\mp.dll", "mp.dll"), std::nullopt);
    EXPECT_EQ(WithGameDll("gamedll dlls\\mp.dll", "mp.dll"), std::nullopt);
    EXPECT_EQ(WithGameDll("gamedll \"dll\" and \"later quotes\"", "mp.dll"), std::nullopt);
    EXPECT_EQ(WithGameDll("gamedll \"\"", "mp.dll"), std::nullopt);
}

class SetGameDllTest : public ::testing::Test {
  protected:
    TempFolder temp;
    GameFolder game{temp.path()};
};

TEST_F(SetGameDllTest, RewritesTheFileAndStaysStableOnRepeats) {
    game.addMod("cstrike", kCstrike);
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "HPB_bot.dll"), GameDllWrite::Written);
    std::string expected(kCstrike);
    expected.replace(expected.find("mp.dll"), 6, "HPB_bot.dll");
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), expected);
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "HPB_bot.dll"), GameDllWrite::Written);
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "HPB_bot.dll"), GameDllWrite::Written);
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), expected);
    EXPECT_EQ(ReadModDescriptor(game.str(), "cstrike"), expected);
}

TEST_F(SetGameDllTest, EndsAFileWithoutFinalLineEndOnceAndKeepsCrOnlyEnds) {
    game.addMod("tfc", "gamedll \"dlls\\tfc.dll\"")
        .addMod("mac", "game \"m\"\rgamedll \"dlls/a.dll\"\r");
    SetGameDll(game.str(), "tfc", "HPB_bot.dll");
    SetGameDll(game.str(), "tfc", "HPB_bot.dll");
    EXPECT_EQ(ReadFile(game / "tfc/liblist.gam"), "gamedll \"dlls\\HPB_bot.dll\"\r\n");
    SetGameDll(game.str(), "mac", "b.dll");
    EXPECT_EQ(ReadFile(game / "mac/liblist.gam"), "game \"m\"\rgamedll \"dlls/b.dll\"\r");
}

TEST_F(SetGameDllTest, LeavesTheFileUntouchedWhenTheValueCannotBeEdited) {
    game.addMod("valve", "game \"Half-Life\"\r\n").addMod("short", "gamedll \"dll\"\r\n");
    EXPECT_EQ(SetGameDll(game.str(), "valve", "mp.dll"), GameDllWrite::NotEditable);
    EXPECT_EQ(SetGameDll(game.str(), "short", "mp.dll"), GameDllWrite::NotEditable);
    EXPECT_EQ(SetGameDll(game.str(), "missing", "mp.dll"), GameDllWrite::NotEditable);
    EXPECT_EQ(ReadFile(game / "valve/liblist.gam"), "game \"Half-Life\"\r\n");
    EXPECT_EQ(ReadFile(game / "short/liblist.gam"), "gamedll \"dll\"\r\n");
    EXPECT_FALSE(std::filesystem::exists(game / "missing"));
}

TEST_F(SetGameDllTest, LeavesALoaderByteForByteAndRefusesALinuxOnlyDescriptor) {
    const std::string loader = "gamedll \"addons/metamod/dlls/metamod.dll\"\nedicts \"1800\"";
    game.addMod("cstrike", loader).addMod("linux", std::string(kLinuxOnly));
    EXPECT_EQ(SetGameDll(game.str(), "cstrike", "mp.dll", {false, false}), GameDllWrite::Written);
    EXPECT_EQ(SetGameDll(game.str(), "linux", "mp.dll"), GameDllWrite::NotEditable);
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), loader);
    EXPECT_EQ(ReadFile(game / "linux/liblist.gam"), kLinuxOnly);
}

TEST_F(SetGameDllTest, RoundTripsALargeDescriptorWithHighBytes) {
    std::string descriptor = "gamedll \"dlls\\mp.dll\"\r\n";
    for (int i = 0; descriptor.size() < 100000; ++i) {
        descriptor += static_cast<char>(0x80 + i % 0x80);
        if (i % 70 == 69) descriptor += "\r\n";
    }
    descriptor += "\r\n";
    game.addMod("cstrike", descriptor);
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "realbot.dll"), GameDllWrite::Written);
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "mp.dll"), GameDllWrite::Written);
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), descriptor);
}

TEST_F(SetGameDllTest, FindsADescriptorWrittenInCapitals) {
    game.addFile("cstrike/LIBLIST.GAM", "gamedll \"dlls\\mp.dll\"\r\n");
    ASSERT_EQ(SetGameDll(game.str(), "cstrike", "mp2.dll"), GameDllWrite::Written);
    EXPECT_EQ(ReadFile(game / "cstrike/LIBLIST.GAM"), "gamedll \"dlls\\mp2.dll\"\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(game / "cstrike"),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace quorvant
