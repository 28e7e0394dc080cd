#pragma once

#include <optional>
#include <string>
#include <vector>

// Starting the game as a process of its own that nobody waits for, in plain system calls.
namespace quorvant {

struct ProgramStart {
    std::string workingFolder;
    std::string executablePath;
    std::string arguments;  // the command tail as built: empty, or beginning with a blank
};

// Why a program could not be started, as a message for the user; nothing when it started.
using StartFailure = std::optional<std::string>;

#ifndef _WIN32

// How a program runs on a system without Windows: the tail split at blanks, and a Windows
// program (known by its content) run through `wine` in the prefix that holds it.
struct ProgramInvocation {
    std::string program;
    std::vector<std::string> arguments;
    std::string winePrefix;  // WINEPREFIX for the child; empty keeps the inherited one
};

// The invocation for `start`, with `wine` the path of the wine program (empty when there is
// none); nothing when the program is for Windows and there is no wine to run it.
std::optional<ProgramInvocation> InvocationFor(const ProgramStart& start, const std::string& wine);

// The path of `name` in a folder of $PATH where it may be executed, or the empty text.
std::string FindInPath(const std::string& name);

// Starts the invocation detached, in `workingFolder`; the reason it could not start, if any.
StartFailure StartDetached(const ProgramInvocation& invocation, const std::string& workingFolder);

#endif

// Starts the game detached, its window minimised where the system has such a thing.
StartFailure StartGame(const ProgramStart& start);

}  // namespace quorvant
