#include "launch/steam_servers.h"

#include <algorithm>
#include <optional>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/key_values.h"

namespace quorvant {
namespace {

void AddAddresses(const KeyValues* list, std::vector<ServerAddress>& into) {
    if (!list || !list->block) return;
    for (const KeyValues& entry : list->children) {
        const KeyValues* address = entry.find("address");
        if (!address || address->block) continue;
        const std::optional<ServerAddress> server = JoinTarget(address->value, "");
        if (server && std::find(into.begin(), into.end(), *server) == into.end())
            into.push_back(*server);
    }
}

void AddAll(const std::vector<ServerAddress>& from, std::vector<ServerAddress>& into) {
    for (const ServerAddress& server : from) {
        if (std::find(into.begin(), into.end(), server) == into.end()) into.push_back(server);
    }
}

// Each user's file: userdata/<account>/7/remote/serverbrowser_hist.vdf, in any case.
std::vector<std::string> HistoryFiles(const std::string& steamFolder) {
    std::vector<std::string> files;
    const std::string users = ResolveIgnoringCase(steamFolder, "userdata");
    for (const std::string& user : ListSubfolders(users)) {
        std::string path = user;
        for (std::string_view part : {"7", "remote", "serverbrowser_hist.vdf"})
            path = ResolveIgnoringCase(path, part);
        files.push_back(std::move(path));
    }
    return files;
}

}  // namespace

SteamServerLists ReadServerBrowserHistory(std::string_view text) {
    SteamServerLists lists;
    const std::optional<KeyValues> file = ParseKeyValues(text);
    const KeyValues* filters = file ? file->find("Filters") : nullptr;
    if (!filters) return lists;
    AddAddresses(filters->find("favorites"), lists.favourites);
    AddAddresses(filters->find("history"), lists.history);
    return lists;
}

SteamServerLists SteamServerListsOf(const std::vector<SteamFolder>& steamFolders) {
    SteamServerLists all;
    for (const SteamFolder& steam : steamFolders) {
        for (const std::string& path : HistoryFiles(steam.path)) {
            const std::optional<std::string> text = ReadWholeFile(path, kTextFileLimit);
            if (!text) continue;
            const SteamServerLists lists = ReadServerBrowserHistory(*text);
            AddAll(lists.favourites, all.favourites);
            AddAll(lists.history, all.history);
        }
    }
    return all;
}

}  // namespace quorvant
