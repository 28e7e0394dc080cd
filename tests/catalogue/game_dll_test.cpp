#include <gtest/gtest.h>

#include "support/ui_fixture.h"

namespace quorvant {
namespace {

using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;

class GameDllTest : public WindowTest {
  protected:
    GameDllTest() {
        game.addExecutable()
            .addMod("cstrike", "gamedll \"dlls\\mp.dll\"\r\n")
            .addMod("valve", "game \"Half-Life\"\r\n");
        storeSetting("hl_path", game.str());
    }
};

TEST_F(GameDllTest, RewritesTheLibraryOfTheNamedModSilently) {
    Form1& form = loadMainWindow();
    form.SetGameDll("cstrike", "HPB_bot.dll");
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), "gamedll \"dlls\\HPB_bot.dll\"\r\n");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GameDllTest, TellsTheUserWhenTheDescriptorHasNoLibraryAndLeavesIt) {
    Form1& form = loadMainWindow();
    form.SetGameDll("valve", "mp.dll");
    EXPECT_EQ(dialogs.messages, QStringList({"Can't write DLL!"}));
    EXPECT_EQ(ReadFile(game / "valve/liblist.gam"), "game \"Half-Life\"\r\n");
}

}  // namespace
}  // namespace quorvant
