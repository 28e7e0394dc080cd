#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// Maps of this engine and texture files, as small as they can be, written by the tests.
namespace quorvant::testing {

inline std::string LittleLongBytes(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int part = 0; part < 4; ++part)
        bytes[std::size_t(part)] = char(value >> (8 * part) & 0xFF);
    return bytes;
}

inline std::string NameField(const std::string& name, std::size_t size = 16) {
    std::string field = name.substr(0, size);
    field.resize(size, '\0');
    return field;
}

struct BspTexture {
    std::string name;
    bool inMap = false;
};

// A version 30 map: its entities' text, its textures, its vertices and edges, and its lighting
// (the other lumps empty). Lumps may be given a lying place with `lie`: lump number, offset,
// length.
struct BspFile {
    std::string entities;
    std::vector<BspTexture> textures;
    std::vector<std::array<float, 3>> vertices;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> edges;
    std::string lighting{};  // what most of a real map's bytes are, never read by this program

    std::string bytes(const std::vector<std::array<std::uint32_t, 3>>& lies = {}) const {
        std::array<std::string, 15> lumps;
        lumps[0] = entities + '\0';
        std::string& texturesLump = lumps[2];
        texturesLump = LittleLongBytes(std::uint32_t(textures.size()));
        std::string mip;
        for (const BspTexture& texture : textures) {
            texturesLump += LittleLongBytes(std::uint32_t(4 + 4 * textures.size() + mip.size()));
            mip += NameField(texture.name) + LittleLongBytes(16) + LittleLongBytes(16);
            for (int level = 0; level < 4; ++level)
                mip += LittleLongBytes(texture.inMap ? 40 + level * 256 : 0);
            if (texture.inMap) mip += std::string(16 * 16 + 8 * 8 + 4 * 4 + 2 * 2, '\x07');
        }
        texturesLump += mip;
        for (const auto& vertex : vertices) {
            for (float part : vertex) {
                std::uint32_t raw = 0;
                std::memcpy(&raw, &part, 4);
                lumps[3] += LittleLongBytes(raw);
            }
        }
        for (const auto& [a, b] : edges) {
            lumps[12] += std::string{char(a & 0xFF), char(a >> 8), char(b & 0xFF), char(b >> 8)};
        }
        lumps[8] = lighting;
        std::string file = LittleLongBytes(30);
        std::string body;
        const std::size_t headerSize = 4 + 15 * 8;
        std::array<std::pair<std::uint32_t, std::uint32_t>, 15> places;
        for (std::size_t lump = 0; lump < lumps.size(); ++lump) {
            places[lump] = {std::uint32_t(headerSize + body.size()),
                            std::uint32_t(lumps[lump].size())};
            body += lumps[lump];
        }
        for (const auto& [lump, offset, length] : lies) places[lump] = {offset, length};
        for (const auto& [offset, length] : places)
            file += LittleLongBytes(offset) + LittleLongBytes(length);
        return file + body;
    }
};

// A WAD3 file holding `names`, each a tiny texture.
inline std::string WadFile(const std::vector<std::string>& names) {
    std::string data;
    std::string directory;
    for (const std::string& name : names) {
        const auto at = std::uint32_t(12 + data.size());
        data += std::string(40, '\x01');
        directory += LittleLongBytes(at) + LittleLongBytes(40) + LittleLongBytes(40) +
                     std::string{'\x43', '\0', '\0', '\0'} + NameField(name);
    }
    return "WAD3" + LittleLongBytes(std::uint32_t(names.size())) +
           LittleLongBytes(std::uint32_t(12 + data.size())) + data + directory;
}

}  // namespace quorvant::testing
