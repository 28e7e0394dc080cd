#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/steam_library.h"

// The program's own settings: text values under its settings key.
namespace quorvant {

void CreateSettingsKey();
std::string ReadSetting(std::string_view name);
void WriteSetting(std::string_view name, std::string_view value);

// The folder the game's installer registered, or the empty text.
std::string ReadRegisteredGameFolder();

// Steam's folders on this system, in the order they are probed for the game.
std::vector<SteamFolder> ReadSteamFolders();

}  // namespace quorvant
