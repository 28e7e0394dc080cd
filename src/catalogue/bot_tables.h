#pragma once

#include <optional>
#include <string>
#include <string_view>

// Bot libraries of the two mods that can play against bots. A bot is a library the game loads
// in place of the mod's own one; the bot list shows each library of the mod's dlls folder under
// a bot name, and launching writes the chosen entry's library back into the descriptor.
namespace quorvant {

inline constexpr std::string_view kNoBotEntry = "(None)";

// Whether the mod gets a bot list at all: only "cstrike" and "tfc", exactly.
bool ModHasBots(std::string_view mod);

// How a library file found in the mod's dlls folder is listed (file names compared exactly).
std::string BotEntryFor(std::string_view mod, std::string_view libraryFile);

// The entry to select for the mod's current game library: nothing means the first entry.
std::optional<std::string> BotTargetFor(std::string_view mod, std::string_view currentLibrary);

// The library file an entry stands for; nothing when the entry names no library for the mod.
std::optional<std::string> LibraryForBotEntry(std::string_view mod, std::string_view entry);

}  // namespace quorvant
