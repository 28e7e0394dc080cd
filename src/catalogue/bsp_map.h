#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The maps of this engine (BSP version 30), read from their bytes with bounds checks only: a
// map whose header, lumps or counts do not hold together is unreadable, never read past.
namespace quorvant {

inline constexpr int kMapVersion = 30;

struct MapTexture {
    std::string name;
    bool inMap = false;  // its pixels are in the map; else a WAD must hold it

    bool operator==(const MapTexture&) const = default;
};

// What a map names that the game must find elsewhere, in the map's own words.
struct MapContents {
    std::vector<std::string> wads;     // the file names of worldspawn's "wad" list
    std::string sky;                   // worldspawn's "skyname"
    std::vector<std::string> models;   // entities' "model" files (not the map's own "*N")
    std::vector<std::string> sprites;  // "model" files that are sprites
    std::vector<std::string> sounds;   // below sound/: ambient "message", "noise*" keys
    std::vector<MapTexture> textures;
};

// The header of a map and the parts of it (lumps) this program reads: a map's needs and its
// drawing come from a few lumps, read alone without the rest of the file.
inline constexpr std::size_t kMapHeaderSize = 4 + 15 * 8;
enum class MapLump { Entities = 0, Textures = 2, Vertices = 3, Edges = 12 };

struct LumpPlace {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};
// Where a map's header puts a lump, when it is a map's header and the lump lies within a file
// of `fileSize` bytes.
std::optional<LumpPlace> LumpPlaceOf(std::string_view header, std::uint64_t fileSize, MapLump lump);

std::optional<MapContents> ReadMapContents(std::string_view bsp);
std::optional<MapContents> ReadMapContents(std::string_view entities, std::string_view textures);

// The map's edges seen from above, as x1 y1 x2 y2 in map units, for a drawing of it.
struct MapOutline {
    std::vector<float> lines;  // four values an edge
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
};

std::optional<MapOutline> ReadMapOutline(std::string_view bsp);
std::optional<MapOutline> ReadMapOutline(std::string_view vertices, std::string_view edges);

// The texture names a WAD3 file's directory lists; nothing for a file that is not one. Only
// the header and the directory are read: `directory` gives where they are.
struct WadDirectory {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};
std::optional<WadDirectory> WadDirectoryPlace(std::string_view header);
std::optional<std::vector<std::string>> WadTextureNames(std::string_view directory);

}  // namespace quorvant
