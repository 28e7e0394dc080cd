// A map's needs: what the map file names, read from its bytes whatever they claim, and what the
// game would find of it in the mod's folders and the base game's.
#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/bsp_map.h"
#include "catalogue/map_needs.h"
#include "catalogue/resource_list.h"
#include "support/map_files.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

using namespace ::quorvant::testing;
using Names = std::vector<std::string>;

const char kEntities[] = R"({
"classname" "worldspawn"
"wad" "\sierra\half-life\valve\halflife.wad;\half-life\cstrike\de_x.wad;c:/maps/CUSTOM.WAD"
"skyname" "city"
}
{
"classname" "ambient_generic"
"message" "ambience/wind1.wav"
}
{
"model" "*3"
"classname" "func_door"
"noise1" "doors/doormove1.wav"
"message" "not a sound of a door"
}
{
"classname" "env_sprite"
"model" "sprites/fire.spr"
}
{
"classname" "cycler"
"model" "models/Barney.mdl"
}
{
"classname" "cycler"
"model" "models\barney.mdl"
}
)";

BspFile Map(std::vector<BspTexture> textures = {{"CRATE1"}, {"{FENCE", true}}) {
    return {kEntities,
            std::move(textures),
            {{0, 0, 0}, {512, 0, 0}, {512, -256, 64}},
            {{0, 1}, {1, 2}, {2, 0}},
            {}};
}

TEST(MapFiles, AMapNamesItsWadsSkyModelsSpritesSoundsAndTextures) {
    const auto contents = ReadMapContents(Map().bytes());
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->wads, (Names{"halflife.wad", "de_x.wad", "CUSTOM.WAD"}));
    EXPECT_EQ(contents->sky, "city");
    EXPECT_EQ(contents->models, (Names{"models/Barney.mdl", "models\\barney.mdl"}));
    EXPECT_EQ(contents->sprites, Names{"sprites/fire.spr"});
    EXPECT_EQ(contents->sounds, (Names{"ambience/wind1.wav", "doors/doormove1.wav"}));
    EXPECT_EQ(contents->textures, (std::vector<MapTexture>{{"CRATE1", false}, {"{FENCE", true}}));
    const auto outline = ReadMapOutline(Map().bytes());
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->lines,
              (std::vector<float>{0, 0, 512, 0, 512, 0, 512, -256, 512, -256, 0, 0}));
    EXPECT_EQ(std::vector({outline->minX, outline->minY, outline->maxX, outline->maxY}),
              std::vector<float>({0, -256, 512, 0}));

    const std::string wad = WadFile({"CRATE1", "OTHER"});
    const auto place = WadDirectoryPlace(wad);
    ASSERT_TRUE(place);
    EXPECT_EQ(WadTextureNames(std::string_view(wad).substr(place->offset, place->size)),
              (Names{"CRATE1", "OTHER"}));
}

// Files that lie about themselves are unreadable, never read past their end.
TEST(MapFiles, ATruncatedOrLyingFileIsUnreadable) {
    const std::string good = Map().bytes();
    std::string otherVersion = good;
    otherVersion[0] = 29;
    std::string tooManyTextures = good;
    const std::size_t texturesAt = std::size_t(static_cast<unsigned char>(good[4 + 2 * 8])) |
                                   std::size_t(static_cast<unsigned char>(good[4 + 2 * 8 + 1]))
                                       << 8;
    tooManyTextures.replace(texturesAt, 4, LittleLongBytes(1000000));
    std::string offsetPastLump = good;
    offsetPastLump.replace(texturesAt + 4, 4, LittleLongBytes(1000000));
    BspFile edgePastVertices = Map();
    edgePastVertices.edges.emplace_back(2, 3);
    const struct {
        const char* what;
        std::string bytes;
        bool outlined;
    } rows[] = {
        {"another version", otherVersion, false},
        {"a header cut short", good.substr(0, 60), false},
        {"the entities past the end", Map().bytes({{0, 0xFFFFFF00U, 16}}), true},
        {"the textures longer than the file", Map().bytes({{2, 200, 0x7FFFFFFF}}), true},
        {"more textures than the lump holds", tooManyTextures, true},
        {"a texture's offset past its lump", offsetPastLump, true},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(ReadMapContents(row.bytes)) << row.what;
        EXPECT_EQ(ReadMapOutline(row.bytes).has_value(), row.outlined) << row.what;
    }
    EXPECT_FALSE(ReadMapOutline(edgePastVertices.bytes()));
    EXPECT_FALSE(WadDirectoryPlace("WAD2\1\0\0\0\0\0\0\0"));
    EXPECT_FALSE(WadDirectoryPlace(std::string("WAD3\xFF\xFF\xFF\x7F\0\0\0\0", 12)));
    EXPECT_FALSE(WadTextureNames(std::string(33, 'x')));
}

// Each file in the first folder the game looks in that holds it, names in any case; textures
// checked against the WADs found.
TEST(MapNeeds, WhatTheGameWouldNotFindIsMissing) {
    TempFolder temp;
    GameFolder game(temp / "game");
    game.addFile("cstrike/maps/de_x.bsp", Map({{"CRATE1"}, {"CRATE2"}, {"{FENCE", true}}).bytes())
        .addFile("valve/halflife.wad", WadFile({"CRATE1"}))
        .addFile("cstrike/DE_X.WAD", WadFile({"other"}))
        .addFile("cstrike_downloads/Sprites/FIRE.SPR")
        .addFile("cstrike_addon/models/barney.mdl")
        .addFile("cstrike/sound/ambience/wind1.wav");
    for (const char* side : {"up", "dn", "lf", "rt", "ft"})
        game.addFile("valve/gfx/env/city" + std::string(side) + ".tga");
    MapCheck check = CheckMap(game.str(), "cstrike", "de_x.bsp");
    EXPECT_TRUE(check.readable);
    EXPECT_EQ(check.missing,
              (Names{"CUSTOM.WAD", "gfx/env/citybk.tga", "sound/doors/doormove1.wav"}));
    EXPECT_EQ(check.missingTextures, Names{});  // a WAD is missing: its textures are told as it
    EXPECT_EQ(check.needed.size(), 13U);        // the model once, however the map spells it

    game.addFile("valve_downloads/custom.wad", WadFile({"crate2"}))
        .addFile("valve/gfx/env/citybk.tga")
        .addFile("cstrike_downloads/sound/doors/doormove1.wav");
    check = CheckMap(game.str(), "cstrike", "de_x.bsp");
    EXPECT_EQ(check.missing, Names{});
    EXPECT_EQ(check.missingTextures, Names{});
    // What clients download: all but the base game's own files, named as they are on disk.
    const Names onDisk{"DE_X.WAD",
                       "custom.wad",
                       "models/barney.mdl",
                       "Sprites/FIRE.SPR",
                       "sound/ambience/wind1.wav",
                       "sound/doors/doormove1.wav"};
    const Names asNamed{"de_x.wad",
                        "CUSTOM.WAD",
                        "models/Barney.mdl",
                        "sprites/fire.spr",
                        "sound/ambience/wind1.wav",
                        "sound/doors/doormove1.wav"};
    EXPECT_EQ(check.downloadable, kNamesAsOnDisk ? onDisk : asNamed);
    // A server of the base game itself serves what its folder holds.
    game.addFile("valve/maps/crossfire.bsp", Map().bytes());
    EXPECT_EQ(CheckMap(game.str(), "valve", "crossfire.bsp").downloadable.front(), "halflife.wad");
    game.addFile("valve_downloads/custom.wad", WadFile({"crate3"}));
    EXPECT_EQ(CheckMap(game.str(), "cstrike", "de_x.bsp").missingTextures, Names{"CRATE2"});

    game.addFile("cstrike/maps/broken.bsp", "VBSP")
        .addFile("cstrike/maps/lying.bsp", Map().bytes({{2, 200, 0x7FFFFFFF}}));
    EXPECT_FALSE(CheckMap(game.str(), "cstrike", "broken.bsp").readable);
    EXPECT_FALSE(CheckMap(game.str(), "cstrike", "lying.bsp").readable);
    EXPECT_TRUE(LoadMapOutline(game.str(), "cstrike", "lying.bsp"));
    EXPECT_FALSE(CheckMap(game.str(), "cstrike", "absent.bsp").readable);
}

// In the mod's maps folder, one path a line; an existing list in another case is the one
// replaced.
TEST(MapNeeds, AResourceListNamesWhatClientsDownload) {
    TempFolder temp;
    GameFolder game(temp / "game");
    game.addFile("cstrike/Maps/CS_Y.RES");
    MapCheck check{true, game / "cstrike/maps/de_x.bsp", {}, {}, {}, {"de_x.wad", "sound/a.wav"}};
    auto list = ResourceListOf(game.str(), "cstrike", check);
    ASSERT_TRUE(list);
    const std::string maps = game / (kNamesAsOnDisk ? "cstrike/Maps/" : "cstrike/maps/");
    EXPECT_EQ(list->path, maps + "de_x.res");
    EXPECT_EQ(list->name, "de_x.res");
    EXPECT_EQ(list->text,
              "// de_x: the files clients download with this map\r\nde_x.wad\r\nsound/a.wav\r\n");
    EXPECT_FALSE(list->exists);
    check.file = game / "valve/maps/cs_y.bsp";  // a map of the base game, played on this mod
    list = ResourceListOf(game.str(), "cstrike", check);
    ASSERT_TRUE(list);
    const std::string name = kNamesAsOnDisk ? "CS_Y.RES" : "cs_y.res";
    EXPECT_EQ(std::tuple(list->path, list->name, list->exists),
              std::tuple(maps + name, name, true));
    check.readable = false;
    EXPECT_FALSE(ResourceListOf(game.str(), "cstrike", check));
}

}  // namespace
}  // namespace quorvant
