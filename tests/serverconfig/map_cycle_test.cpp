#include "serverconfig/map_cycle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quorvant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MapCycle, KeepsCommentsApartAndDropsBlankLines) {
    const MapCycle cycle = ParseMapCycle("// first\r\narena\r\n\r\n// second\r\ncanyon\r\n");
    EXPECT_THAT(cycle.maps, ElementsAre("arena", "canyon"));
    EXPECT_EQ(cycle.comments, "// first\r\n// second\r\n");
    EXPECT_EQ(FormatMapCycle(cycle), "// first\r\n// second\r\narena\r\ncanyon\r\n\r\n");
    const MapCycle again = ParseMapCycle(FormatMapCycle(cycle));
    EXPECT_EQ(again.maps, cycle.maps);
    EXPECT_EQ(again.comments, cycle.comments);
}

TEST(MapCycle, TakesLinesWholeAndTheLastLineWithoutLineEnd) {
    const MapCycle cycle = ParseMapCycle(" // not a comment\r\nde dust \r\nlast");
    EXPECT_THAT(cycle.maps, ElementsAre(" // not a comment", "de dust ", "last"));
    EXPECT_EQ(ParseMapCycle("//end").comments, "//end\r\n");
}

TEST(MapCycle, ReadsLinesEndedByLfOrCrAloneAndSavesThemWithCrLf) {
    const MapCycle unix = ParseMapCycle("// server\nde_dust\n\ncs_office\n");
    EXPECT_THAT(unix.maps, ElementsAre("de_dust", "cs_office"));
    EXPECT_EQ(unix.comments, "// server\r\n");
    EXPECT_EQ(FormatMapCycle(unix), "// server\r\nde_dust\r\ncs_office\r\n\r\n");
    EXPECT_THAT(ParseMapCycle("de_dust\rcs_office\r\r\n\rlast").maps,
                ElementsAre("de_dust", "cs_office", "last"));
}

TEST(MapCycle, EmptyCycles) {
    EXPECT_THAT(ParseMapCycle("").maps, IsEmpty());
    EXPECT_THAT(ParseMapCycle("\r\n\r\n").maps, IsEmpty());
    MapCycle commentsOnly{"// none yet\r\n", {}};
    EXPECT_EQ(FormatMapCycle(commentsOnly), "// none yet\r\n\r\n");
    EXPECT_THAT(ParseMapCycle(FormatMapCycle(commentsOnly)).maps, IsEmpty());
}

}  // namespace
}  // namespace quorvant
