// Map and texture files as anyone may put them in a mod folder: read within their bytes, and
// what is read taken from them.
#include "catalogue/bsp_map.h"
#include "fuzz_input.h"

namespace quorvant::fuzz {
namespace {

void CheckMap(std::string_view bsp) {
    if (const auto contents = ReadMapContents(bsp)) {
        Require(bsp.size() >= 124, "a map has its whole header");
        for (const auto* list : {&contents->models, &contents->sprites, &contents->sounds}) {
            for (const std::string& name : *list)
                Require(bsp.find(name) != std::string_view::npos, "names are the map's");
        }
        for (const MapTexture& texture : contents->textures)
            Require(texture.name.size() <= 16, "a texture's name is its field");
    }
    if (const auto outline = ReadMapOutline(bsp)) {
        Require(outline->lines.size() % 4 == 0, "an edge has two ends");
        Require(outline->lines.size() <= bsp.size(), "every end is read from the map");
    }
}

void CheckWad(std::string_view wad) {
    const auto place = WadDirectoryPlace(wad);
    if (!place) return;
    Require(wad.starts_with("WAD3"), "a texture file says it is one");
    if (place->offset > wad.size() || place->size > wad.size() - place->offset) return;
    if (const auto names = WadTextureNames(wad.substr(place->offset, place->size))) {
        for (const std::string& name : *names) Require(name.size() <= 16, "names are fields");
    }
}

}  // namespace
}  // namespace quorvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    quorvant::fuzz::CheckMap(bytes);
    quorvant::fuzz::CheckWad(bytes);
    return 0;
}
