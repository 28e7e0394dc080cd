#pragma once

#include <string_view>

// Where the settings live and what their values are called. These names are shared with earlier
// installations and stay unchanged.
namespace quorvant::settings {

inline constexpr std::string_view kKeyPath = "Software\\Velmarsh Software\\Quorvant";

// The game installer's registration of its folder.
inline constexpr std::string_view kGameAppPathKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\hl.Exe";
inline constexpr std::string_view kGameAppPathValue = "Path";

inline constexpr std::string_view kHlPath = "hl_path";
inline constexpr std::string_view kHlExe = "hl_exe";
inline constexpr std::string_view kMod = "Mod";
inline constexpr std::string_view kDev = "Dev";
inline constexpr std::string_view kConsole = "Console";
inline constexpr std::string_view kNumericPing = "Numeric_Ping";
inline constexpr std::string_view kLowMemory = "Low_Memory";
inline constexpr std::string_view kHeap = "Heap";
inline constexpr std::string_view kMaxPlayers = "Max_Players";
inline constexpr std::string_view kPortServer = "Port_server";
inline constexpr std::string_view kPortClient = "Port_client";
inline constexpr std::string_view kIpHistory[] = {"IP1", "IP2", "IP3", "IP4", "IP5"};
inline constexpr std::string_view kLastIp = "Last_IP";
inline constexpr std::string_view kLastTab = "Last_onglet";
inline constexpr std::string_view kLastModMultiplayer = "Last_Mod_Mplayer";
inline constexpr std::string_view kLastModSingle = "Last_Mod_Single";
inline constexpr std::string_view kLanguage = "Language";
inline constexpr std::string_view kDedicated = "Dedicated";

// The server browser's.
inline constexpr std::string_view kBrowserFavourites = "Browser_Favourites";
inline constexpr std::string_view kBrowserColumns = "Browser_Columns";
inline constexpr std::string_view kBrowserSort = "Browser_Sort";
inline constexpr std::string_view kBrowserSource = "Browser_Source";
inline constexpr std::string_view kMasterServer = "Master_Server";
inline constexpr std::string_view kLanBroadcast = "Lan_Broadcast";

}  // namespace quorvant::settings
