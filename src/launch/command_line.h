#pragma once

#include <optional>
#include <string>

#include "catalogue/map_titles.h"

// The game's command line for each way of playing, built from the user's choices as typed:
// nothing is checked or quoted here.
namespace quorvant {

inline constexpr char kDedicatedServerExecutable[] = "hlds.exe";
inline constexpr char kLoadScriptName[] = "quorvant.cfg";
inline constexpr char kSkipIntroMap[] = "c1a0";

enum class LaunchKind {
    Join,              // join a server
    Create,            // create a listen or dedicated server
    MultiplayerOther,  // the multiplayer panel without a sub-panel: client options only
    SinglePlayer,
    OptionsOnly,  // no panel showing: client options only
};

enum class SinglePlayerStart { None, NewGame, TrainingMap, SavedGame };

struct LaunchChoices {
    std::string gameFolder;
    std::string executable;  // the game executable's file name as typed
    bool dedicated = false;
    bool developer = false;
    bool console = false;
    bool lowMemory = false;
    std::string heapSize;
    LaunchKind kind = LaunchKind::OptionsOnly;

    // Joining
    std::string address;
    std::string joinPort;
    std::string password;

    // Creating
    std::string mod;
    std::string serverPort;
    std::string map;  // the map list's text: a map file name or "(None)"
    std::string maxPlayers;

    // Playing alone
    std::string singlePlayerMod;
    SinglePlayerStart start = SinglePlayerStart::None;
    bool skipIntro = false;  // checked and offered
    std::string startMap;
    std::string trainingMap;
    int skill = 0;  // 1 easy, 2 normal, 3 hard, 0 none chosen
};

struct LaunchCommand {
    std::string executablePath;  // game folder and executable
    std::string arguments;       // empty, or beginning with a blank
    std::string commandLine() const { return executablePath + arguments; }
};

LaunchCommand BuildLaunchCommand(const LaunchChoices& choices);

// The command as it may be shown: a password in it as asterisks.
LaunchCommand ShownCommand(const LaunchChoices& choices);

// The first mod or map name of the choices that the game would take for more than one word of
// its command line (a blank or a control character in it), which it could never load; nothing
// when every name is one word.
std::optional<std::string> NameTheGameCannotLoad(const LaunchChoices& choices);

// The load script's content for a saved game: the file name quoted, so that the console reads
// it as one argument whatever it holds; nothing for a name the console cannot read as one (a
// double quote or a control character in it).
std::optional<std::string> LoadScriptFor(const std::string& saveFileName);

}  // namespace quorvant
