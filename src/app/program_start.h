#pragma once

#include <string>

#include "app/start_plan.h"

// Starting the game as a process of its own that nobody waits for, in plain system calls.
namespace quorvant {

#ifndef _WIN32

// The path of `name` in a folder of $PATH where it may be executed, or the empty text.
std::string FindInPath(const std::string& name);

// Quorvant's starter of Windows programs under Wine, beside the running program; the empty text
// when it is not there.
std::string WineStarter();

// Starts the invocation detached, in `workingFolder`; the reason it could not start, if any.
StartFailure StartDetached(const ProgramInvocation& invocation, const std::string& workingFolder);

#endif

// Starts the game detached, its window minimised where the system has such a thing.
StartFailure StartGame(const ProgramStart& start);

}  // namespace quorvant
