#include "app/file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::GameFolder;
using ::quorvant::testing::NamesSameFile;
using ::quorvant::testing::TempFolder;
using ::testing::ElementsAre;

TEST(WildcardMatch, MatchesStarsAndQuestionMarksInAnyCase) {
    EXPECT_TRUE(WildcardMatch("*.gam", "liblist.gam"));
    EXPECT_TRUE(WildcardMatch("*.gam", "LIBLIST.GAM"));
    EXPECT_TRUE(WildcardMatch("*.gam", ".gam"));
    EXPECT_FALSE(WildcardMatch("*.gam", "liblist.gam.bak"));
    EXPECT_FALSE(WildcardMatch("*.gam", "liblistgam"));
    EXPECT_TRUE(WildcardMatch("de_*_?.bsp", "de_dust_2.bsp"));
    EXPECT_FALSE(WildcardMatch("de_*_?.bsp", "de_dust_22.bsp"));
    EXPECT_TRUE(WildcardMatch("*a*b*c", "xxaxxbxxbxc"));
    EXPECT_TRUE(WildcardMatch("*", ""));
    EXPECT_FALSE(WildcardMatch("?", ""));
    EXPECT_TRUE(WildcardMatch("hl.exe", "Hl.Exe"));
}

TEST(LessIgnoringCase, OrdersByLettersFirstThenBytes) {
    EXPECT_TRUE(LessIgnoringCase("alpha", "Beta"));
    EXPECT_TRUE(LessIgnoringCase("(None)", "a"));
    EXPECT_TRUE(LessIgnoringCase("(None)", "0"));
    EXPECT_TRUE(LessIgnoringCase("ab", "ABC"));
    EXPECT_FALSE(LessIgnoringCase("b", "A"));
    // Names differing only in case still get one fixed order.
    EXPECT_NE(LessIgnoringCase("Valve", "valve"), LessIgnoringCase("valve", "Valve"));
}

TEST(ListSubfolders, GivesImmediateFoldersAsFullPathsSortedWithoutCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFolder("valve/maps").addFolder("Cstrike").addFolder("tfc").addFile("readme.txt");
    EXPECT_THAT(ListSubfolders(game.str()),
                ElementsAre(game / "Cstrike", game / "tfc", game / "valve"));
    EXPECT_TRUE(ListSubfolders(game / "missing").empty());
    EXPECT_TRUE(ListSubfolders(game / "readme.txt").empty());
}

TEST(ListFiles, ListsOrdinaryVisibleMatchingFilesSortedWithoutCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("save/b.sav")
        .addFile("save/A.SAV")
        .addFile("save/c.sav")
        .addFile("save/.hidden.sav")
        .addFile("save/notes.txt")
        .addFolder("save/folder.sav");
    EXPECT_THAT(ListFiles(game / "save", "*.sav"), ElementsAre("A.SAV", "b.sav", "c.sav"));
    EXPECT_THAT(ListFiles(game / "save", "*.txt"), ElementsAre("notes.txt"));
    EXPECT_TRUE(ListFiles(game / "nowhere", "*.sav").empty());
}

TEST(ListFiles, SortsLargeFoldersInTheOrderOfLessIgnoringCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    // Long common beginnings, names that are beginnings of others, case and bytes above ASCII;
    // no two alike but for case, which Windows holds as one file.
    std::vector<std::string> names = {
        "map_0001.bsp", "MAP_0003.bsp", "map_00010.bsp", "map_0001", "map_000", "Map_0002.bsp", "m",
        "_under",       "ZZZZZZZZZ9",   "zzzzzzzzz1",    "zzzzzzzz"};
#ifndef _WIN32
    names.push_back("\xe9t\xe9");
#endif
    for (int i = 0; i < 300; ++i) names.push_back("de_" + std::to_string(i * 7919 % 1000));
    for (const std::string& name : names) game.addFile("maps/" + name);
    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end(),
              [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
    EXPECT_EQ(ListFiles(game / "maps", "*"), expected);
}

TEST(ListFiles, SurvivesLinksThatLoopOrPointNowhere) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("mod/real.gam");
    std::filesystem::create_directory_symlink(game / "mod", game / "mod/loop");
    std::filesystem::create_symlink(game / "mod/self.gam", game / "mod/self.gam");
    std::filesystem::create_symlink(game / "mod/gone.gam", game / "mod/dangling.gam");
    EXPECT_THAT(ListFiles(game / "mod", "*.gam"), ElementsAre("real.gam"));
    EXPECT_THAT(ListSubfolders(game / "mod"), ElementsAre(game / "mod/loop"));
}

TEST(FileSearchMatches, FindsAnOrdinaryFileByPatternInAnyCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("HL.EXE").addFolder("dlls/hl.dll");
    EXPECT_TRUE(FileSearchMatches(game / "hl.exe"));
    EXPECT_TRUE(FileSearchMatches(game / "*.exe"));
    EXPECT_FALSE(FileSearchMatches(game / "dlls/*.dll"));
    EXPECT_FALSE(FileSearchMatches(game / "hlds.exe"));
}

TEST(ResolveIgnoringCase, PrefersTheExactNameAndElseFindsAnyCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFile("upper/LIBLIST.GAM").addFile("both/liblist.gam").addFile("both/LibList.gam");
    EXPECT_PRED2(NamesSameFile, ResolveIgnoringCase(game / "upper", "liblist.gam"),
                 game / "upper/LIBLIST.GAM");
    EXPECT_EQ(ResolveIgnoringCase(game / "both", "liblist.gam"), game / "both/liblist.gam");
    EXPECT_EQ(ResolveIgnoringCase(game / "none", "liblist.gam"), game / "none/liblist.gam");
}

}  // namespace
}  // namespace quorvant
