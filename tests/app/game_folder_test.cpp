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
// Game folders as users have them: links that loop or point nowhere, names that are not UTF-8,
// mod folders that may not be opened; and no thread to be had (a process limit), where the scan
// goes on in this thread.
TEST(DiscoverMods, CopesWithLinksOddNamesClosedFoldersAndNoThreads) {
    TempFolder temp;
    GameFolder game(temp.path());
    const std::string latin1 = "caf\xe9";
    for (const char* mod : {"a", "b", "closed", "valve"}) game.addMod(mod, "startmap");
    game.addMod(latin1, "game \"Caf\xe9\"\r\nstartmap");
    fs::permissions(temp.path() / "closed", fs::perms::none);
    fs::create_directory_symlink(".", temp.path() / "itself");  // holds no descriptor itself
    fs::create_symlink("ping", temp.path() / "pong");
    fs::create_symlink("pong", temp.path() / "ping");
    fs::create_symlink("loop.gam", temp.path() / "valve/loop.gam");
    fs::create_symlink("gone.gam", temp.path() / "valve/dangling.gam");
    EXPECT_THAT(ListSubfolders(game.str()),
                ElementsAre(game / "a", game / "b", game / latin1, game / "closed", game / "itself",
                            game / "valve"));
    EXPECT_THAT(ListFiles(game / "valve", "*.gam"), ElementsAre("liblist.gam"));
    EXPECT_EQ(GetDescriptorValue(ReadModDescriptor(game.str(), latin1), kGameKey), "Caf\xe9");
    EXPECT_EQ(ReadModDescriptor(game.str(), "pong"), "");
    EXPECT_TRUE(AsOrdinaryUser([&game, &latin1] {
        rlimit saved{};
        getrlimit(RLIMIT_NPROC, &saved);
        const rlimit none{0, saved.rlim_max};  // no process or thread more for this user
        if (setrlimit(RLIMIT_NPROC, &none) != 0) return false;
        const InstalledMods mods = DiscoverMods(game.str());
        setrlimit(RLIMIT_NPROC, &saved);
        const std::vector<std::string> expected = {"a", "b", latin1, "valve"};
        return mods.multiplayer == expected && mods.singlePlayer == expected &&
               ReadModDescriptor(game.str(), "closed").empty();
    }));
}
#endif

}  // namespace
}  // namespace quorvant
