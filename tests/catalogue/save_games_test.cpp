#include "catalogue/save_games.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::GameFolder;
using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_literals;

std::string Field(const std::string& description, const std::string& time) {
    std::string field = description;
    field.resize(65, ' ');
    return field + time;
}

TEST(SaveEntryText, ShowsTheTitleWithOneBlankAndTheTime) {
    EXPECT_EQ(SaveEntryText("valve", "quick.sav", Field("Chapter One", "12:34")),
              "[Quick] Chapter One (12:34)");
    EXPECT_EQ(SaveEntryText("valve", "save01.sav", Field("Office  Complex", "01:02")),
              "Office (01:02)");
}

TEST(SaveEntryText, AnUntitledSaveShowsTheModAndTheTextAfterTheBlanks) {
    EXPECT_EQ(SaveEntryText("valve", "autosave.sav", Field("   c1a0  x", "00:00")),
              "[Auto] valve (c1a0 )");
    EXPECT_EQ(SaveEntryText("valve", "autosave.sav", std::string(65, ' ') + "12:34"),
              "[Auto] valve ()");
}

TEST(SaveEntryText, ATitleUsingTheWholeWidthShowsOnlyTheTime) {
    EXPECT_EQ(SaveEntryText("valve", "a.sav", std::string(65, 'x') + "99:99"), "(99:99)");
}

TEST(SaveEntryText, AShortFieldShowsWhatItHolds) {
    EXPECT_EQ(SaveEntryText("valve", "short.sav", "abc"), "(abc)");
    EXPECT_EQ(SaveEntryText("valve", "short.sav", "Title  12:34"), "Title (12:34)");
}

// A field without any printable character (an empty or blank field, zero bytes, control bytes)
// says nothing: the file's name does.
TEST(SaveEntryText, AFieldWithoutTextShowsTheFileName) {
    EXPECT_EQ(SaveEntryText("valve", "empty.sav", ""), "empty");
    EXPECT_EQ(SaveEntryText("valve", "quick.sav", std::string(70, '\0')), "[Quick] quick");
    EXPECT_EQ(SaveEntryText("valve", "Half-Life-001.sav", std::string(70, ' ')), "Half-Life-001");
    EXPECT_EQ(SaveEntryText("valve", "autosave", std::string(69, '\x01') + "\x7f"),
              "[Auto] autosave");
    EXPECT_EQ(SaveEntryText("valve", "a.b.sav", std::string(69, '\0') + "\xe9"), "(\0\0\0\0\xe9)"s);
}

constexpr std::string_view kTitles =
    "// Chapter titles\r\n$position -1 0.4\r\n$effect 2\r\n\r\nC0A0TITLE\r\n{\r\nINBOUND\r\n}\r\n"
    "c1a0title\r\n{\r\n  ANOMALOUS\r\n\r\n\tMATERIALS  \r\n}\r\n"
    "EMPTY\r\n{\r\n}\r\nOPEN\r\n{\r\nno end";

// Newer versions of the game write the name of a message of titles.txt instead of the title.
TEST(SaveEntryText, AMessageNameShowsTheMessagesText) {
    const std::vector<std::string> titles = {"OTHER\n{\nelsewhere\n}\n", std::string(kTitles)};
    EXPECT_EQ(SaveEntryText("valve", "Half-Life-001.sav", Field("#C0A0TITLE", "01:16"), titles),
              "INBOUND (01:16)");
    EXPECT_EQ(SaveEntryText("valve", "quick.sav", Field("#C1A0TITLE", "00:05"), titles),
              "[Quick] ANOMALOUS MATERIALS (00:05)");
    EXPECT_EQ(SaveEntryText("valve", "a.sav", Field("#OTHER", "00:01"), titles),
              "elsewhere (00:01)");
    // Unknown names, more than a name, and no titles at all: the description as it stands.
    EXPECT_EQ(SaveEntryText("valve", "a.sav", Field("#C9A9TITLE", "00:01"), titles),
              "#C9A9TITLE (00:01)");
    EXPECT_EQ(SaveEntryText("valve", "a.sav", Field("#C0A0TITLE again", "00:01"), titles),
              "#C0A0TITLE again (00:01)");
    EXPECT_EQ(SaveEntryText("valve", "a.sav", Field("#C0A0TITLE", "00:01")), "#C0A0TITLE (00:01)");
}

TEST(TitleText, FindsTheLinesBetweenTheBracesAfterTheName) {
    EXPECT_EQ(TitleText(kTitles, "C0A0TITLE"), "INBOUND");
    EXPECT_EQ(TitleText(kTitles, "C1A0TITLE"), "ANOMALOUS MATERIALS");
    EXPECT_EQ(TitleText(kTitles, "EMPTY"), "");
    EXPECT_EQ(TitleText(kTitles, "OPEN"), std::nullopt);
    EXPECT_EQ(TitleText(kTitles, "INBOUND"), std::nullopt);
    EXPECT_EQ(TitleText(kTitles, "$effect 2"), std::nullopt);
    EXPECT_EQ(TitleText("", "C0A0TITLE"), std::nullopt);
}

TEST(ReadTitleFiles, ReadsTheResourceFileFirstInAnyCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("valve/titles.txt", "B").addFile("valve/Resource/Titles.txt", "A");
    EXPECT_THAT(ReadTitleFiles(game.str(), "valve"), ElementsAre("A", "B"));
    EXPECT_THAT(ReadTitleFiles(game.str(), "none"), IsEmpty());
}

TEST(SavePrefix, DependsOnTheNamesBeginningInAnyCase) {
    EXPECT_EQ(SavePrefix("quick.sav"), "[Quick] ");
    EXPECT_EQ(SavePrefix("Quick01.SAV"), "[Quick] ");
    EXPECT_EQ(SavePrefix("QUICKSAVE.sav"), "[Quick] ");
    EXPECT_EQ(SavePrefix("autosave.sav"), "[Auto] ");
    EXPECT_EQ(SavePrefix("AUTOSAVE2.sav"), "[Auto] ");
    EXPECT_EQ(SavePrefix("auto.sav"), "");
    EXPECT_EQ(SavePrefix("quic.sav"), "");
}

TEST(ReadDescriptionField, TakesSeventyBytesAtTheirPlaceOrWhatExists) {
    TempFolder temp;
    std::string save(4242, '\0');
    save += Field("Hazard Course", "00:10") + "trailing bytes";
    WriteFile(temp / "full.sav", save);
    WriteFile(temp / "short.sav", std::string(4242, '\0') + "Half");
    WriteFile(temp / "tiny.sav", "");
    EXPECT_EQ(ReadDescriptionField(temp / "full.sav"), Field("Hazard Course", "00:10"));
    EXPECT_EQ(ReadDescriptionField(temp / "short.sav"), "Half");
    EXPECT_EQ(ReadDescriptionField(temp / "tiny.sav"), "");
    EXPECT_EQ(ReadDescriptionField(temp / "missing.sav"), "");
}

}  // namespace
}  // namespace quorvant
