#include "app/installation_discovery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

#include "app/file_system.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::GameFolder;
using ::quorvant::testing::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Answers discovery's questions from a script and records what it was told.
class ScriptedDialogue : public DiscoveryDialogue {
  public:
    std::string registered;
    std::string steam;  // what Steam's libraries hold
    std::deque<std::string> answers;
    std::vector<std::string> events;

    std::string RegisteredGameFolder() override { return registered; }
    std::string SteamGameFolder() override {
        events.push_back("steam");
        return steam;
    }
    void ShowMessage(std::string_view text) override {
        events.push_back("message " + std::string(text));
    }
    void ForgetStoredGameFolder() override { events.push_back("forget"); }
    std::string AskForFolder(std::string_view prompt, std::string_view title,
                             std::string_view defaultAnswer) override {
        events.push_back("ask " + std::string(prompt) + " | " + std::string(title) + " | " +
                         std::string(defaultAnswer));
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class DiscoveryTest : public ::testing::Test {
  protected:
    TempFolder temp;
    GameFolder game{temp.path() / "Half-Life"};
    std::string defaultFolder = temp / "drive_c/Sierra/Half-Life";
    ScriptedDialogue dialogue;

    DiscoveryTest() { game.addExecutable(); }
    std::string askLine() const {
        return "ask Please, enter Half-Life forder. | I can't find the path! | " + defaultFolder;
    }
};

TEST_F(DiscoveryTest, AStoredFolderHoldingTheGameIsTakenSilently) {
    EXPECT_EQ(DiscoverGameFolder(game.str(), defaultFolder, dialogue), game.str());
    EXPECT_THAT(dialogue.events, IsEmpty());
}

TEST_F(DiscoveryTest, TheInstallersRegistrationComesBeforeTheDefaultFolder) {
    GameFolder(defaultFolder).addExecutable();
    dialogue.registered = game.str();
    EXPECT_EQ(DiscoverGameFolder("", defaultFolder, dialogue), game.str());
    EXPECT_THAT(dialogue.events, IsEmpty());
}

TEST_F(DiscoveryTest, TheDefaultFolderIsTakenWhenNothingIsKnownAndSteamIsNotAsked) {
    GameFolder(defaultFolder).addExecutable("HL.EXE");
    dialogue.steam = game.str();
    EXPECT_EQ(DiscoverGameFolder("", defaultFolder, dialogue), defaultFolder);
    EXPECT_THAT(dialogue.events, IsEmpty());
}

TEST_F(DiscoveryTest, SteamsLibrariesComeBeforeTheQuestion) {
    dialogue.steam = game.str();
    EXPECT_EQ(DiscoverGameFolder("", defaultFolder, dialogue), game.str());
    EXPECT_THAT(dialogue.events, ElementsAre("steam"));
}

TEST_F(DiscoveryTest, NothingFoundAsksAtOnceWithoutReproach) {
    dialogue.answers = {game.str()};
    EXPECT_EQ(DiscoverGameFolder("", defaultFolder, dialogue), game.str());
    EXPECT_THAT(dialogue.events, ElementsAre("steam", askLine()));
}

TEST_F(DiscoveryTest, AWrongFolderIsReproachedForgottenAndAskedAgainUntilRight) {
    dialogue.answers = {temp / "elsewhere", game.str()};
    EXPECT_EQ(DiscoverGameFolder(temp / "moved", defaultFolder, dialogue), game.str());
    EXPECT_THAT(dialogue.events, ElementsAre("message Incorrect forder!", "forget", askLine(),
                                             "message Incorrect forder!", "forget", askLine()));
}

TEST_F(DiscoveryTest, ARegisteredFolderWithoutTheGameIsReproachedToo) {
    dialogue.registered = temp / "uninstalled";
    EXPECT_EQ(DiscoverGameFolder("", defaultFolder, dialogue), std::nullopt);
    EXPECT_THAT(dialogue.events, ElementsAre("message Incorrect forder!", "forget", askLine()));
}

TEST_F(DiscoveryTest, AnEmptyAnswerGivesUp) {
    EXPECT_EQ(DiscoverGameFolder(temp / "moved", defaultFolder, dialogue), std::nullopt);
    EXPECT_EQ(dialogue.events.back(), askLine());
}

TEST_F(DiscoveryTest, OnlyAnOrdinaryFileCountsAsTheGame) {
    GameFolder fake(temp.path() / "fake");
    fake.addFolder("hl.exe");
    EXPECT_FALSE(FolderHoldsGame(fake.str()));
    EXPECT_TRUE(FolderHoldsGame(game.str()));
    GameFolder native(temp.path() / "native");
    native.addFile("hl_linux");
    EXPECT_FALSE(FolderHoldsGame(native.str()));
    native.addFile("hl.sh");
#ifdef _WIN32
    EXPECT_FALSE(FolderHoldsGame(native.str()));
#else
    EXPECT_TRUE(FolderHoldsGame(native.str()));  // the game's native build
#endif
    EXPECT_EQ(DefaultGameFolder("C:"), JoinPath(JoinPath("C:", "Sierra"), "Half-Life"));
}

}  // namespace
}  // namespace quorvant
