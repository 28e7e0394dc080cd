#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/bsp_map.h"

// What a map needs from outside its own file, and what of it the game would not find.
namespace quorvant {

// The largest part of a map file read: far more than any real map holds.
inline constexpr std::size_t kMapLumpLimit = std::size_t(128) << 20;

// The folders the game looks for a mod's files in, in its order: the mod's _addon and
// _downloads folders, the mod, then the base game and its _downloads folder. Names in any case.
std::vector<std::string> SearchFolders(const std::string& gameFolder, const std::string& mod);

struct MapCheck {
    bool readable = false;
    std::string file;  // the map file where the game finds it; empty when it finds none
    // Files as the map names them below the mod folder ("de_x.wad", "sprites/fire.spr",
    // "gfx/env/skyup.tga", "sound/ambience/wind.wav"), in the order found.
    std::vector<std::string> needed;
    std::vector<std::string> missing;
    // Textures the map expects of its WADs that none of the WADs found holds.
    std::vector<std::string> missingTextures;
    // The needed files found outside the base game, as they are named on disk below the folder
    // that holds them: what a client without them downloads.
    std::vector<std::string> downloadable;
};

// Reads the map file (as the map list names it, "de_x.bsp") from the mod's maps folder, and
// looks for everything it needs.
MapCheck CheckMap(const std::string& gameFolder, const std::string& mod,
                  const std::string& mapFile);

// The map's overview image, overviews/<map>.bmp in the folders the game looks in, or the empty
// text.
std::string OverviewPath(const std::string& gameFolder, const std::string& mod,
                         const std::string& mapFile);

// The map's edges seen from above, read from its file.
std::optional<MapOutline> LoadMapOutline(const std::string& gameFolder, const std::string& mod,
                                         const std::string& mapFile);

}  // namespace quorvant
