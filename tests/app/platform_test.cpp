// The platform outside Windows: the settings store, an INI file in the user's configuration
// folder; and starting the game, planned for each kind of game folder and run as real programs.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/program_start.h"
#include "app/registry.h"
#include "app/settings.h"
#include "app/settings_names.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;

// Texts kept exactly in a plain file once the key exists (which each start-up creates again, as
// the start-up tests prove); numbers stored as such, other types not; a broken file read as empty.
TEST(Settings, AreKeptInAPlainFileInTheUsersConfigurationFolder) {
    TempFolder temp;
    ScopedEnvironment config{"XDG_CONFIG_HOME", temp.str()};
    const std::string file = temp / "Velmarsh Software/Quorvant.ini";
    WriteSetting(settings::kDev, "1");  // lost: no key yet
    EXPECT_FALSE(Registry::OpenedKey(Registry::Root::LocalMachine, settings::kKeyPath).isOpen());
    CreateSettingsKey();
    Registry::OpenedKey key(Registry::Root::LocalMachine, settings::kKeyPath);
    EXPECT_TRUE(key.isOpen());
    EXPECT_EQ(ReadSetting(settings::kDev), "");
    for (const char* text :
         {"C:\\Sierra\\Half-Life", "", " padded  ", "caf\xc3\xa9, \"q\" ; # = [x]"}) {
        WriteSetting(settings::kHlPath, text);
        EXPECT_EQ(ReadSetting(settings::kHlPath), text);
    }
    WriteSetting(settings::kLanguage, "0");
    EXPECT_NE(ReadFile(file).find("Language=0"), std::string::npos);
    EXPECT_EQ(Registry::WriteValueToKey(key, "Port", Registry::kInteger, "27016"), 0);
    EXPECT_EQ(Registry::WriteValueToKey(key, "Binary", 3, "data"), 0);
    std::string value = "untouched";
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Port", value), Registry::kSuccess);
    EXPECT_EQ(value, "27016");
    EXPECT_NE(Registry::ReadValueFromKey(key, "Binary", value), Registry::kSuccess);
    EXPECT_EQ(value, "27016");

    WriteFile(file, "\xff\xfe[General\nLanguage");
    EXPECT_EQ(ReadSetting(settings::kLanguage), "");  // a broken file reads as empty
}

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

// A shell script that writes down beside itself, in <name>.record, where and how it was started.
constexpr char kRecorder[] =
    "#!/bin/sh\necho \"$PWD|$WINEPREFIX|$*\" >\"$0.tmp\" && mv \"$0.tmp\" \"$0.record\"\n";

// The plan as one text: the program and its arguments, then the Wine prefix; or why there is none.
std::string Described(const StartPlan& plan) {
    if (plan.failure) return *plan.failure;
    std::string text = plan.invocation.program;
    for (const std::string& argument : plan.invocation.arguments) text += "|" + argument;
    return text + " @" + plan.invocation.winePrefix;
}

// Game folders of each kind: in a Wine prefix (its own hl_linux and hl.sh too), native ones
// from Steam and from Steam's flatpak, and native ones with their dedicated servers. Windows
// programs go through wine whatever their mode (wine marks an .exe executable); others run
// directly; a native install asked for a Windows executable it lacks goes through Steam. (The Wine
// launch test proves the messages for a missing program and for a Windows one without wine.)
TEST(Start, PlansWineSteamOrTheProgramItselfAndStartsItInTheGamesFolderOrSaysWhyNot) {
    TempFolder temp;
    const std::string pfx = temp / "pfx", wine = temp / "pfx/drive_c/Half Life";
    const std::string native = temp / "steamapps/common/Half-Life", server = temp / "server";
    const std::string flatpak =
        temp / ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/common/HL";
    for (const std::string& folder : {wine, native, flatpak, server}) {
        Program(folder + "/hl_linux", "\177ELF");
        Program(folder + "/hl.sh", "#!/bin/sh\n");
    }
    Program(wine + "/hl.exe", "MZ\x90");
    Program(wine + "/HL2.EXE", "MZ\x90", false);
    Program(wine + "/m.exe", "M");
    Program(server + "/hlds_linux", "\177ELF");
    Program(server + "/hlds_run", "#!/bin/sh\n");
    Program(flatpak + "/hlds_linux", "\177ELF");
    std::filesystem::create_directories(pfx + "/dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", pfx + "/dosdevices/c:");
    const HostPrograms all{"/w/wine", "/s/steam", "/f/flatpak", "/b/bash", "/q/start.exe"};
    HostPrograms noStarter = all;
    noStarter.wineStarter.clear();
    const std::string planTail = "|-console|-game|cstrike @";
    const struct {
        std::string folder;
        const char* executable;
        HostPrograms host;
        std::string plan;
    } rows[] = {
        // Windows gets the line as built, the blanks in it as they are.
        {wine, "hl2.exe", all,
         "/w/wine|/q/start.exe|\"C:\\Half Life\\HL2.EXE\" -console  -game cstrike @" + pfx},
        {wine, "hl.exe", noStarter,
         "/w/wine|start|/min|/unix|" + wine + "/hl.exe" + planTail + pfx},
        {wine, "m.exe", all, wine + "/m.exe" + planTail},
        {native, "hl.exe", {"", "", "", "/b/bash", ""}, "/b/bash|" + native + "/hl.sh" + planTail},
        {native, "hl.exe", {}, "/bin/bash|" + native + "/hl.sh" + planTail},
        {native, "hl.sh", all, native + "/hl.sh" + planTail},
        {native, "hlds.exe", all,
         "Can't start the dedicated server: " + native + " holds neither hlds_run nor hlds_linux."},
        {server, "HLDS.EXE", all, server + "/hlds_run" + planTail},
        {flatpak, "hlds.exe", all, flatpak + "/hlds_linux" + planTail},
    };
    for (const auto& row : rows) {
        const std::string program = row.folder + "/" + row.executable;
        EXPECT_EQ(Described(PlanStart({row.folder, program, " -console  -game cstrike"}, row.host)),
                  row.plan);
    }

    // Why a program could not start. The programs of this system are found in $PATH: here fakes
    // that write down where and how they were started. The game's folder is the current one, and a
    // Windows game gets its Wine prefix.
    const std::string plain = Program(temp.path() / "plain.sh", "#!/bin/sh\n", false);
    EXPECT_EQ(StartDetached({plain, {}, {}}, temp.str()),
              "Can't start " + plain + ": Permission denied.");
    EXPECT_EQ(StartDetached({plain, {}, {}}, temp / "gone"),
              "Can't start " + plain + " in " + temp / "gone" + ": No such file or directory.");
    for (const char* name : {"wine", "steam", "flatpak"})
        Program(temp.path() / "bin" / name, kRecorder);
    {
        ScopedEnvironment path("PATH", temp / "bin:/usr/bin:/bin"),
            prefix("WINEPREFIX", "/inherited");
        for (const std::string& game : {wine, native, flatpak}) {
            EXPECT_EQ(StartGame({game, game + "/hl.exe", " -game caf\xE9  +maxplayers 8"}),
                      std::nullopt);
        }
    }
    const std::string tail = " -game caf\xE9 +maxplayers 8\n";
    ASSERT_NE(WineStarter(), "") << "the starter of Windows programs was not built";
    EXPECT_EQ(AwaitFile(temp / "bin/wine.record"),
              wine + "|" + pfx + "|" + WineStarter() +
                  " \"C:\\Half Life\\hl.exe\" -game caf\xE9  " + "+maxplayers 8\n");
    EXPECT_EQ(AwaitFile(temp / "bin/steam.record"), native + "|/inherited|-applaunch 70" + tail);
    EXPECT_EQ(AwaitFile(temp / "bin/flatpak.record"),
              flatpak + "|/inherited|run com.valvesoftware.Steam -applaunch 70" + tail);
}

}  // namespace
}  // namespace quorvant
