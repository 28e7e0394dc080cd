#include "catalogue/bsp_map.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_set>

#include "app/file_system.h"

namespace quorvant {
namespace {

constexpr std::size_t kTextureNameSize = 16;
constexpr std::size_t kMipTextureSize = kTextureNameSize + std::size_t(4 * 2 + 4 * 4);
constexpr std::size_t kWadEntrySize = 32;
constexpr std::size_t kMostWadEntries = 65536;  // far more textures than any WAD holds

std::uint32_t Long(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int part = 3; part >= 0; --part)
        value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(part)]);
    return value;
}

// A lump's bytes, when the header's place for it lies within the file.
std::optional<std::string_view> LumpOf(std::string_view bsp, MapLump lump) {
    const auto place = LumpPlaceOf(bsp, bsp.size(), lump);
    if (!place) return std::nullopt;
    return bsp.substr(std::size_t(place->offset), std::size_t(place->length));
}

// A fixed-size name field: up to its first NUL.
std::string FieldText(std::string_view field) {
    return std::string(field.substr(0, field.find('\0')));
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           EqualIgnoringCase(text.substr(text.size() - end.size()), end);
}

// The entities' text: blocks of quoted keys and values, as the engine reads it, each block
// handed to `use` as it is read. Anything that does not read as such ends the reading, keeping
// what came before.
using Entity = std::vector<std::pair<std::string_view, std::string_view>>;

template <typename Use>
void ReadEntities(std::string_view text, Use use) {
    std::size_t at = 0;
    const auto quoted = [&](std::string_view& out) {
        while (at < text.size() && text[at] != '"' && text[at] != '}') ++at;
        if (at >= text.size() || text[at] != '"') return false;
        const std::size_t close = text.find('"', at + 1);
        if (close == std::string_view::npos) return false;
        out = text.substr(at + 1, close - at - 1);
        at = close + 1;
        return true;
    };
    Entity entity;
    while ((at = text.find('{', at)) != std::string_view::npos) {
        ++at;
        entity.clear();
        std::string_view key, value;
        while (quoted(key) && quoted(value)) entity.emplace_back(key, value);
        use(entity);
        at = text.find('}', at);
        if (at == std::string_view::npos) break;
    }
}

// Names kept once each, in the order first named: a map names the same sound thousands of times.
class NameList {
  public:
    explicit NameList(std::vector<std::string>& names) : names_(names) {}
    void add(std::string_view name) {
        if (!name.empty() && seen_.emplace(name).second) names_.emplace_back(name);
    }

  private:
    std::vector<std::string>& names_;
    std::unordered_set<std::string_view> seen_;  // views into the entities' text
};

struct ContentLists {
    explicit ContentLists(MapContents& contents)
        : contents(contents),
          wads(contents.wads),
          models(contents.models),
          sprites(contents.sprites),
          sounds(contents.sounds) {}
    MapContents& contents;
    NameList wads, models, sprites, sounds;
};

// The file names of a "wad" value: paths of any system separated by semicolons.
void AddWads(std::string_view list, NameList& wads) {
    std::size_t at = 0;
    while (at <= list.size()) {
        const std::size_t end = std::min(list.find(';', at), list.size());
        const std::string_view path = list.substr(at, end - at);
        const std::size_t slash = path.find_last_of("\\/");
        wads.add(slash == std::string_view::npos ? path : path.substr(slash + 1));
        at = end + 1;
    }
}

void AddEntity(const Entity& entity, ContentLists& lists) {
    std::string_view classname;
    for (const auto& [key, value] : entity) {
        if (key == "classname") classname = value;
    }
    for (const auto& [key, value] : entity) {
        if (classname == "worldspawn" && key == "wad") AddWads(value, lists.wads);
        if (classname == "worldspawn" && key == "skyname") lists.contents.sky = value;
        if (key == "model" && !value.starts_with('*'))
            (EndsWithIgnoringCase(value, ".spr") ? lists.sprites : lists.models).add(value);
        const bool sound = (key == "message" && classname == "ambient_generic") ||
                           StartsWithIgnoringCase(key, "noise");
        if (sound && EndsWithIgnoringCase(value, ".wav")) lists.sounds.add(value);
    }
}

std::optional<std::vector<MapTexture>> ReadTextures(std::string_view lump) {
    std::vector<MapTexture> textures;
    if (lump.empty()) return textures;
    if (lump.size() < 4) return std::nullopt;
    const std::uint64_t count = Long(lump, 0);
    if (count > (lump.size() - 4) / 4) return std::nullopt;
    for (std::size_t index = 0; index < count; ++index) {
        const std::uint32_t offset = Long(lump, 4 + index * 4);
        if (offset == 0xFFFFFFFFU) continue;  // a texture the compiler left out
        if (offset > lump.size() || lump.size() - offset < kMipTextureSize) return std::nullopt;
        const std::string_view texture = lump.substr(offset, kMipTextureSize);
        MapTexture entry{FieldText(texture.substr(0, kTextureNameSize)),
                         Long(texture, kTextureNameSize + 8) != 0};
        if (!entry.name.empty()) textures.push_back(std::move(entry));
    }
    return textures;
}

float Float(std::string_view bytes, std::size_t at) {
    const auto value = std::bit_cast<float>(Long(bytes, at));
    return std::isfinite(value) ? value : 0.0F;
}

}  // namespace

std::optional<LumpPlace> LumpPlaceOf(std::string_view header, std::uint64_t fileSize,
                                     MapLump lump) {
    if (header.size() < kMapHeaderSize || Long(header, 0) != std::uint32_t(kMapVersion))
        return std::nullopt;
    const std::size_t entry = 4 + std::size_t(lump) * 8;
    const LumpPlace place{Long(header, entry), Long(header, entry + 4)};
    if (place.offset > fileSize || place.length > fileSize - place.offset) return std::nullopt;
    return place;
}

std::optional<MapContents> ReadMapContents(std::string_view bsp) {
    const auto entities = LumpOf(bsp, MapLump::Entities);
    const auto textures = LumpOf(bsp, MapLump::Textures);
    if (!entities || !textures) return std::nullopt;
    return ReadMapContents(*entities, *textures);
}

std::optional<MapContents> ReadMapContents(std::string_view entities, std::string_view textures) {
    MapContents contents;
    ContentLists lists(contents);
    ReadEntities(entities, [&](const Entity& entity) { AddEntity(entity, lists); });
    auto read = ReadTextures(textures);
    if (!read) return std::nullopt;
    contents.textures = std::move(*read);
    return contents;
}

std::optional<MapOutline> ReadMapOutline(std::string_view bsp) {
    const auto vertices = LumpOf(bsp, MapLump::Vertices);
    const auto edges = LumpOf(bsp, MapLump::Edges);
    if (!vertices || !edges) return std::nullopt;
    return ReadMapOutline(*vertices, *edges);
}

std::optional<MapOutline> ReadMapOutline(std::string_view vertices, std::string_view edges) {
    const std::size_t vertexCount = vertices.size() / 12;
    MapOutline outline;
    outline.lines.reserve(edges.size() / 4 * 4);
    bool first = true;
    for (std::size_t at = 0; at + 4 <= edges.size(); at += 4) {
        const auto index = [&](std::size_t part) {
            return std::size_t(static_cast<unsigned char>(edges[at + part])) |
                   std::size_t(static_cast<unsigned char>(edges[at + part + 1])) << 8;
        };
        const std::size_t a = index(0), b = index(2);
        if (a >= vertexCount || b >= vertexCount) return std::nullopt;
        for (std::size_t vertex : {a, b}) {
            const float x = Float(vertices, vertex * 12), y = Float(vertices, vertex * 12 + 4);
            outline.lines.push_back(x);
            outline.lines.push_back(y);
            outline.minX = first ? x : std::min(outline.minX, x);
            outline.maxX = first ? x : std::max(outline.maxX, x);
            outline.minY = first ? y : std::min(outline.minY, y);
            outline.maxY = first ? y : std::max(outline.maxY, y);
            first = false;
        }
    }
    return outline;
}

std::optional<WadDirectory> WadDirectoryPlace(std::string_view header) {
    if (header.size() < 12 || !header.starts_with("WAD3")) return std::nullopt;
    const std::uint64_t count = Long(header, 4);
    if (count > kMostWadEntries) return std::nullopt;
    return WadDirectory{Long(header, 8), count * kWadEntrySize};
}

std::optional<std::vector<std::string>> WadTextureNames(std::string_view directory) {
    if (directory.size() % kWadEntrySize != 0) return std::nullopt;
    std::vector<std::string> names;
    names.reserve(directory.size() / kWadEntrySize);
    for (std::size_t at = 0; at < directory.size(); at += kWadEntrySize) {
        std::string name = FieldText(directory.substr(at + 16, kTextureNameSize));
        if (!name.empty()) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace quorvant
