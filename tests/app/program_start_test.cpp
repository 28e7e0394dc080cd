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

TEST(PlanStart, RunsWindowsProgramsThroughWineWhateverTheirModeAndOthersDirectly) {
    TempFolder temp;
    const std::string game = temp / "pfx/drive_c/Sierra/Half-Life";
    const HostPrograms host{"/usr/bin/wine", "", "", ""};
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
        const StartPlan plan = PlanStart({game, program, " -console  -game cstrike"}, host);
        ASSERT_EQ(plan.failure, std::nullopt) << row.name;
        const std::vector<std::string> tail{"-console", "-game", "cstrike"};
        if (row.throughWine) {
            EXPECT_EQ(plan.invocation.program, "/usr/bin/wine");
            EXPECT_THAT(plan.invocation.arguments,
                        ElementsAre(program, "-console", "-game", "cstrike"));
            EXPECT_EQ(plan.invocation.winePrefix, temp / "pfx");
        } else {
            EXPECT_EQ(plan.invocation.program, program);
            EXPECT_EQ(plan.invocation.arguments, tail);
            EXPECT_EQ(plan.invocation.winePrefix, "");
        }
    }
    EXPECT_EQ(
        PlanStart({game, game + "/hl.exe", ""}, {}).failure,
        "Can't start " + game + "/hl.exe: it is a Windows program, and wine is not installed.");
    // A folder copied from Windows may spell the executable otherwise.
    EXPECT_EQ(PlanStart({game, game + "/hl2.exe", ""}, host).invocation.arguments.front(),
              game + "/HL2.EXE");
}

// The game's native build, asked for by its Windows name.
TEST(PlanStart, MapsTheWindowsExecutablesOfANativeInstall) {
    TempFolder temp;
    const std::string native = temp / "steamapps/common/Half-Life";
    const std::string flatpak =
        temp / ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/common/Half-Life";
    for (const std::string& game : {native, flatpak}) {
        WriteProgram(game + "/hl_linux",
                     "\x7F"
                     "ELF",
                     fs::perms::owner_all);
        WriteProgram(game + "/hl.sh", "#!/bin/bash\n", fs::perms::owner_all);
    }
    const HostPrograms all{"/w/wine", "/s/steam", "/f/flatpak", "/b/bash"};
    const std::string tail = " -console -game cstrike";
    struct Row {
        std::string game;
        const char* executable;
        HostPrograms host;
        std::vector<std::string> invocation;  // the program, then its arguments
    } const rows[] = {
        {native, "hl.exe", all, {"/s/steam", "-applaunch", "70", "-console", "-game", "cstrike"}},
        {native,
         "hl.exe",
         {"", "", "", "/b/bash"},
         {"/b/bash", native + "/hl.sh", "-console", "-game", "cstrike"}},
        {native, "hl.exe", {}, {"/bin/bash", native + "/hl.sh", "-console", "-game", "cstrike"}},
        {flatpak,
         "hl.exe",
         all,
         {"/f/flatpak", "run", "com.valvesoftware.Steam", "-applaunch", "70", "-console", "-game",
          "cstrike"}},
        {native, "hl.sh", all, {native + "/hl.sh", "-console", "-game", "cstrike"}},
    };
    for (const Row& row : rows) {
        const StartPlan plan =
            PlanStart({row.game, row.game + "/" + row.executable, tail}, row.host);
        std::vector<std::string> invocation{plan.invocation.program};
        invocation.insert(invocation.end(), plan.invocation.arguments.begin(),
                          plan.invocation.arguments.end());
        EXPECT_EQ(invocation, row.invocation) << row.executable;
    }
    EXPECT_EQ(
        PlanStart({native, native + "/hlds.exe", tail}, all).failure,
        "Can't start the dedicated server: " + native + " holds neither hlds_run nor hlds_linux.");
    WriteProgram(native + "/hlds_linux",
                 "\x7F"
                 "ELF",
                 fs::perms::owner_all);
    EXPECT_EQ(PlanStart({native, native + "/hlds.exe", tail}, all).invocation.program,
              native + "/hlds_linux");
    WriteProgram(native + "/hlds_run", "#!/bin/sh\n", fs::perms::owner_all);
    EXPECT_EQ(PlanStart({native, native + "/HLDS.EXE", tail}, all).invocation.program,
              native + "/hlds_run");
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

// Fake programs of this system, each writing down the arguments it was started with.
TEST(StartGame, StartsANativeInstallThroughTheProgramsOfThisSystem) {
    TempFolder temp;
    const auto recorder = [&temp](const std::string& name) {
        return "#!/bin/sh\necho \"$*\" >" + temp / name + ".tmp && mv " + temp / name + ".tmp " +
               temp / name + "\n";
    };
    WriteProgram(temp.path() / "bin/steam", recorder("steam"), fs::perms::owner_all);
    WriteProgram(temp.path() / "bin/flatpak", recorder("flatpak"), fs::perms::owner_all);
    const std::string native = temp / "Steam/steamapps/common/Half-Life";
    const std::string flatpak =
        temp / ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/common/Half-Life";
    for (const std::string& game : {native, flatpak}) {
        WriteProgram(game + "/hl_linux",
                     "\x7F"
                     "ELF",
                     fs::perms::owner_all);
        WriteProgram(game + "/hl.sh", "#!/bin/bash\n", fs::perms::owner_all);
    }
    WriteProgram(native + "/hlds_run", recorder("hlds_run"), fs::perms::owner_all);

    const std::string savedPath = std::getenv("PATH");
    setenv("PATH", (temp / "bin:/usr/bin:/bin").c_str(), 1);
    const std::string tail = " -game cstrike +maxplayers 8";
    EXPECT_EQ(StartGame({native, native + "/hl.exe", tail}), std::nullopt);
    EXPECT_EQ(StartGame({flatpak, flatpak + "/hl.exe", tail}), std::nullopt);
    EXPECT_EQ(StartGame({native, native + "/hlds.exe", tail}), std::nullopt);
    setenv("PATH", savedPath.c_str(), 1);
    EXPECT_EQ(AwaitFile(temp.path() / "steam"), "-applaunch 70 -game cstrike +maxplayers 8\n");
    EXPECT_EQ(AwaitFile(temp.path() / "flatpak"),
              "run com.valvesoftware.Steam -applaunch 70 -game cstrike +maxplayers 8\n");
    EXPECT_EQ(AwaitFile(temp.path() / "hlds_run"), "-game cstrike +maxplayers 8\n");
}

}  // namespace
}  // namespace quorvant
