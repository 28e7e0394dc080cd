#include "launch/command_line.h"

#include <gtest/gtest.h>

#include "app/file_system.h"

namespace quorvant {
namespace {

// The situation of the examples: only the console option, no heap size.
LaunchChoices Example() {
    LaunchChoices choices;
    choices.gameFolder = JoinPath("C:", "Sierra");
    choices.gameFolder = JoinPath(choices.gameFolder, "Half-Life");
    choices.executable = "hl.exe";
    choices.console = true;
    return choices;
}

std::string Game(std::string_view executable) { return JoinPath(Example().gameFolder, executable); }

LaunchChoices Create(std::string map, std::string port, std::string players) {
    LaunchChoices choices = Example();
    choices.kind = LaunchKind::Create;
    choices.mod = "cstrike";
    choices.map = std::move(map);
    choices.serverPort = std::move(port);
    choices.maxPlayers = std::move(players);
    return choices;
}

LaunchChoices Single(SinglePlayerStart start) {
    LaunchChoices choices = Example();
    choices.kind = LaunchKind::SinglePlayer;
    choices.singlePlayerMod = "valve";
    choices.start = start;
    choices.startMap = "begin1";
    choices.trainingMap = "train1";
    return choices;
}

TEST(BuildLaunchCommand, CreatesListenAndDedicatedServers) {
    EXPECT_EQ(BuildLaunchCommand(Create("arena.bsp", "27015", "8")).commandLine(),
              Game("hl.exe") + " -console -game cstrike -port 27015 +map arena +maxplayers 8");
    LaunchChoices dedicated = Create("arena.bsp", "27015", "8");
    dedicated.dedicated = true;
    EXPECT_EQ(BuildLaunchCommand(dedicated).commandLine(),
              Game("hlds.exe") + " -game cstrike -port 27015 +map arena +maxplayers 8");
    EXPECT_EQ(BuildLaunchCommand(Create("(None)", "", "")).commandLine(),
              Game("hl.exe") + " -console -game cstrike +maxplayers 1");
    EXPECT_EQ(BuildLaunchCommand(Create("a.bsp", "", "2")).arguments,
              " -console -game cstrike +map a +maxplayers 2");
    EXPECT_EQ(BuildLaunchCommand(Create("", "", "2")).arguments,
              " -console -game cstrike +maxplayers 2");
}

TEST(BuildLaunchCommand, JoinsWithOrWithoutPortAndPassword) {
    LaunchChoices join = Example();
    join.kind = LaunchKind::Join;
    join.address = "10.0.0.5";
    join.joinPort = "27016";
    join.password = "secret";
    EXPECT_EQ(BuildLaunchCommand(join).commandLine(),
              Game("hl.exe") + " -console +connect 10.0.0.5:27016 +password secret");
    join.joinPort.clear();
    join.password.clear();
    join.console = false;
    EXPECT_EQ(BuildLaunchCommand(join).arguments, " +connect 10.0.0.5");
}

TEST(BuildLaunchCommand, PlaysAloneOnTheStartMapTheTrainingMapOrASave) {
    LaunchChoices skipIntro = Single(SinglePlayerStart::NewGame);
    skipIntro.skipIntro = true;
    skipIntro.skill = 2;
    EXPECT_EQ(BuildLaunchCommand(skipIntro).commandLine(),
              Game("hl.exe") + " -console -game valve +map c1a0 +skill 2");
    EXPECT_EQ(BuildLaunchCommand(Single(SinglePlayerStart::NewGame)).commandLine(),
              Game("hl.exe") + " -console -game valve +map begin1");
    EXPECT_EQ(BuildLaunchCommand(Single(SinglePlayerStart::TrainingMap)).commandLine(),
              Game("hl.exe") + " -console -game valve +map train1");
    EXPECT_EQ(BuildLaunchCommand(Single(SinglePlayerStart::SavedGame)).commandLine(),
              Game("hl.exe") + " -console -game valve -toconsole +exec quorvant.cfg");
    EXPECT_EQ(LoadScriptFor("quick.sav"), "load quick.sav\r\n");

    LaunchChoices noStartMap = Single(SinglePlayerStart::NewGame);
    noStartMap.startMap.clear();
    noStartMap.skill = 3;
    EXPECT_EQ(BuildLaunchCommand(noStartMap).arguments, " -console -game valve +map  +skill 3");
    EXPECT_EQ(BuildLaunchCommand(Single(SinglePlayerStart::None)).arguments,
              " -console -game valve");
}

TEST(BuildLaunchCommand, ClientOptionsComeFirstAndADedicatedBoxDropsThemEverywhere) {
    LaunchChoices options = Example();
    options.developer = true;
    options.lowMemory = true;
    options.heapSize = "64000";
    EXPECT_EQ(BuildLaunchCommand(options).commandLine(),
              Game("hl.exe") + " -dev -console -noipx -nojoy -heapsize 64000");
    LaunchChoices single = Single(SinglePlayerStart::TrainingMap);
    single.dedicated = true;
    EXPECT_EQ(BuildLaunchCommand(single).commandLine(),
              Game("hl.exe") + " -game valve +map train1");
    LaunchChoices other = Example();
    other.kind = LaunchKind::MultiplayerOther;
    other.console = false;
    EXPECT_EQ(BuildLaunchCommand(other).commandLine(), Game("hl.exe"));
}

}  // namespace
}  // namespace quorvant
