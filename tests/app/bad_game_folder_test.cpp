// Game folders as users have them: links that loop, names with blanks and bytes outside ASCII,
// mod folders that cannot be opened.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_system.h"
#include "app/mod_discovery.h"
#include "catalogue/descriptor.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::AsOrdinaryUser;
using ::quorvant::testing::CanTryPermissions;
using ::quorvant::testing::GameFolder;
using ::quorvant::testing::TempFolder;
using ::testing::ElementsAre;

TEST(BadGameFolder, LinksThatLoopAreLeftOut) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
    TempFolder temp;
    GameFolder game(temp.path());
    game.addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n").addFolder("valve/maps");
    fs::create_directory_symlink(".", temp.path() / "itself");
    fs::create_symlink("ping", temp.path() / "pong");
    fs::create_symlink("pong", temp.path() / "ping");
    fs::create_symlink("loop.bsp", temp.path() / "valve/maps/loop.bsp");
    // The link to the game folder is a folder like any other, and holds no descriptor itself.
    EXPECT_THAT(DiscoverMods(game.str()).multiplayer, ElementsAre("valve"));
    EXPECT_THAT(ListSubfolders(game.str()), ElementsAre(game / "itself", game / "valve"));
    EXPECT_TRUE(ListFiles(game / "valve/maps", "*.bsp").empty());
    EXPECT_EQ(ReadModDescriptor(game.str(), "pong"), "");
}

TEST(BadGameFolder, NamesWithBlanksAndOtherBytesArePassedOnAsTheyAre) {
#ifdef _WIN32
    GTEST_SKIP() << "narrow names outside ASCII do not yet reach Windows file names unchanged";
#endif
    TempFolder temp;
    GameFolder game(temp.path());
    const std::string latin1 = "mod\xe9";  // not valid UTF-8
    game.addMod("my mod", "game \"Mine\"\r\n").addMod(latin1, "game \"Caf\xe9\"\r\nstartmap \"a\"");
    const InstalledMods mods = DiscoverMods(game.str());
    EXPECT_THAT(mods.multiplayer, ElementsAre(latin1, "my mod"));
    EXPECT_THAT(mods.singlePlayer, ElementsAre(latin1));
    EXPECT_EQ(GetDescriptorValue(ReadModDescriptor(game.str(), latin1), kGameKey), "Caf\xe9");
}

TEST(BadGameFolder, AModFolderThatCannotBeOpenedIsNoMod) {
    if (!CanTryPermissions()) GTEST_SKIP() << "no permission modes here";
    TempFolder temp;
    GameFolder game(temp.path());
    game.addMod("closed", "game \"Closed\"\r\n").addMod("open", "game \"Open\"\r\n");
    fs::permissions(temp.path() / "closed", fs::perms::none);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return DiscoverMods(game.str()).multiplayer == std::vector<std::string>{"open"} &&
               ReadModDescriptor(game.str(), "closed").empty();
    }));
}

}  // namespace
}  // namespace quorvant
