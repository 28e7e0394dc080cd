#pragma once

#include <string>

// Where the game is looked for by default, and where the system's own programs live.
namespace quorvant {

// The drive the default game folder is on: on Windows the current folder's drive ("C:");
// elsewhere the Wine prefix's drive_c ($WINEPREFIX, else ~/.wine), where the game is installed.
std::string SystemDrive();

// The Windows folder without a trailing separator (elsewhere the Wine prefix's windows folder).
std::string LoadWindowsFolder();

#ifndef _WIN32
// The Wine prefix the game is looked for in: $WINEPREFIX, else ~/.wine.
std::string WinePrefix();
#endif

}  // namespace quorvant
