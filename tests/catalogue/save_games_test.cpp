#include "catalogue/save_games.h"

#include <gtest/gtest.h>

namespace quorvant {
namespace {

using namespace std::string_literals;

std::string Field(std::string description, std::string_view time) {
    description.resize(65, ' ');
    return description + std::string(time);
}

constexpr std::string_view kTitles =
    "// Chapter titles\r\n$position -1 0.4\r\n$effect 2\r\n\r\nC0A0TITLE\r\n{\r\nINBOUND\r\n}\r\n"
    "c1a0title\r\n{\r\n  ANOMALOUS\r\n\r\n\tMATERIALS  \r\n}\r\nEMPTY\r\n{\r\n}\r\nOPEN\r\n{\r\nno";

TEST(SaveEntryText, ShowsThePrefixTheTitleAndTheTime) {
    const std::vector<std::string> titles = {"OTHER\n{\nelsewhere\n}\n", std::string(kTitles)};
    const struct {
        const char* file;
        std::string field;
        std::string entry;
    } cases[] = {
        {"quick.sav", Field("Chapter One", "12:34"), "[Quick] Chapter One (12:34)"},
        {"Quick01.SAV", Field("Office  Complex", "01:02"), "[Quick] Office (01:02)"},
        {"QUICKSAVE.sav", std::string(65, 'x') + "99:99", "[Quick] (99:99)"},
        {"autosave.sav", Field("   c1a0  x", "00:00"), "[Auto] valve (c1a0 )"},
        {"auto.sav", "abc", "(abc)"},
        {"quic.sav", "Title  12:34", "Title (12:34)"},
        // A field without any printable character says nothing: the file's name does.
        {"empty.sav", "", "empty"},
        {"quick.sav", std::string(70, '\0'), "[Quick] quick"},
        {"Half-Life-001.sav", std::string(70, ' '), "Half-Life-001"},
        {"autosave", std::string(69, '\x01') + "\x7f", "[Auto] autosave"},
        {"a.b.sav", std::string(69, '\0') + "\xe9", "(\0\0\0\0\xe9)"s},
        // Newer versions of the game write the name of a message of titles.txt.
        {"quick.sav", Field("#C1A0TITLE", "00:05"), "[Quick] ANOMALOUS MATERIALS (00:05)"},
        {"a.sav", Field("#C9A9TITLE", "00:01"), "#C9A9TITLE (00:01)"},
        {"a.sav", Field("#C0A0TITLE again", "00:01"), "#C0A0TITLE again (00:01)"},
        {"a.sav", Field("#EMPTY", "00:01"), " (00:01)"},
        {"a.sav", Field("#OPEN", "00:01"), "#OPEN (00:01)"},
        {"a.sav", Field("#INBOUND", "00:01"), "#INBOUND (00:01)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaveEntryText("valve", c.file, c.field, titles), c.entry) << c.file << c.field;
}

}  // namespace
}  // namespace quorvant
