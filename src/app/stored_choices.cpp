#include "app/stored_choices.h"

#include <algorithm>
#include <charconv>

#include "app/settings.h"
#include "app/settings_names.h"
#include "launch/master_server.h"
#include "launch/server_list.h"

namespace quorvant {
namespace {

bool IsOn(std::string_view name) { return ReadSetting(name) == "1"; }
std::string State(bool on) { return on ? "1" : "0"; }

StoredTab TabOf(const std::string& text) {
    if (text.empty()) return StoredTab::None;
    if (text == "1") return StoredTab::Create;
    if (text == "2") return StoredTab::Join;
    if (text == "3") return StoredTab::SinglePlayer;
    return StoredTab::Other;
}

// A whole number, or -1.
int NumberOf(std::string_view text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

// "column descending", as StoreBrowserLayout writes it; a column of -1 when it does not read.
std::pair<int, bool> SortOf(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {-1, false};
    return {NumberOf(text.substr(0, blank)), text.substr(blank + 1) == "1"};
}

}  // namespace

StoredChoices ReadStoredChoices() {
    using namespace settings;
    StoredChoices choices;
    choices.gameFolder = ReadSetting(kHlPath);
    choices.executable = ReadSetting(kHlExe);
    choices.mod = ReadSetting(kMod);
    choices.lastMultiplayerMod = ReadSetting(kLastModMultiplayer);
    choices.lastSinglePlayerMod = ReadSetting(kLastModSingle);
    choices.developer = IsOn(kDev);
    choices.console = IsOn(kConsole);
    choices.numericPing = IsOn(kNumericPing);
    choices.lowMemory = IsOn(kLowMemory);
    choices.heap = ReadSetting(kHeap);
    choices.maxPlayers = ReadSetting(kMaxPlayers);
    choices.serverPort = ReadSetting(kPortServer);
    choices.joinPort = ReadSetting(kPortClient);
    for (std::size_t slot = 0; slot < choices.addressHistory.size(); ++slot)
        choices.addressHistory[slot] = ReadSetting(kIpHistory[slot]);
    choices.lastAddress = ReadSetting(kLastIp);
    choices.lastTab = TabOf(ReadSetting(kLastTab));
    choices.french = ReadSetting(kLanguage) == "0";
    return choices;
}

void StoreLaunchSettings(const LaunchSettings& launch) {
    using namespace settings;
    WriteSetting(kDev, State(launch.developer));
    WriteSetting(kConsole, State(launch.console));
    WriteSetting(kNumericPing, State(launch.numericPing));
    WriteSetting(kLowMemory, State(launch.lowMemory));
    WriteSetting(kHeap, launch.heap);
    WriteSetting(kMaxPlayers, launch.maxPlayers);
    WriteSetting(kPortServer, launch.serverPort);
    WriteSetting(kPortClient, launch.joinPort);
    WriteSetting(kDedicated, State(launch.dedicated));
    WriteSetting(kHlExe, launch.executable);
    WriteSetting(kHlPath, launch.gameFolder);
}

void StoreAddressHistory(const std::array<std::string, 5>& history, const std::string& joined) {
    WriteSetting(settings::kLastIp, joined);
    for (std::size_t slot = 0; slot < history.size(); ++slot)
        WriteSetting(settings::kIpHistory[slot], history[slot]);
}

void StoreLastMultiplayerMod(const std::string& mod) {
    WriteSetting(settings::kLastModMultiplayer, mod);
}

void StoreLastSinglePlayerMod(const std::string& mod) {
    WriteSetting(settings::kLastModSingle, mod);
}

void StoreGameFolder(const std::string& folder) { WriteSetting(settings::kHlPath, folder); }

void StoreExecutable(const std::string& executable) { WriteSetting(settings::kHlExe, executable); }

void StoreClosing(StoredTab tab, bool french) {
    const char* text = tab == StoredTab::Create         ? "1"
                       : tab == StoredTab::Join         ? "2"
                       : tab == StoredTab::SinglePlayer ? "3"
                                                        : nullptr;
    if (text) WriteSetting(settings::kLastTab, text);
    WriteSetting(settings::kLanguage, french ? "0" : "1");
}

BrowserChoices ReadBrowserChoices() {
    using namespace settings;
    BrowserChoices choices;
    choices.favourites = ReadAddressList(ReadSetting(kBrowserFavourites));
    choices.columnWidths = ReadSetting(kBrowserColumns);
    const std::string sort = ReadSetting(kBrowserSort);
    if (const auto [column, descending] = SortOf(sort); column >= 0) {
        choices.sortColumn = column;
        choices.sortDescending = descending;
    }
    choices.source = std::max(0, NumberOf(ReadSetting(kBrowserSource)));
    choices.masterServer = ReadSetting(kMasterServer);
    if (choices.masterServer.empty()) choices.masterServer = kDefaultMasterServer;
    choices.lanBroadcast = ReadSetting(kLanBroadcast);
    if (choices.lanBroadcast.empty()) choices.lanBroadcast = kDefaultLanBroadcast;
    return choices;
}

void StoreFavourites(const std::vector<ServerAddress>& favourites) {
    WriteSetting(settings::kBrowserFavourites, AddressListText(favourites));
}

void StoreBrowserLayout(const std::string& columnWidths, int sortColumn, bool sortDescending) {
    WriteSetting(settings::kBrowserColumns, columnWidths);
    WriteSetting(settings::kBrowserSort,
                 std::to_string(sortColumn) + (sortDescending ? " 1" : " 0"));
}

void StoreBrowserSource(int source) {
    WriteSetting(settings::kBrowserSource, std::to_string(source));
}

}  // namespace quorvant
