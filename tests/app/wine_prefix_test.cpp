#include "app/wine_prefix.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/wine_registry.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteFile;

TEST(WinePrefixHolding, IsTheFolderAboveTheLastDriveC) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/u/.wine/drive_c/Sierra/Half-Life", "/home/u/.wine"},
        {"/games/pfx/drive_c", "/games/pfx"},
        {"/a/drive_c/b/drive_c/Half-Life", "/a/drive_c/b"},
        {"/a/drive_cx/Half-Life", ""},
        {"/a/Drive_C/Half-Life", ""},
        {"/opt/Half-Life", ""},
    };
    for (const auto& [path, prefix] : rows) EXPECT_EQ(WinePrefixHolding(path), prefix) << path;
}

// A registry file as Wine writes it, with its escapes.
constexpr char kSystemReg[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n\n"
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\Other.exe] 1700000000\n"
    "\"Path\"=\"C:\\\\Wrong\"\n\n"
    "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\hl.exe] 1700000000\n"
    "#time=1da0b0c0d0e0f00\n"
    "@=\"C:\\\\Sierra\\\\Half-Life\\\\hl.exe\"\n"
    "\"Count\"=dword:00000003\n"
    "\"path\"=str(2):\"C:\\\\sierra\\\\HALF-LIFE\"\n"
    "\"Quoted\"=\"say \\\"hi\\\"\\tnow\"\n"
    "\"Caf\\xe9\"=\"\\x65e5\\x672c \\x00e9t\\xe9\"\n";

TEST(FindRegistryString, ReadsStringValuesOfTheKeyInAnyCase) {
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\HL.EXE";
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Path"), "C:\\sierra\\HALF-LIFE");
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Quoted"), "say \"hi\"\tnow");
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Caf\xC3\xA9"),
              "\xE6\x97\xA5\xE6\x9C\xAC \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Count"), std::nullopt);  // not a string
    EXPECT_EQ(FindRegistryString(kSystemReg, key, "Missing"), std::nullopt);
    EXPECT_EQ(FindRegistryString(kSystemReg, "Software\\Microsoft", "Path"), std::nullopt);
    EXPECT_EQ(FindRegistryString("[Software] 1\n\"Path\"=\"C:\\\\unfinished", "Software", "Path"),
              std::nullopt);
}

#ifndef _WIN32  // a prefix and its drive links exist only outside Windows

TEST(WineRegisteredGameFolder, MapsTheRegisteredPathThroughTheDriveInAnyCase) {
    TempFolder temp;
    const std::filesystem::path prefix = temp.path() / "prefix";
    std::filesystem::create_directories(prefix / "drive_c/Sierra/Half-Life");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    EXPECT_EQ(WineRegisteredGameFolder(prefix.string()), "");  // no registry file
    WriteFile(prefix / "system.reg", kSystemReg);
    EXPECT_EQ(WineRegisteredGameFolder(prefix.string()),
              (prefix / "drive_c/Sierra/Half-Life").string());
    EXPECT_EQ(FolderInPrefix(prefix.string(), "D:\\Games"), "");  // no such drive
    EXPECT_EQ(FolderInPrefix(prefix.string(), "\\\\server\\share"), "");
}

TEST(WineRegisteredGameFolder, FindsAThirtyTwoBitInstallersRegistration) {
    TempFolder temp;
    std::filesystem::create_directories(temp.path() / "drive_c/Half-Life");
    std::filesystem::create_directories(temp.path() / "dosdevices");
    std::filesystem::create_directory_symlink(temp.path() / "drive_c",
                                              temp.path() / "dosdevices/c:");
    WriteFile(temp.path() / "system.reg",
              "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App "
              "Paths\\\\hl.Exe]\r\n\"Path\"=\"c:\\\\half-life\"\r\n");
    EXPECT_EQ(WineRegisteredGameFolder(temp.str()), temp / "drive_c/Half-Life");
}

#endif

TEST(IsWindowsProgram, LooksAtTheContentOnly) {
    TempFolder temp;
    const std::pair<const char*, bool> rows[] = {{"MZ\x90\0\3", true},
                                                 {"\x7F"
                                                  "ELF\2\1",
                                                  false},
                                                 {"#!/bin/sh\n", false},
                                                 {"M", false}};
    for (const auto& [content, windows] : rows) {
        WriteFile(temp.path() / "program.exe", content);
        EXPECT_EQ(IsWindowsProgram(temp / "program.exe"), windows) << content;
    }
    EXPECT_FALSE(IsWindowsProgram(temp / "missing.exe"));
}

}  // namespace
}  // namespace quorvant
