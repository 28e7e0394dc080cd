// The Win32 calls: the settings store in the real registry, and programs started and addresses
// opened, proven by a recorder program that writes down how it was started.
#include <windows.h>

#include <sddl.h>  // after windows.h, which it needs

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/installation_discovery.h"
#include "app/registry.h"
#include "app/settings.h"
#include "app/settings_names.h"
#include "app/steam_library.h"
#include "app/windows_shell.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using Registry::Root;

const std::string kKey(settings::kKeyPath);

// Gives the machine's settings key the access list `sddl`, as its owner may.
void RestrictMachineKey(const char* sddl) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor,
                                                         nullptr);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    RegCloseKey(key);
}

// The raw type, size and text the registry holds for a value of the program's key.
std::string Stored(HKEY root, const char* name) {
    char text[64] = {};
    DWORD type = 0, size = sizeof text;
    if (RegGetValueA(root, kKey.c_str(), name, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS)
        return "(missing)";
    return std::to_string(type) + " " + std::to_string(size) + " " + (type == REG_SZ ? text : "");
}

// Every test starts without the program's key, the game's registration and Steam's.
class WindowsRegistryTest : public ::testing::Test {
  protected:
    WindowsRegistryTest() { Clear(); }
    ~WindowsRegistryTest() override { Clear(); }
    static void Clear() {
        RestrictMachineKey("D:P(A;;KA;;;WD)");  // a refused key may be deleted again
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            RegDeleteTreeA(root, kKey.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(settings::kGameAppPathKey).c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Valve");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\Valve");
    }
};

TEST_F(WindowsRegistryTest, StoresSettingsInBothKeysReadsTheUsersFirstAndFindsTheRegisteredGame) {
    Registry::WriteValue(Root::LocalMachine, kKey, "Dev", "1", Registry::kString);  // lost
    EXPECT_FALSE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    CreateSettingsKey();
    Registry::OpenedKey key(Root::LocalMachine, kKey);
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(ReadSetting(settings::kDev), "");
    for (const char* text : {"C:\\Sierra\\Half-Life", "", " two  blanks "}) {
        WriteSetting(settings::kHlPath, text);
        EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "hl_path"),
                  "1 " + std::to_string(strlen(text) + 1) + " " + text);
        EXPECT_EQ(ReadSetting(settings::kHlPath), text);
    }
    EXPECT_EQ(Registry::WriteValueToKey(key, "Port", Registry::kInteger, "27016"), 0);
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "Port"), "4 4 ");
    EXPECT_EQ(Registry::WriteValueToKey(key, "Binary", 3, "data"), 0);
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "Binary"), "(missing)");
    std::string value = "untouched";
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Port", value), 0);
    EXPECT_EQ(value, "27016");
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey.c_str(), "Binary", REG_BINARY, "\1\2", 2);
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Binary", value), Registry::kUnknownType);
    EXPECT_NE(Registry::ReadValueFromKey(key, "Missing", value), 0);
    EXPECT_EQ(value, "27016");

    // Windows refuses a user without administrator rights every write below the machine's key:
    // each setting goes to the user's key as well, which is read first.
    Registry::WriteValue(Root::LocalMachine, kKey, "Mod", "tfc", Registry::kString);
    EXPECT_EQ(ReadSetting(settings::kMod), "tfc");  // stored by an earlier version
    WriteSetting(settings::kMod, "cstrike");
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "Mod") + Stored(HKEY_CURRENT_USER, "Mod"),
              "1 8 cstrike1 8 cstrike");
    Registry::WriteValue(Root::CurrentUser, kKey, "Mod", "valve", Registry::kString);
    EXPECT_EQ(ReadSetting(settings::kMod), "valve");

    RestrictMachineKey("D:P(A;;KR;;;WD)");  // what a user without administrator rights meets
    EXPECT_FALSE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    WriteSetting(settings::kDev, "1");
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, "Dev") + Stored(HKEY_CURRENT_USER, "Dev"),
              "(missing)1 2 1");
    EXPECT_EQ(ReadSetting(settings::kDev), "1");

    // The folders the installer and Steam registered.
    EXPECT_EQ(ReadRegisteredGameFolder(), "");
    Registry::CreateKey(settings::kGameAppPathKey, Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, settings::kGameAppPathKey, "Path", "D:\\Games\\HL",
                         Registry::kString);
    EXPECT_EQ(ReadRegisteredGameFolder(), "D:\\Games\\HL");

    TempFolder temp;
    GameFolder(temp.path() / "machine/steamapps/common/Half-Life").addExecutable();
    std::string user = temp / "user";  // Steam writes its own path with forward slashes
    std::replace(user.begin(), user.end(), '\\', '/');
    const char* const userKey = "Software\\Valve\\Steam";
    const char* const machineKey = "SOFTWARE\\WOW6432Node\\Valve\\Steam";
    Registry::CreateKey(userKey, Root::CurrentUser);
    Registry::WriteValue(Root::CurrentUser, userKey, "SteamPath", user, Registry::kString);
    Registry::CreateKey(machineKey, Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, machineKey, "InstallPath", temp / "machine",
                         Registry::kString);
    const std::vector<SteamFolder> folders = ReadSteamFolders();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0].path + " " + folders[1].path, user + " " + temp / "machine");
    EXPECT_EQ(FirstFolderHoldingGame(SteamGameFolders(folders)),
              temp / "machine\\steamapps\\common\\Half-Life");
}

// The recorder copied to `path` and started under that name writes how it was started: its
// command line, its current folder and its show flag, one a line.
std::string Recorded(const fs::path& path, const std::function<void()>& start) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    fs::create_directories(path.parent_path());
    fs::copy_file(fs::path(self).parent_path() / "launch_recorder.exe", path);
    start();
    const fs::path record = fs::path(path).replace_extension(".record");
    for (int tries = 0; tries < 1000 && !fs::exists(record); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fs::exists(record) ? ReadFile(record) : "(not started)";
}

TEST(WindowsShell, StartsTheGameMinimisedAndOtherProgramsNormallyWhereTheyBelong) {
    TempFolder temp;
    const std::string folder = temp / "Half Life", hl = folder + "\\hl.exe";
    const std::string tail = " -console -game cstrike +map de_dust +maxplayers 8";
    EXPECT_EQ(
        Recorded(hl,
                 [&] {
                     EXPECT_EQ(StartGame({folder, hl, tail}), std::nullopt);
                 }),
        "\"" + hl + "\"" + tail + "\n" + folder + "\n" + std::to_string(SW_SHOWMINIMIZED) + "\n");
    const std::string file = "C:\\Sierra\\Half-Life\\cstrike\\motd.txt", normal = "\n1\n";
    EXPECT_EQ(Recorded(temp / "notepad.exe",
                       [&] {
                           win32::StartCommandLine("notepad.exe",
                                                   win32::NotepadCommandLine(temp.str(), file), "",
                                                   win32::kShowNormal);
                       }),
              temp / "notepad.exe " + file + "\n" + fs::current_path().string() + normal);
    const std::string site =
        Recorded(temp / "site.exe", [&] { win32::OpenWithShell(temp / "site.exe"); });
    EXPECT_EQ(site.substr(site.find('\n')), "\nc:\\" + normal);  // from the drive's root
    const StartFailure failure = StartGame({temp.str(), temp / "gone.exe", " -game valve"});
    EXPECT_EQ(failure.value_or("").rfind("Can't start " + temp / "gone.exe" + ": ", 0), 0u)
        << failure.value_or("(started)");
    char windir[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", windir, MAX_PATH);
    EXPECT_EQ(win32::WindowsFolder(), windir);  // which ends without a separator
}

}  // namespace
}  // namespace quorvant
