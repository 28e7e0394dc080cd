// What real mod folders hold besides well-formed files: junk, huge and NUL-filled descriptors,
// folders where files belong, empty saves, unreadable entries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/mod_discovery.h"
#include "catalogue/descriptor.h"
#include "catalogue/map_titles.h"
#include "catalogue/save_games.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using ::quorvant::testing::AsOrdinaryUser;
using ::quorvant::testing::CanTryPermissions;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Junk(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 2463534242u;
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state);
    }
    return bytes;
}

class BadModFilesTest : public ::testing::Test {
  protected:
    TempFolder temp;
    GameFolder game{temp.path()};
};

TEST_F(BadModFilesTest, JunkAndNulBytesInADescriptorAreReadAndEditedByteForByte) {
    const std::string junk = Junk(4096);
    game.addMod("junk", junk);
    const std::string withNul = "game \"N\0L\"\r\ngamedll \"dlls\\mp.dll\"\0tail\r\n"s;
    game.addMod("nulbytes", withNul);
    EXPECT_THAT(DiscoverMods(game.str()).multiplayer, ElementsAre("junk", "nulbytes"));
    EXPECT_EQ(ReadModDescriptor(game.str(), "junk"), junk);
    EXPECT_EQ(GetDescriptorValue(withNul, kGameKey), "N\0L"s);

    ASSERT_EQ(SetGameDll(game.str(), "nulbytes", "podbot.dll"), GameDllWrite::Written);
    EXPECT_EQ(ReadFile(game / "nulbytes/liblist.gam"),
              "game \"N\0L\"\r\ngamedll \"dlls\\podbot.dll\"\0tail\r\n"s);
}

TEST_F(BadModFilesTest, ATenMegabyteDescriptorIsEditedQuicklyAndWhole) {
    std::string huge =
        "game \"Big\"\r\n" + std::string(10 << 20, 'x') + "\r\ngamedll \"dlls\\mp.dll\"\r\n";
    game.addMod("big", huge);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(GetGameDllName(ReadModDescriptor(game.str(), "big")), "mp.dll");
    ASSERT_EQ(SetGameDll(game.str(), "big", "HPB_bot.dll"), GameDllWrite::Written);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    huge.replace(huge.size() - 9, 6, "HPB_bot.dll");
    EXPECT_EQ(ReadFile(game / "big/liblist.gam"), huge);
}

TEST_F(BadModFilesTest, FoldersNamedLikeFilesAndEmptySavesAreNoTrouble) {
    game.addMod("cstrike", "game \"CS\"\r\n")
        .addFolder("cstrike/maps/x.bsp")
        .addFile("cstrike/maps/de_dust.bsp")
        .addFolder("cstrike/maps/de_dust.txt")
        .addFile("cstrike/Save/empty.sav");
    EXPECT_THAT(ListFiles(ModPath(game.str(), "cstrike", "maps"), kMapPattern),
                ElementsAre("de_dust.bsp"));
    EXPECT_EQ(ReadWholeFile(MapTitlePath(game.str(), "cstrike", "de_dust.bsp")), std::nullopt);
    const std::string field = ReadDescriptionField(game / "cstrike/Save/empty.sav");
    EXPECT_EQ(field, "");
    EXPECT_EQ(SaveEntryText("cstrike", "empty.sav", field), "empty");
}

TEST_F(BadModFilesTest, UnreadableFilesAndFoldersReadAsEmpty) {
    if (!CanTryPermissions()) GTEST_SKIP() << "no permission modes here";
    game.addMod("locked", "game \"Locked\"\r\nstartmap \"c0a0\"\r\n")
        .addMod("open", "game \"Open\"\r\nstartmap \"c0a0\"\r\n")
        .addFile("open/maps/de_dust.bsp")
        .addFile("open/Save/quick.sav", std::string(5000, 'a'));
    fs::permissions(game / "locked/liblist.gam", fs::perms::none);
    fs::permissions(game / "open/maps", fs::perms::none);
    fs::permissions(game / "open/Save/quick.sav", fs::perms::none);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        const InstalledMods mods = DiscoverMods(game.str());
        // The locked mod is there, but without a readable descriptor it names no start map.
        return mods.multiplayer == std::vector<std::string>{"locked", "open"} &&
               mods.singlePlayer == std::vector<std::string>{"open"} &&
               ReadModDescriptor(game.str(), "locked").empty() &&
               ListFiles(game / "open/maps", kMapPattern).empty() &&
               ReadDescriptionField(game / "open/Save/quick.sav").empty();
    }));
}

}  // namespace
}  // namespace quorvant
