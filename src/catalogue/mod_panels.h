#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the main window's panels show of a selected mod, read from the mod's files in one go: the
// handlers of the mod lists only show it.
namespace quorvant {

// The descriptor's game name, version and web address; empty where it has none.
struct ModInformation {
    std::string name;
    std::string version;
    std::string url;

    bool operator==(const ModInformation&) const = default;
};

// The create panel: the information, the bot list (the libraries of the mod's dlls folder as the
// bot table names them, for the mods that play against bots), the entry of the library the
// descriptor loads (nothing: the first entry), and the map files of its maps folder.
struct MultiplayerPanel {
    ModInformation information;
    std::vector<std::string> bots;
    std::optional<std::string> currentBot;
    std::vector<std::string> maps;
};

MultiplayerPanel LoadMultiplayerPanel(const std::string& gameFolder, std::string_view mod);

// The map's title, from the map's own text file: its first line.
std::string LoadMapTitle(const std::string& gameFolder, std::string_view mod,
                         std::string_view mapFile);

struct SavedGame {
    std::string file;   // the file's name in the mod's Save folder
    std::string entry;  // its description, as the list shows it
};

// The single-player panel: the information, whether the intro can be skipped (valve only), the
// start and training maps the descriptor names, and the saved games in the order of their files.
struct SinglePlayerPanel {
    ModInformation information;
    bool skippableIntro = false;
    std::optional<std::string> startMap;
    std::optional<std::string> trainingMap;
    std::vector<SavedGame> saves;
};

SinglePlayerPanel LoadSinglePlayerPanel(const std::string& gameFolder, std::string_view mod);

}  // namespace quorvant
