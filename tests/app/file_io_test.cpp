#include "app/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace quorvant {
namespace {

using ::quorvant::testing::AsOrdinaryUser;
using ::quorvant::testing::CanTryPermissions;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteFile;

TEST(WithFinalLineEnd, AddsCrLfOnlyWhenTheTextLacksALineEnd) {
    EXPECT_EQ(WithFinalLineEnd("a\r\nb"), "a\r\nb\r\n");
    EXPECT_EQ(WithFinalLineEnd("a\r\n"), "a\r\n");
    EXPECT_EQ(WithFinalLineEnd("a\n"), "a\n");
    EXPECT_EQ(WithFinalLineEnd("a\r"), "a\r");
    EXPECT_EQ(WithFinalLineEnd(""), "\r\n");
}

TEST(ReadWholeFile, ReadsEveryByteAndNothingForFoldersOrMissingFiles) {
    TempFolder temp;
    const std::string bytes("a\0b\r\n\xff", 6);
    WriteFile(temp / "file.bin", bytes);
    EXPECT_EQ(ReadWholeFile(temp / "file.bin"), bytes);
    EXPECT_EQ(ReadWholeFile(temp / "missing"), std::nullopt);
#ifndef _WIN32
    // A pipe named like a descriptor must not hold the window up waiting for a writer.
    ASSERT_EQ(mkfifo((temp / "liblist.gam").c_str(), 0644), 0);
    EXPECT_EQ(ReadWholeFile(temp / "liblist.gam"), std::nullopt);
#endif
    EXPECT_EQ(ReadWholeFile(temp.str()), std::nullopt);
}

TEST(ReadFileForEdit, TellsAMissingFileFromOneThatCannotBeRead) {
    TempFolder temp;
    WriteFile(temp / "file.cfg", "x\r\n");
    EXPECT_EQ(ReadFileForEdit(temp / "file.cfg"), "x\r\n");
    EXPECT_EQ(ReadFileForEdit(temp / "missing.cfg"), "");
    EXPECT_EQ(ReadFileForEdit(temp.str()), std::nullopt);  // a folder in the file's place
    if (!CanTryPermissions()) return;
    std::filesystem::permissions(temp / "file.cfg", std::filesystem::perms::others_write);
    std::filesystem::permissions(temp.path(), std::filesystem::perms::all);
    EXPECT_TRUE(AsOrdinaryUser([&] { return !ReadFileForEdit(temp / "file.cfg").has_value(); }));
}

TEST(ReadFilePart, GivesWhatExistsOfTheRange) {
    TempFolder temp;
    WriteFile(temp / "file.bin", "0123456789");
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 2, 3), "234");
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 8, 5), "89");
    EXPECT_EQ(ReadFilePart(temp / "file.bin", 20, 5), "");
    EXPECT_EQ(ReadFilePart(temp / "missing", 0, 5), std::nullopt);
    EXPECT_EQ(ReadFilePart(temp.str(), 0, 5), std::nullopt);  // a folder
#ifndef _WIN32
    // A pipe in a saved game's place neither holds the list up nor reads as a description.
    ASSERT_EQ(mkfifo((temp / "pipe.sav").c_str(), 0644), 0);
    EXPECT_EQ(ReadFilePart(temp / "pipe.sav", 0, 5), std::nullopt);
#endif
}

TEST(WriteFileAtomically, ReplacesTheContentAndLeavesNoTemporaryFile) {
    TempFolder temp;
    WriteFile(temp / "server.cfg", "old content that is longer");
    ASSERT_TRUE(WriteFileAtomically(temp / "server.cfg", "new"));
    EXPECT_EQ(ReadFile(temp / "server.cfg"), "new");
    ASSERT_TRUE(WriteFileAtomically(temp / "created.cfg", ""));
    EXPECT_EQ(ReadFile(temp / "created.cfg"), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(WriteFileAtomically, FailsWithoutTouchingAnythingWhenTheFileCannotBeReplaced) {
    TempFolder temp;
    std::filesystem::create_directory(temp / "folder.cfg");
    EXPECT_FALSE(WriteFileAtomically(temp / "folder.cfg", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "folder.cfg"));
    EXPECT_FALSE(WriteFileAtomically(temp / "missing/mod/liblist.gam", "x"));
    EXPECT_FALSE(std::filesystem::exists(temp / "missing"));
}

TEST(WriteFileAtomically, WritesThroughALinkAndKeepsTheLink) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
    TempFolder temp;
    WriteFile(temp / "real.cfg", "old");
    std::filesystem::create_symlink(temp / "real.cfg", temp / "link.cfg");
    ASSERT_TRUE(WriteFileAtomically(temp / "link.cfg", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(temp / "link.cfg"));
    EXPECT_EQ(ReadFile(temp / "real.cfg"), "new");
}

}  // namespace
}  // namespace quorvant
