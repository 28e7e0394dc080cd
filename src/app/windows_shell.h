#pragma once

#include <string>

#include "app/program_start.h"

// What the program asks of Windows itself, in plain Win32 calls: starting a command line,
// opening an address through the shell, and the Windows folder.
namespace quorvant::win32 {

inline constexpr int kShowNormal = 1;     // SW_SHOWNORMAL
inline constexpr int kShowMinimised = 2;  // SW_SHOWMINIMIZED

// The game's command line: the executable quoted, as a path with blanks needs, then the tail.
std::string GameCommandLine(const ProgramStart& start);

// Notepad from the Windows folder on a file; the path goes unquoted, as Notepad takes it.
std::string NotepadCommandLine(const std::string& windowsFolder, const std::string& file);

// Starts `commandLine` without waiting, in `workingFolder` (empty: this process's own), its
// window shown as `show` says; why `program` could not be started, if it could not.
StartFailure StartCommandLine(const std::string& program, const std::string& commandLine,
                              const std::string& workingFolder, int show);

// Opens an address with the shell's default action for it, from "c:\"; whether a program took it.
bool OpenWithShell(const std::string& address);

// The Windows folder without a trailing separator, or the empty text.
std::string WindowsFolder();

}  // namespace quorvant::win32
