#pragma once

#include <string>
#include <vector>

namespace quorvant {

// The installed mods: every immediate sub-folder of the game folder that holds a "*.gam" file,
// in folder order; those whose descriptor names a start map can also be played alone.
struct InstalledMods {
    std::vector<std::string> multiplayer;
    std::vector<std::string> singlePlayer;  // always a subsequence of `multiplayer`
};

InstalledMods DiscoverMods(const std::string& gameFolder);

}  // namespace quorvant
