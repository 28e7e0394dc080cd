#include "app/program_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

void WriteProgram(const fs::path& path, std::string_view content, fs::perms mode) {
    fs::create_directories(path.parent_path());
    WriteFile(path, content);
    fs::permissions(path, mode);
}

// What a started program wrote, once it has written it.
std::string AwaitFile(const fs::path& path) {
    for (int tries = 0; tries < 500 && !fs::exists(path); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fs::exists(path) ? ReadFile(path) : std::string("(nothing written)");
}

TEST(InvocationFor, RunsWindowsProgramsThroughWineWhateverTheirModeAndOthersDirectly) {
    TempFolder temp;
    const std::string game = temp / "pfx/drive_c/Sierra/Half-Life";
    struct Row {
        const char* name;
        const char* content;
        fs::perms mode;
        bool throughWine;
    } const rows[] = {
        {"hl.exe", "MZ\x90", fs::perms::owner_all, true},  // Wine marks its .exe executable
        {"HL2.EXE", "MZ\x90", fs::perms::owner_read, true},
        {"hl_linux",
         "\x7F"
         "ELF",
         fs::perms::owner_all, false},
        {"hl.sh", "#!/bin/sh\n", fs::perms::owner_all, false},
    };
    for (const Row& row : rows) {
        const std::string program = game + "/" + row.name;
        WriteProgram(program, row.content, row.mode);
        const auto invocation = InvocationFor(
            {game, program, " -console  -game cstrike +map de_dust"}, "/usr/bin/wine");
        ASSERT_TRUE(invocation) << row.name;
        if (row.throughWine) {
            EXPECT_EQ(invocation->program, "/usr/bin/wine");
            EXPECT_THAT(invocation->arguments,
                        ElementsAre(program, "-console", "-game", "cstrike", "+map", "de_dust"));
            EXPECT_EQ(invocation->winePrefix, temp / "pfx");
        } else {
            EXPECT_EQ(invocation->program, program);
            EXPECT_THAT(invocation->arguments,
                        ElementsAre("-console", "-game", "cstrike", "+map", "de_dust"));
            EXPECT_EQ(invocation->winePrefix, "");
        }
    }
    EXPECT_FALSE(InvocationFor({game, game + "/hl.exe", ""}, ""));  // no wine to run it
    // A folder copied from Windows may spell the executable otherwise.
    EXPECT_EQ(InvocationFor({game, game + "/hl2.exe", ""}, "/usr/bin/wine")->arguments.front(),
              game + "/HL2.EXE");
}

TEST(StartDetached, StartsTheProgramInItsFolderWithThePrefixAndExactBytes) {
    TempFolder temp;
    const fs::path folder = temp.path() / "Half Life";
    WriteProgram(folder / "game.sh",
                 "#!/bin/sh\nprintf '%s|%s|%s|%s' \"$PWD\" \"$WINEPREFIX\" \"$1\" \"$2\" "
                 ">started.tmp && mv started.tmp started\n",
                 fs::perms::owner_all);
    const ProgramInvocation invocation{
        (folder / "game.sh").string(), {"-game", "caf\xE9 mod"}, (temp.path() / "prefix").string()};
    EXPECT_EQ(StartDetached(invocation, folder.string()), std::nullopt);
    EXPECT_EQ(AwaitFile(folder / "started"),
              folder.string() + "|" + (temp.path() / "prefix").string() + "|-game|caf\xE9 mod");
}

TEST(StartDetached, SaysWhyAProgramCouldNotStart) {
    TempFolder temp;
    WriteProgram(temp.path() / "plain.sh", "#!/bin/sh\n", fs::perms::owner_read);
    const std::string missing = temp / "missing.exe";
    EXPECT_EQ(StartDetached({missing, {}, {}}, temp.str()),
              "Can't start " + missing + ": No such file or directory.");
    EXPECT_THAT(StartDetached({temp / "plain.sh", {}, {}}, temp.str()).value_or(""),
                HasSubstr("plain.sh: Permission denied."));
    EXPECT_EQ(StartDetached({temp / "plain.sh", {}, {}}, temp / "gone"),
              "Can't start " + temp / "plain.sh" + " in " + temp / "gone" +
                  ": No such file or directory.");
}

TEST(StartGame, SaysThatAWindowsProgramNeedsWine) {
    TempFolder temp;
    WriteProgram(temp.path() / "hl.exe", "MZ", fs::perms::owner_all);
    const std::string noWine = temp / "empty";
    fs::create_directory(noWine);
    const char* const path = std::getenv("PATH");
    const std::string savedPath = path ? path : "";
    setenv("PATH", noWine.c_str(), 1);
    const StartFailure failure = StartGame({temp.str(), temp / "hl.exe", " -game valve"});
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_EQ(failure, "Can't start " + temp / "hl.exe" +
                           ": it is a Windows program, and wine is not installed.");
}

}  // namespace
}  // namespace quorvant
