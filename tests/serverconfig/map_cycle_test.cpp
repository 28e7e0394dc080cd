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
        {" //x\r\nd d \r\nz", {" //x", "d d ", "z"}, "", " //x\r\nd d \r\nz\r\n\r\n"},
        {"//end", {}, "//end\r\n", "//end\r\n\r\n"},
        {"a\n\0\0\0\r\nb\0c\n\0 \n"s, {"a", "b\0c"s, "\0 "s}, "", "a\r\nb\0c\r\n\0 \r\n\r\n"s},
        {"//s\na\n\nb\n", {"a", "b"}, "//s\r\n", "//s\r\na\r\nb\r\n\r\n"},
        {"a\rb\r\r\n\rc", {"a", "b", "c"}, "", "a\r\nb\r\nc\r\n\r\n"},
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
