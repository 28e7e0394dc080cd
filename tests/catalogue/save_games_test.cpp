#include "catalogue/save_games.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteFile;

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
    EXPECT_EQ(SaveEntryText("valve", "empty.sav", ""), "()");
    EXPECT_EQ(SaveEntryText("valve", "short.sav", "abc"), "(abc)");
    EXPECT_EQ(SaveEntryText("valve", "short.sav", "Title  12:34"), "Title (12:34)");
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
