#pragma once

#include <array>
#include <string>
#include <vector>

#include "launch/server_address.h"

// The choices the program keeps between runs, typed, under the names and in the values earlier
// versions stored them (settings_names.h): read once at start-up, written at the moments that
// store them. Texts are byte strings in the system's encoding, as the store keeps them.
namespace quorvant {

// The tab the window closed on: none stored (the create panel), the create panel, the join
// panel, the single-player panel, or something else (which restores no tab).
enum class StoredTab { None, Create, Join, SinglePlayer, Other };

struct StoredChoices {
    std::string gameFolder;  // hl_path
    std::string executable;  // hl_exe
    std::string mod;         // Mod
    std::string lastMultiplayerMod;
    std::string lastSinglePlayerMod;
    // The switches of the configuration panel: "1" alone is on.
    bool developer = false;
    bool console = false;
    bool numericPing = false;
    bool lowMemory = false;
    std::string heap;
    std::string maxPlayers;
    std::string serverPort;
    std::string joinPort;
    std::array<std::string, 5> addressHistory;  // IP1 to IP5, newest first
    std::string lastAddress;
    StoredTab lastTab = StoredTab::None;
    bool french = false;  // Language "0"; anything else is English
};

StoredChoices ReadStoredChoices();

// What GO! stores at every press, before it checks anything.
struct LaunchSettings {
    bool developer = false;
    bool console = false;
    bool numericPing = false;
    bool lowMemory = false;
    std::string heap;
    std::string maxPlayers;
    std::string serverPort;
    std::string joinPort;
    bool dedicated = false;
    std::string executable;
    std::string gameFolder;
};
void StoreLaunchSettings(const LaunchSettings& launch);

void StoreAddressHistory(const std::array<std::string, 5>& history, const std::string& joined);
void StoreLastMultiplayerMod(const std::string& mod);
void StoreLastSinglePlayerMod(const std::string& mod);
void StoreGameFolder(const std::string& folder);
void StoreExecutable(const std::string& executable);
// What closing the window stores: the tab it shows (none for the configuration panel) and the
// language.
void StoreClosing(StoredTab tab, bool french);

// The server browser's choices, under names of their own.
struct BrowserChoices {
    std::vector<ServerAddress> favourites;  // Browser_Favourites: blank-separated addresses
    std::string columnWidths;               // Browser_Columns: widths in pixels, comma-separated
    int sortColumn = 6;                     // Browser_Sort: column, then 1 for descending
    bool sortDescending = false;
    int source = 0;            // Browser_Source: the list last shown
    std::string masterServer;  // Master_Server, or the default
    std::string lanBroadcast;  // Lan_Broadcast, or the default
};

BrowserChoices ReadBrowserChoices();
void StoreFavourites(const std::vector<ServerAddress>& favourites);
void StoreBrowserLayout(const std::string& columnWidths, int sortColumn, bool sortDescending);
void StoreBrowserSource(int source);

}  // namespace quorvant
