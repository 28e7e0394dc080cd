#pragma once

#include <string_view>
#include <vector>

#include "app/steam_library.h"
#include "launch/server_address.h"

// The servers Steam's own browser keeps for its users: their favourites and their history.
namespace quorvant {

struct SteamServerLists {
    std::vector<ServerAddress> favourites;
    std::vector<ServerAddress> history;
};

// The lists of one `serverbrowser_hist.vdf`, in its order; entries without a readable address
// are left out.
SteamServerLists ReadServerBrowserHistory(std::string_view text);

// The lists of every user of every Steam folder, each address once per list.
SteamServerLists SteamServerListsOf(const std::vector<SteamFolder>& steamFolders);

}  // namespace quorvant
