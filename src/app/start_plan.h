#pragma once

#include <optional>
#include <string>
#include <vector>

// How a game start runs on a system without Windows, decided from the files in the game folder
// and the programs this system has: directly, through wine, or through Steam for a native
// install that lacks the Windows executable it was asked for.
namespace quorvant {

struct ProgramStart {
    std::string workingFolder;
    std::string executablePath;
    std::string arguments;  // the command tail as built: empty, or beginning with a blank
};

// Why a program could not be started, as a message for the user; nothing when it started.
using StartFailure = std::optional<std::string>;

struct ProgramInvocation {
    std::string program;
    std::vector<std::string> arguments;  // the command tail split at blanks, after any of its own
    std::string winePrefix;              // WINEPREFIX for the child; empty keeps the inherited one
};

// The paths of the programs a start may go through; empty where this system has none.
struct HostPrograms {
    std::string wine;
    std::string steam;
    std::string flatpak;
    std::string bash;
    // Quorvant's own Windows program that starts a command line exactly as given (wine_start.c).
    std::string wineStarter;
};

// The invocation, or why there can be none.
struct StartPlan {
    ProgramInvocation invocation;
    StartFailure failure;
};

// A Windows program goes through wine, in the prefix that holds it, minimised: through the
// starter, with the command line Windows would be given (the program's Windows path quoted,
// then the tail as built), else through Wine's own "start /min".
StartPlan PlanStart(const ProgramStart& start, const HostPrograms& host);

// Whether the folder holds the game's native build: hl_linux with its hl.sh.
bool IsNativeInstall(std::string_view folder);

}  // namespace quorvant
