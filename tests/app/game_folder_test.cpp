// Finding the game folder and the mods in it, as users' folders are.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "app/file_system.h"
#include "app/installation_discovery.h"
#include "app/mod_discovery.h"
#include "catalogue/descriptor.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using ::testing::ElementsAre;

// Answers discovery's questions from a script and writes down what it was asked and told.
struct ScriptedDialogue : DiscoveryDialogue {
    std::string registered, steam, defaultFolder, events;
    std::deque<std::string> answers;

    std::string RegisteredGameFolder() override { return registered; }
    std::string SteamGameFolder() override {
        events += "steam ";
        return steam;
    }
    void ShowMessage(std::string_view text) override { events += std::string(text) + " "; }
    void ForgetStoredGameFolder() override { events += "forget "; }
    std::string AskForFolder(std::string_view prompt, std::string_view title,
                             std::string_view answer) override {
        const bool asked = prompt == "Please, enter Half-Life forder." &&
                           title == "I can't find the path!" && answer == defaultFolder;
        events += asked ? "ask " : "(other question) ";
        if (answers.empty()) return {};
        const std::string next = answers.front();
        answers.pop_front();
        return next;
    }
};

// The stored folder, the installer's registration, the default folder, Steam, then the user,
// until a folder holds the game (an ordinary hl.exe in any case); each wrong folder is
// reproached and forgotten.
TEST(DiscoverGameFolder, TriesEachPlaceInTurnUntilAFolderHoldsTheGame) {
    TempFolder temp;
    const std::string game = GameFolder(temp.path() / "Half-Life").addExecutable().str();
    const std::string atC = GameFolder(temp.path() / "C/Half-Life").addExecutable("HL.EXE").str();
    const std::string atD = temp / "D/Half-Life", reproach = "Incorrect forder! forget ask ";
    const std::string fake =
        GameFolder(temp.path() / "fake").addFolder("hl.exe").addFile("hl_linux").str();
#ifdef _WIN32
    GameFolder(fake).addFile("hl.sh");  // the game's native build is no game here
#endif
    const struct {
        std::string stored, registered, defaultFolder, steam;
        std::deque<std::string> answers;
        std::optional<std::string> found;
        std::string events;
    } rows[] = {
        {game, "", atC, "", {}, game, ""},
        {"", game, atC, "", {}, game, ""},
        {"", "", atC, game, {}, atC, ""},
        {"", "", atD, game, {}, game, "steam "},
        {"", "", atD, "", {game}, game, "steam ask "},  // without a reproach
        {fake, "", atC, "", {temp / "elsewhere", game}, game, reproach + reproach},
        {"", fake, atC, "", {}, std::nullopt, reproach},
    };
    for (const auto& row : rows) {
        ScriptedDialogue dialogue;
        dialogue.registered = row.registered;
        dialogue.steam = row.steam;
        dialogue.defaultFolder = row.defaultFolder;
        dialogue.answers = row.answers;
        EXPECT_EQ(DiscoverGameFolder(row.stored, row.defaultFolder, dialogue), row.found);
        EXPECT_EQ(dialogue.events, row.events) << &row - rows;
    }
}

TEST(DiscoverMods, ListsEveryFolderWithAGamFileAndThoseNamingAStartMapForSinglePlayer) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addExecutable()
        .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n")
        .addMod("cstrike", "game \"Counter-Strike\"\r\n")
        .addMod("Upper", "StartMap \"x\"\r\n")
        .addMod("trainer", "trainingmap \"t0a0\"\r\ntrainmap \"t0a0\"\r\n")
        .addMod("commented", "// no startmap here\r\n")
        .addMod("inword", "mystartmaps\r\n")
        .addMod("my mod", "game \"Mine\"\r\n")
        .addFile("oddmod/other.gam", "startmap \"x\"")
        .addFile("shouting/LIBLIST.GAM", "startmap \"x\"")
        .addFolder("broken/liblist.gam")
        .addFile("broken/x.gam")
        .addFile("maps/readme.txt");
    const InstalledMods mods = DiscoverMods(game.str());
    EXPECT_THAT(mods.multiplayer, ElementsAre("broken", "commented", "cstrike", "inword", "my mod",
                                              "oddmod", "shouting", "trainer", "Upper", "valve"));
    EXPECT_THAT(mods.singlePlayer, ElementsAre("commented", "inword", "shouting", "valve"));
    EXPECT_TRUE(DiscoverMods(temp / "missing").multiplayer.empty());
}

#ifndef _WIN32  // links need privileges on Windows, and narrow names do not reach it unchanged
TEST(DiscoverMods, SurvivesLinksThatLoopAndKeepsNamesByteForByte) {
    TempFolder temp;
    GameFolder game(temp.path());
    const std::string latin1 = "caf\xe9";  // not valid UTF-8
    game.addMod("valve", "startmap \"c0a0\"\r\n").addMod(latin1, "game \"Caf\xe9\"\r\nstartmap");
    fs::create_directory_symlink(".", temp.path() / "itself");
    fs::create_symlink("ping", temp.path() / "pong");
    fs::create_symlink("pong", temp.path() / "ping");
    fs::create_symlink("loop.gam", temp.path() / "valve/loop.gam");
    fs::create_symlink("gone.gam", temp.path() / "valve/dangling.gam");
    // The link to the game folder is a folder like any other, and holds no descriptor itself.
    EXPECT_THAT(ListSubfolders(game.str()),
                ElementsAre(game / latin1, game / "itself", game / "valve"));
    EXPECT_THAT(ListFiles(game / "valve", "*.gam"), ElementsAre("liblist.gam"));
    EXPECT_THAT(DiscoverMods(game.str()).singlePlayer, ElementsAre(latin1, "valve"));
    EXPECT_EQ(GetDescriptorValue(ReadModDescriptor(game.str(), latin1), kGameKey), "Caf\xe9");
    EXPECT_EQ(ReadModDescriptor(game.str(), "pong"), "");
}

// Where no thread can be started (a process limit) the scan goes on in this thread, and a mod
// folder that may not be opened is no mod.
TEST(DiscoverMods, NeedsNoThreadAndLeavesOutFoldersItMayNotOpen) {
    TempFolder temp;
    GameFolder game(temp.path());
    for (const char* mod : {"a", "b", "c", "closed", "d", "e"}) game.addMod(mod, "startmap \"x\"");
    fs::permissions(temp.path() / "closed", fs::perms::none);
    EXPECT_TRUE(AsOrdinaryUser([&game] {
        rlimit saved{};
        getrlimit(RLIMIT_NPROC, &saved);
        const rlimit none{0, saved.rlim_max};  // no process or thread more for this user
        if (setrlimit(RLIMIT_NPROC, &none) != 0) return false;
        const InstalledMods mods = DiscoverMods(game.str());
        setrlimit(RLIMIT_NPROC, &saved);
        return mods.multiplayer == std::vector<std::string>{"a", "b", "c", "d", "e"} &&
               mods.singlePlayer.size() == 5 && ReadModDescriptor(game.str(), "closed").empty();
    }));
}
#endif

}  // namespace
}  // namespace quorvant
