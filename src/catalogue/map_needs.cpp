#include "catalogue/map_needs.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "app/file_io.h"
#include "app/file_system.h"
#include "app/native_path.h"
#include "catalogue/bsp_map.h"

namespace fs = std::filesystem;

namespace quorvant {
namespace {

constexpr std::string_view kBaseGame = "valve";
constexpr std::string_view kSkySides[] = {"up", "dn", "lf", "rt", "ft", "bk"};

std::string LowerText(std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return text;
}

// The path below a folder, each part looked up in any case; empty when some part is missing.
std::string Found(const std::string& folder, const std::string& relative) {
    std::string path = folder;
    std::size_t at = 0;
    while (at <= relative.size()) {
        const std::size_t end = std::min(relative.find_first_of("/\\", at), relative.size());
        if (end > at) path = ResolveIgnoringCase(path, relative.substr(at, end - at));
        at = end + 1;
    }
    std::error_code error;
    return fs::is_regular_file(PathOf(path), error) ? path : std::string();
}

struct FoundFile {
    std::string path;
    std::size_t folder = 0;  // which of the folders holds it
};

std::optional<FoundFile> FoundInAny(const std::vector<std::string>& folders,
                                    const std::string& relative) {
    for (std::size_t folder = 0; folder < folders.size(); ++folder) {
        if (std::string path = Found(folders[folder], relative); !path.empty())
            return FoundFile{std::move(path), folder};
    }
    return std::nullopt;
}

// The found file's path below its folder, with the separators a resource list uses.
std::string BelowFolder(const FoundFile& found, const std::vector<std::string>& folders) {
    std::string relative = found.path.substr(folders[found.folder].size() + 1);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return relative;
}

// The textures a WAD file's directory lists, read without its pixels.
std::vector<std::string> WadTextures(const std::string& path) {
    const auto header = ReadFilePart(path, 0, 12);
    const auto place = header ? WadDirectoryPlace(*header) : std::nullopt;
    if (!place) return {};
    const auto directory = ReadFilePart(path, place->offset, std::size_t(place->size));
    const auto names = directory ? WadTextureNames(*directory) : std::nullopt;
    return names ? *names : std::vector<std::string>();
}

// The lumps of a map file, each read alone: the rest of the file (its faces, its lighting) is
// most of it and never needed here.
template <std::size_t N>
std::optional<std::array<std::string, N>> ReadLumps(const std::string& file,
                                                    const std::array<MapLump, N>& lumps) {
    std::error_code error;
    const std::uint64_t size = fs::file_size(PathOf(file), error);
    const auto header = error ? std::nullopt : ReadFilePart(file, 0, kMapHeaderSize);
    if (!header) return std::nullopt;
    std::array<std::string, N> read;
    for (std::size_t index = 0; index < N; ++index) {
        const auto place = LumpPlaceOf(*header, size, lumps[index]);
        if (!place || place->length > kMapLumpLimit) return std::nullopt;
        auto bytes = ReadFilePart(file, place->offset, std::size_t(place->length));
        if (!bytes || bytes->size() != place->length) return std::nullopt;
        read[index] = std::move(*bytes);
    }
    return read;
}

std::vector<std::string> NeededFiles(const MapContents& contents) {
    std::vector<std::string> needed = contents.wads;
    if (!contents.sky.empty()) {
        for (std::string_view side : kSkySides)
            needed.push_back("gfx/env/" + contents.sky + std::string(side) + ".tga");
    }
    for (const auto* list : {&contents.models, &contents.sprites}) {
        needed.insert(needed.end(), list->begin(), list->end());
    }
    for (const std::string& sound : contents.sounds) needed.push_back("sound/" + sound);
    for (std::string& path : needed) std::replace(path.begin(), path.end(), '\\', '/');
    // One file once, however the map spells it: "models\x.mdl" is "Models/X.mdl".
    std::set<std::string> seen;
    std::erase_if(
        needed, [&seen](const std::string& path) { return !seen.insert(LowerText(path)).second; });
    return needed;
}

}  // namespace

std::vector<std::string> SearchFolders(const std::string& gameFolder, const std::string& mod) {
    std::vector<std::string> folders;
    const auto add = [&](const std::string& name) {
        const std::string folder = ResolveIgnoringCase(gameFolder, name);
        std::error_code error;
        if (fs::is_directory(PathOf(folder), error) &&
            std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    for (const std::string& name : {mod + "_addon", mod + "_downloads", mod}) add(name);
    add(std::string(kBaseGame));
    add(std::string(kBaseGame) + "_downloads");
    return folders;
}

MapCheck CheckMap(const std::string& gameFolder, const std::string& mod,
                  const std::string& mapFile) {
    MapCheck check;
    const std::vector<std::string> folders = SearchFolders(gameFolder, mod);
    const auto map = FoundInAny(folders, "maps/" + mapFile);
    if (!map) return check;
    check.file = map->path;
    const auto lumps = ReadLumps(map->path, std::array{MapLump::Entities, MapLump::Textures});
    const auto contents = lumps ? ReadMapContents((*lumps)[0], (*lumps)[1]) : std::nullopt;
    if (!contents) return check;
    check.readable = true;
    check.needed = NeededFiles(*contents);
    // Clients have the base game's files, unless the base game is what is played: then its
    // folder holds this server's own content too.
    const std::string baseGame = ResolveIgnoringCase(gameFolder, kBaseGame);
    const bool playingBaseGame = ResolveIgnoringCase(gameFolder, mod) == baseGame;
    std::set<std::string> inWads;
    for (const std::string& path : check.needed) {
        const auto found = FoundInAny(folders, path);
        if (!found) {
            check.missing.push_back(path);
            continue;
        }
        if (playingBaseGame || folders[found->folder] != baseGame)
            check.downloadable.push_back(BelowFolder(*found, folders));
        if (path.find('/') == std::string::npos) {  // a WAD
            for (const std::string& name : WadTextures(found->path)) inWads.insert(LowerText(name));
        }
    }
    const bool everyWadFound =
        std::none_of(check.missing.begin(), check.missing.end(),
                     [](const std::string& path) { return path.find('/') == std::string::npos; });
    for (const MapTexture& texture : contents->textures) {
        // A texture a missing WAD may hold is told as the WAD.
        if (!texture.inMap && everyWadFound && !inWads.contains(LowerText(texture.name)))
            check.missingTextures.push_back(texture.name);
    }
    return check;
}

std::string OverviewPath(const std::string& gameFolder, const std::string& mod,
                         const std::string& mapFile) {
    const std::string map = mapFile.substr(0, mapFile.rfind('.'));
    const auto found = FoundInAny(SearchFolders(gameFolder, mod), "overviews/" + map + ".bmp");
    return found ? found->path : std::string();
}

std::optional<MapOutline> LoadMapOutline(const std::string& gameFolder, const std::string& mod,
                                         const std::string& mapFile) {
    const auto map = FoundInAny(SearchFolders(gameFolder, mod), "maps/" + mapFile);
    const auto lumps =
        map ? ReadLumps(map->path, std::array{MapLump::Vertices, MapLump::Edges}) : std::nullopt;
    return lumps ? ReadMapOutline((*lumps)[0], (*lumps)[1]) : std::nullopt;
}

}  // namespace quorvant
