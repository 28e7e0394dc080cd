#include "catalogue/map_titles.h"

#include <gtest/gtest.h>

#include "app/file_system.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

TEST(MapTitleFrom, TakesTheFirstEndedLine) {
    EXPECT_EQ(MapTitleFrom("Dust\r\nA desert town\r\n"), "Dust");
    EXPECT_EQ(MapTitleFrom("One line only"), "");
    EXPECT_EQ(MapTitleFrom("Unix ends\nsecond\n"), "Unix ends");
    EXPECT_EQ(MapTitleFrom("Old Mac ends\rsecond\r"), "Old Mac ends");
    EXPECT_EQ(MapTitleFrom("\r\n"), "");
}

TEST(MapTitlePath, SwapsTheLastThreeCharactersAndFindsTheFileInAnyCase) {
    ::quorvant::testing::TempFolder temp;
    ::quorvant::testing::GameFolder game(temp.path());
    game.addFile("cstrike/maps/DE_DUST.TXT");
    EXPECT_PRED2(::quorvant::testing::NamesSameFile,
                 MapTitlePath(game.str(), "cstrike", "de_dust.bsp"),
                 game / "cstrike/maps/DE_DUST.TXT");
    EXPECT_EQ(MapTitlePath(game.str(), "cstrike", "x.bsp"), game / "cstrike/maps/x.txt");
}

}  // namespace
}  // namespace quorvant
