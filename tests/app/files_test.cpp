// Listing, finding, reading and writing files as the game's folders hold them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

#include "app/file_io.h"
#include "app/file_system.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using ::testing::ElementsAre;

TEST(WildcardMatch, MatchesStarsAndQuestionMarksInAnyCase) {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"*.gam", "LIBLIST.GAM", true},
        {"*.gam", ".gam", true},
        {"*.gam", "liblist.gam.bak", false},
        {"*.gam", "a_gam", false},
        {"de_*_?.bsp", "de_dust_2.bsp", true},
        {"*", "", true},
        {"de_*_?.bsp", "de_dust_22.bsp", false},
        {"*a*b*c", "xaxbxbxc", true},
        {"?", "", false}};
    for (const auto& [pattern, name, matches] : rows)
        EXPECT_EQ(WildcardMatch(pattern, name), matches) << pattern << " " << name;
}

// Ordinary visible entries, sorted as LessIgnoringCase does: letters by their small form, other
// bytes as they are, a beginning before the longer name, and names alike but for case in one
// fixed order. Names are found in any case.
TEST(FileLists, ListOrdinaryVisibleEntriesSortedWithoutCaseAndFindNamesInAnyCase) {
    TempFolder temp;
    GameFolder game(temp.path());
    game.addFolder("valve/maps").addFolder("Cstrike").addFile("HL.EXE").addFolder("dlls/hl.dll");
    game.addFile("save/b.sav").addFile("save/A.SAV").addFile("save/.hidden.sav");
    game.addFile("save/notes.txt").addFolder("save/folder.sav");
    EXPECT_THAT(ListSubfolders(game.str()),
                ElementsAre(game / "Cstrike", game / "dlls", game / "save", game / "valve"));
    EXPECT_THAT(ListFiles(game / "save", "*.sav"), ElementsAre("A.SAV", "b.sav"));
    EXPECT_TRUE(ListFiles(game / "nowhere", "*").empty() &&
                ListSubfolders(game / "HL.EXE").empty());
    EXPECT_TRUE(FileSearchMatches(game / "hl.exe") && FileSearchMatches(game / "*.exe"));

    game.addFile("upper/LIBLIST.GAM").addFile("both/liblist.gam").addFile("both/LibList.gam");
    std::error_code error;  // Windows may give any spelling of the one file
    EXPECT_TRUE(fs::equivalent(ResolveIgnoringCase(game / "upper", "liblist.gam"),
                               game / "upper/LIBLIST.GAM", error));
    EXPECT_EQ(ResolveIgnoringCase(game / "both", "liblist.gam"), game / "both/liblist.gam");
    EXPECT_EQ(ResolveIgnoringCase(game / "none", "liblist.gam"), game / "none/liblist.gam");

    std::istringstream words(
        "(None) 0 _under ab ABC alpha Beta m map_000 map_0001 map_0001.bsp map_00010.bsp "
        "Map_0002.bsp MAP_0003.bsp zzzzzzzz zzzzzzzzz1 ZZZZZZZZZ9");
    std::vector<std::string> ordered{std::istream_iterator<std::string>(words), {}};
#ifndef _WIN32
    ordered.push_back("\xe9t\xe9");
#endif
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        game.addFile("maps/" + ordered[i]);
        for (std::size_t j = 0; j < ordered.size(); ++j)
            EXPECT_EQ(LessIgnoringCase(ordered[i], ordered[j]), i < j) << i << " " << j;
    }
    EXPECT_TRUE(LessIgnoringCase("Valve", "valve") && !LessIgnoringCase("valve", "Valve"));
    EXPECT_EQ(ListFiles(game / "maps", "*"), ordered);
}

TEST(WithFinalLineEnd, AddsCrLfOnlyWhenTheTextLacksALineEnd) {
    const std::pair<const char*, const char*> rows[] = {
        {"a\r\nb", "a\r\nb\r\n"}, {"a\r\n", "a\r\n"}, {"a\n", "a\n"}, {"a\r", "a\r"}, {"", "\r\n"}};
    for (const auto& [text, ended] : rows) EXPECT_EQ(WithFinalLineEnd(text), ended);
}

TEST(ReadingFiles, GivesEveryByteAndNothingForFoldersPipesOrMissingFiles) {
    TempFolder temp;
    const std::string bytes("a\0b\r\n\xff", 6);
    WriteFile(temp / "file.bin", bytes);
    EXPECT_EQ(ReadWholeFile(temp / "file.bin"), bytes);
    EXPECT_EQ(ReadFileForEdit(temp / "file.bin"), bytes);
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 2, 3), "b\r\n");
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 4, 5), "\n\xff");  // what exists of the range
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 20, 5), "");
    EXPECT_EQ(ReadFileForEdit(temp / "missing"), "");  // a file yet to be made
    EXPECT_EQ(ReadFileForEdit(temp.str()), std::nullopt);
    std::vector<std::string> unreadable = {temp / "missing", temp.str()};
#ifndef _WIN32
    // A pipe in a descriptor's or a saved game's place must not hold the window up.
    ASSERT_EQ(mkfifo((temp / "pipe").c_str(), 0644), 0);
    unreadable.push_back(temp / "pipe");
#endif
    for (const std::string& path : unreadable) {
        EXPECT_EQ(ReadWholeFile(path), std::nullopt) << path;
        EXPECT_EQ(ReadFilePart(path, 0, 5), std::nullopt) << path;
    }
    if (!CanTryPermissions()) return;
    fs::permissions(temp / "file.bin", fs::perms::others_write);
    fs::permissions(temp.path(), fs::perms::all);
    EXPECT_TRUE(AsOrdinaryUser([&] { return !ReadFileForEdit(temp / "file.bin").has_value(); }));
}

TEST(WriteFileAtomically, ReplacesTheFileWholeOrLeavesEverythingAsItWas) {
    TempFolder temp;
    WriteFile(temp / "server.cfg", "old content that is longer");
    fs::create_hard_link(temp / "server.cfg", temp / "reader.cfg");
    ASSERT_TRUE(WriteFileAtomically(temp / "server.cfg", "new"));
    EXPECT_EQ(ReadFile(temp / "server.cfg"), "new");
    // A new file took the name: whoever has the old one open still reads it whole.
    EXPECT_EQ(ReadFile(temp / "reader.cfg"), "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(temp / "created.cfg", ""));
    EXPECT_EQ(ReadFile(temp / "created.cfg"), "");
    fs::create_directory(temp / "folder.cfg");
    EXPECT_FALSE(WriteFileAtomically(temp / "folder.cfg", "x"));
    EXPECT_FALSE(WriteFileAtomically(temp / "missing/mod/liblist.gam", "x"));
    EXPECT_TRUE(fs::is_directory(temp / "folder.cfg") && !fs::exists(temp / "missing"));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 4)
        << "a temporary file was left";
#ifndef _WIN32  // links need privileges on Windows, whose permissions are not modes
    fs::permissions(temp / "server.cfg", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(temp / "server.cfg", temp / "link.cfg");
    ASSERT_TRUE(WriteFileAtomically(temp / "link.cfg", "through the link"));
    EXPECT_TRUE(fs::is_symlink(temp / "link.cfg"));
    EXPECT_EQ(ReadFile(temp / "server.cfg"), "through the link");
    EXPECT_EQ(fs::status(temp / "server.cfg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
#endif
}

}  // namespace
}  // namespace quorvant
