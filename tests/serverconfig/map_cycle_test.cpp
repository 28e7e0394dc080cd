#include "serverconfig/map_cycle.h"

#include <gtest/gtest.h>

namespace quorvant {
namespace {

using namespace std::string_literals;

// Lines end with CR LF, LF or CR; comments are kept apart, blank lines and lines made only of NUL
// bytes (as some stock files end) dropped, other lines taken whole. Saved, everything ends with
// CR LF and one more after the maps, and reads back as the same cycle.
TEST(MapCycle, ParsesLinesWholeAndSavesThemWithCrLf) {
    const struct {
        std::string text;
        std::vector<std::string> maps;
        std::string comments, saved;
    } cases[] = {
        {"// first\r\narena\r\n\r\n// second\r\ncanyon\r\n",
         {"arena", "canyon"},
         "// first\r\n// second\r\n",
         "// first\r\n// second\r\narena\r\ncanyon\r\n\r\n"},
        {" // not a comment\r\nde dust \r\nlast",
         {" // not a comment", "de dust ", "last"},
         "",
         " // not a comment\r\nde dust \r\nlast\r\n\r\n"},
        {"//end", {}, "//end\r\n", "//end\r\n\r\n"},
        {"a\n\0\0\0\r\nb\0c\n\0 \n"s, {"a", "b\0c"s, "\0 "s}, "", "a\r\nb\0c\r\n\0 \r\n\r\n"s},
        {"// server\nde_dust\n\ncs_office\n",
         {"de_dust", "cs_office"},
         "// server\r\n",
         "// server\r\nde_dust\r\ncs_office\r\n\r\n"},
        {"de_dust\rcs_office\r\r\n\rlast",
         {"de_dust", "cs_office", "last"},
         "",
         "de_dust\r\ncs_office\r\nlast\r\n\r\n"},
        {"", {}, "", "\r\n"},
        {"\r\n\r\n", {}, "", "\r\n"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.text);
        const MapCycle cycle = ParseMapCycle(item.text);
        EXPECT_EQ(cycle.maps, item.maps);
        EXPECT_EQ(cycle.comments, item.comments);
        EXPECT_EQ(FormatMapCycle(cycle), item.saved);
        EXPECT_EQ(FormatMapCycle(ParseMapCycle(item.saved)), item.saved);
    }
}

}  // namespace
}  // namespace quorvant
