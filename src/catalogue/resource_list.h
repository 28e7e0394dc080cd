#pragma once

#include <optional>
#include <string>

#include "catalogue/map_needs.h"

// The resource list of a map, maps/<map>.res: the files a client without them downloads from
// the server along with the map.
namespace quorvant {

struct ResourceList {
    // In the mod's maps folder, wherever the map was found: the list is this mod's. An existing
    // list of its name in another case is the one replaced.
    std::string path;
    std::string name;  // the file name alone, "de_x.res"
    // A comment saying what the list is, then one path a line below the mod folder; Windows line
    // ends, as the game's own files have.
    std::string text;
    bool exists = false;
};

// The resource list of a checked map naming what it needs beyond the base game; nothing when
// the map did not read.
std::optional<ResourceList> ResourceListOf(const std::string& gameFolder, const std::string& mod,
                                           const MapCheck& check);

}  // namespace quorvant
