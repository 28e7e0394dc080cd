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

TEST(MapCycle, DropsLinesMadeOnlyOfNulBytes) {
    using namespace std::string_literals;
    EXPECT_THAT(ParseMapCycle("de_aztec\r\nde_nuke\r\n\0"s).maps,
                ElementsAre("de_aztec", "de_nuke"));
    const MapCycle cycle = ParseMapCycle("a\n\0\0\0\r\nb\0c\n\0 \n"s);
    EXPECT_THAT(cycle.maps, ElementsAre("a", "b\0c"s, "\0 "s));
    EXPECT_EQ(FormatMapCycle(cycle), "a\r\nb\0c\r\n\0 \r\n\r\n"s);
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
