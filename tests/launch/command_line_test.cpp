#include "launch/command_line.h"

#include <gtest/gtest.h>

#include "app/file_system.h"

namespace quorvant {
namespace {

using enum LaunchKind;
using enum SinglePlayerStart;

// What the launch tests of the panels leave out: the map cut by count, choices left empty, and
// the launches without a panel to play from.
TEST(BuildLaunchCommand, CutsTheMapByCountAndLeavesOutWhatIsNotChosen) {
    const struct {
        LaunchKind kind;
        SinglePlayerStart start;
        const char* text;  // the map to create on, the address to join, or the start map
        bool dedicated;
        const char* command;
    } cases[] = {
        {Create, None, "a.bsp", false, "hl.exe -console -game cstrike +map a +maxplayers 1"},
        {Create, None, "", false, "hl.exe -console -game cstrike +maxplayers 1"},
        {Join, None, "x", true, "hl.exe +connect x"},
        {SinglePlayer, NewGame, "", false, "hl.exe -console -game valve +map "},
        {SinglePlayer, None, "begin1", false, "hl.exe -console -game valve"},
        {MultiplayerOther, None, "", false, "hl.exe -console"},
        {OptionsOnly, None, "", true, "hl.exe"},
    };
    for (const auto& c : cases) {
        LaunchChoices choices;
        choices.gameFolder = "game";
        choices.executable = "hl.exe";
        choices.console = true;
        choices.dedicated = c.dedicated;
        choices.kind = c.kind;
        choices.start = c.start;
        choices.mod = "cstrike";
        choices.singlePlayerMod = "valve";
        choices.map = choices.address = choices.startMap = c.text;
        EXPECT_EQ(BuildLaunchCommand(choices).commandLine(), JoinPath("game", c.command));
    }
}

}  // namespace
}  // namespace quorvant
