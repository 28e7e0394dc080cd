// Starting the game on a system without Windows: the plan for each kind of game folder, and real
// programs started by it.
#include "app/program_start.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;

std::string Program(const fs::path& path, std::string_view content, bool executable = true) {
    WriteFile(path, content);
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
    return path.string();
}

// What a started program wrote, once it has moved it into place.
std::string AwaitFile(const fs::path& path) {
    for (int tries = 0; tries < 500 && !fs::exists(path); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return fs::exists(path) ? ReadFile(path) : std::string("(nothing written)");
}

// A shell script that writes down in `record` where and how it was started.
std::string Recorder(const std::string& record) {
    return "#!/bin/sh\necho \"$PWD|$WINEPREFIX|$*\" >" + record + ".tmp && mv " + record + ".tmp " +
           record + "\n";
}

// The plan as one text: the program and its arguments, then the Wine prefix; or why there is none.
std::string Described(const StartPlan& plan) {
    if (plan.failure) return *plan.failure;
    std::string text = plan.invocation.program;
    for (const std::string& argument : plan.invocation.arguments) text += "|" + argument;
    return text + " @" + plan.invocation.winePrefix;
}

// Game folders of each kind: in a Wine prefix (its own hl_linux and hl.sh too), native ones
// from Steam and from Steam's flatpak, and native ones with their dedicated servers.
class StartTest : public ::testing::Test {
  protected:
    TempFolder temp;
    std::string pfx = temp / "pfx", wine = temp / "pfx/drive_c/Half Life";
    std::string native = temp / "steamapps/common/Half-Life", server = temp / "server";
    std::string flatpak = temp / ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/common/HL";
    std::string bare = temp / "bare";

    StartTest() {
        for (const std::string& folder : {wine, native, flatpak, server, bare}) {
            Program(folder + "/hl_linux", "\177ELF");
            Program(folder + "/hl.sh", "#!/bin/sh\n");
        }
        Program(wine + "/hl.exe", "MZ\x90");
        Program(wine + "/HL2.EXE", "MZ\x90", false);
        Program(wine + "/m.exe", "M");
        Program(server + "/hlds_linux", "\177ELF");
        Program(server + "/hlds_run", "#!/bin/sh\n");
        Program(bare + "/hlds_linux", "\177ELF");
    }
};

// Windows programs go through wine whatever their mode (wine marks an .exe executable); others
// run directly; a native install asked for a Windows executable it lacks goes through Steam.
TEST_F(StartTest, PlansWineSteamOrTheProgramItself) {
    const HostPrograms all{"/w/wine", "/s/steam", "/f/flatpak", "/b/bash"};
    const std::string tail = "|-console|-game|cstrike @";
    const struct {
        std::string folder;
        const char* executable;
        HostPrograms host;
        std::string plan;
    } rows[] = {
        {wine, "hl.exe", all, "/w/wine|" + wine + "/hl.exe" + tail + pfx},
        {wine, "hl2.exe", all, "/w/wine|" + wine + "/HL2.EXE" + tail + pfx},
        {wine, "hl_linux", all, wine + "/hl_linux" + tail},
        {wine, "hl.sh", all, wine + "/hl.sh" + tail},
        {wine, "m.exe", all, wine + "/m.exe" + tail},
        {wine,
         "hl.exe",
         {},
         "Can't start " + wine + "/hl.exe: it is a Windows program, and wine is not installed."},
        {native, "hl.exe", all, "/s/steam|-applaunch|70" + tail},
        {native, "hl.exe", {"", "", "", "/b/bash"}, "/b/bash|" + native + "/hl.sh" + tail},
        {native, "hl.exe", {}, "/bin/bash|" + native + "/hl.sh" + tail},
        {flatpak, "hl.exe", all, "/f/flatpak|run|com.valvesoftware.Steam|-applaunch|70" + tail},
        {native, "hl.sh", all, native + "/hl.sh" + tail},
        {native, "hlds.exe", all,
         "Can't start the dedicated server: " + native + " holds neither hlds_run nor hlds_linux."},
        {server, "HLDS.EXE", all, server + "/hlds_run" + tail},
        {bare, "hlds.exe", all, bare + "/hlds_linux" + tail},
    };
    for (const auto& row : rows) {
        const std::string program = row.folder + "/" + row.executable;
        EXPECT_EQ(Described(PlanStart({row.folder, program, " -console  -game cstrike"}, row.host)),
                  row.plan);
    }
}

TEST_F(StartTest, SaysWhyAProgramCouldNotStart) {
    const std::string plain = Program(temp.path() / "plain.sh", "#!/bin/sh\n", false);
    EXPECT_EQ(StartDetached({temp / "missing.exe", {}, {}}, temp.str()),
              "Can't start " + temp / "missing.exe" + ": No such file or directory.");
    EXPECT_EQ(StartDetached({plain, {}, {}}, temp.str()),
              "Can't start " + plain + ": Permission denied.");
    EXPECT_EQ(StartDetached({plain, {}, {}}, temp / "gone"),
              "Can't start " + plain + " in " + temp / "gone" + ": No such file or directory.");
}

// The programs of this system are found in $PATH: here fakes that write down where and how they
// were started. The game's folder is the current one, and a Windows game gets its Wine prefix.
TEST_F(StartTest, StartsTheGameThroughWineOrSteamInItsFolderWithTheExactBytes) {
    for (const char* name : {"wine", "steam", "flatpak"})
        Program(temp.path() / "bin" / name, Recorder(temp / name));
    {
        ScopedEnvironment path("PATH", temp / "bin:/usr/bin:/bin"),
            prefix("WINEPREFIX", "/inherited");
        for (const std::string& game : {wine, native, flatpak}) {
            EXPECT_EQ(StartGame({game, game + "/hl.exe", " -game caf\xE9  +maxplayers 8"}),
                      std::nullopt);
        }
    }
    const std::string tail = " -game caf\xE9 +maxplayers 8\n";
    EXPECT_EQ(AwaitFile(temp / "wine"), wine + "|" + pfx + "|" + wine + "/hl.exe" + tail);
    EXPECT_EQ(AwaitFile(temp / "steam"), native + "|/inherited|-applaunch 70" + tail);
    EXPECT_EQ(AwaitFile(temp / "flatpak"),
              flatpak + "|/inherited|run com.valvesoftware.Steam -applaunch 70" + tail);
}

}  // namespace
}  // namespace quorvant
