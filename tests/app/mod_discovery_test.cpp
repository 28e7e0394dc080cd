#include "app/mod_discovery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace quorvant {
namespace {

using ::quorvant::testing::GameFolder;
using ::quorvant::testing::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DiscoverMods, ListsEveryModAndThoseNamingAStartMapForSinglePlayer) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addExecutable()
        .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n")
        .addMod("cstrike", "game \"Counter-Strike\"\r\n")
        .addMod("tfc", "game \"Team Fortress Classic\"\r\n")
        .addMod("Upper", "StartMap \"x\"\r\n")
        .addMod("trainer", "trainingmap \"t0a0\"\r\ntrainmap \"t0a0\"\r\n")
        .addMod("commented", "// no startmap here\r\n")
        .addMod("inword", "mystartmaps\r\n")
        .addFile("maps/readme.txt")
        .addFolder("empty");
    const InstalledMods mods = DiscoverMods(game.str());
    EXPECT_THAT(mods.multiplayer,
                ElementsAre("commented", "cstrike", "inword", "tfc", "trainer", "Upper", "valve"));
    EXPECT_THAT(mods.singlePlayer, ElementsAre("commented", "inword", "valve"));
}

TEST(DiscoverMods, AnyGamFileMakesAModEvenWithoutAReadableDescriptor) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("oddmod/other.gam", "startmap \"x\"")
        .addFile("shouting/LIBLIST.GAM", "startmap \"x\"")
        .addFolder("broken/liblist.gam")
        .addFile("broken/x.gam");
    const InstalledMods mods = DiscoverMods(game.str());
    EXPECT_THAT(mods.multiplayer, ElementsAre("broken", "oddmod", "shouting"));
    EXPECT_THAT(mods.singlePlayer, ElementsAre("shouting"));
}

TEST(DiscoverMods, AGameFolderWithoutModsListsNothing) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addExecutable();
    const InstalledMods mods = DiscoverMods(game.str());
    EXPECT_THAT(mods.multiplayer, IsEmpty());
    EXPECT_THAT(mods.singlePlayer, IsEmpty());
    EXPECT_THAT(DiscoverMods(temp / "missing").multiplayer, IsEmpty());
}

#ifndef _WIN32
TEST(DiscoverMods, ListsEveryModWhereNoThreadCanBeStarted) {
    TempFolder temp;
    GameFolder game(temp.path());
    for (const char* mod : {"a", "b", "c", "d", "e"}) game.addMod(mod, "startmap \"x\"");
    EXPECT_TRUE(::quorvant::testing::AsOrdinaryUser([&game] {
        const rlimit none{0, 0};  // no process or thread more for this user
        if (setrlimit(RLIMIT_NPROC, &none) != 0) return false;
        const InstalledMods mods = DiscoverMods(game.str());
        return mods.multiplayer == std::vector<std::string>{"a", "b", "c", "d", "e"} &&
               mods.singlePlayer.size() == 5;
    }));
}
#endif

}  // namespace
}  // namespace quorvant
