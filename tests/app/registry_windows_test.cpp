// The settings store against the real Windows registry.
#include <windows.h>

#include <sddl.h>  // after windows.h, which it needs

#include <gtest/gtest.h>

#include <algorithm>

#include "app/installation_discovery.h"
#include "app/registry.h"
#include "app/settings.h"
#include "app/settings_names.h"
#include "app/steam_library.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

using Registry::Root;

constexpr std::string_view kKey = settings::kKeyPath;

// Every test starts without the program's key and the game's registration.
class WindowsRegistryTest : public ::testing::Test {
  protected:
    WindowsRegistryTest() { Clear(); }
    ~WindowsRegistryTest() override { Clear(); }

    static void Clear() {
        RestrictMachineKey("D:P(A;;KA;;;WD)");  // a refused key may be deleted again
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(kKey).c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, std::string(kKey).c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(settings::kGameAppPathKey).c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Valve");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\Valve");
    }

    // Gives the machine's settings key the access list `sddl`, as its owner may.
    static void RestrictMachineKey(const char* sddl) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(kKey).c_str(), 0, WRITE_DAC, &key) !=
            ERROR_SUCCESS)
            return;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor,
                                                             nullptr);
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        RegCloseKey(key);
    }

    static std::string RawText(HKEY root, const char* name) {
        char text[64] = {};
        DWORD size = sizeof text;
        if (RegGetValueA(root, std::string(kKey).c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                         &size) != ERROR_SUCCESS)
            return "(missing)";
        return text;
    }

    // The raw type and size the registry holds for a value of the program's key.
    static std::pair<DWORD, DWORD> Stored(const char* name) {
        DWORD type = 0, size = 0;
        RegGetValueA(HKEY_LOCAL_MACHINE, std::string(kKey).c_str(), name, RRF_RT_ANY, &type,
                     nullptr, &size);
        return {type, size};
    }

    static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, std::string(kKey).c_str(), 0, KEY_ALL_ACCESS, &key),
            ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
};

TEST_F(WindowsRegistryTest, CreatesTheKeyAndReadsMissingValuesAsEmpty) {
    EXPECT_FALSE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    Registry::WriteValue(Root::LocalMachine, kKey, "Dev", "1", Registry::kString);  // lost
    Registry::CreateKey(kKey, Root::LocalMachine);
    EXPECT_TRUE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    EXPECT_EQ(Registry::ReadValue(Root::LocalMachine, kKey, "Dev"), "");
    EXPECT_EQ(Registry::ReadValue(Root::LocalMachine, "Software\\Nobody\\Nothing", "Dev"), "");
}

TEST_F(WindowsRegistryTest, StoresTextsWithTheirZeroAndReadsThemBackExactly) {
    CreateSettingsKey();
    WriteSetting(settings::kHlPath, "C:\\Sierra\\Half-Life");
    EXPECT_EQ(Stored("hl_path"), std::make_pair(DWORD{REG_SZ}, DWORD{20}));
    EXPECT_EQ(ReadSetting(settings::kHlPath), "C:\\Sierra\\Half-Life");
    WriteSetting(settings::kHeap, "");
    EXPECT_EQ(Stored("Heap").second, 1u);
    EXPECT_EQ(ReadSetting(settings::kHeap), "");
    WriteSetting("Host", " two  blanks ");
    EXPECT_EQ(ReadSetting("Host"), " two  blanks ");
}

TEST_F(WindowsRegistryTest, ReadsIntegersAsNumbersAndOtherTypesAsEmpty) {
    CreateSettingsKey();
    Registry::OpenedKey key(Root::LocalMachine, kKey);
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(Registry::WriteValueToKey(key, "Port", Registry::kInteger, "27016"), 0);
    EXPECT_EQ(Stored("Port"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
    std::string value = "untouched";
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Port", value), 0);
    EXPECT_EQ(value, "27016");

    EXPECT_EQ(Registry::WriteValueToKey(key, "Binary", 3, "data"), 0);
    EXPECT_EQ(Stored("Binary").first, DWORD{0});  // nothing was written
    const char bytes[] = {1, 2, 3};
    StoreRaw("Binary", REG_BINARY, bytes, sizeof bytes);
    value = "untouched";
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Binary", value), Registry::kUnknownType);
    EXPECT_EQ(value, "untouched");
    EXPECT_NE(Registry::ReadValueFromKey(key, "Missing", value), 0);
    EXPECT_EQ(value, "untouched");
}

TEST_F(WindowsRegistryTest, ReadsTheGamesRegisteredFolder) {
    EXPECT_EQ(ReadRegisteredGameFolder(), "");
    Registry::CreateKey(settings::kGameAppPathKey, Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, settings::kGameAppPathKey, "Path",
                         "D:\\Games\\Half-Life", Registry::kString);
    EXPECT_EQ(ReadRegisteredGameFolder(), "D:\\Games\\Half-Life");
}

TEST_F(WindowsRegistryTest, KeepsEverySettingForAUserWhomTheMachinesKeyRefuses) {
    CreateSettingsKey();
    RestrictMachineKey("D:P(A;;KR;;;WD)");  // what a user without administrator rights meets
    EXPECT_FALSE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    WriteSetting(settings::kDev, "1");
    WriteSetting(settings::kHlPath, "C:\\Games\\Half-Life");
    EXPECT_EQ(RawText(HKEY_LOCAL_MACHINE, "Dev"), "(missing)");
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, "Dev"), "1");
    EXPECT_EQ(ReadSetting(settings::kDev), "1");
    EXPECT_EQ(ReadSetting(settings::kHlPath), "C:\\Games\\Half-Life");
}

TEST_F(WindowsRegistryTest, ReadsTheUsersValueFirstAndTheMachinesOtherwise) {
    CreateSettingsKey();
    Registry::WriteValue(Root::LocalMachine, kKey, "Mod", "tfc", Registry::kString);
    EXPECT_EQ(ReadSetting(settings::kMod), "tfc");  // stored by an earlier version
    WriteSetting(settings::kMod, "cstrike");
    EXPECT_EQ(RawText(HKEY_LOCAL_MACHINE, "Mod"), "cstrike");
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, "Mod"), "cstrike");
    Registry::WriteValue(Root::CurrentUser, kKey, "Mod", "valve", Registry::kString);
    EXPECT_EQ(ReadSetting(settings::kMod), "valve");
}

TEST_F(WindowsRegistryTest, FindsTheGameInTheSteamFoldersThatSteamRegistered) {
    testing::TempFolder temp;
    testing::GameFolder(temp.path() / "machine/steamapps/common/Half-Life").addExecutable();
    testing::GameFolder(temp.path() / "library/steamapps/common/Half-Life").addExecutable();
    std::string library = temp / "library";  // escaped in the file, as Steam writes it
    for (std::size_t at = 0; (at = library.find('\\', at)) != std::string::npos; at += 2)
        library.insert(at, 1, '\\');
    testing::WriteFile(temp.path() / "machine/steamapps/libraryfolders.vdf",
                       "\"libraryfolders\" { \"1\" { \"path\" \"" + library + "\" } }");
    std::string userSteam = temp / "user";  // Steam writes its own path with forward slashes
    std::replace(userSteam.begin(), userSteam.end(), '\\', '/');
    Registry::CreateKey("Software\\Valve\\Steam", Root::CurrentUser);
    Registry::WriteValue(Root::CurrentUser, "Software\\Valve\\Steam", "SteamPath", userSteam,
                         Registry::kString);
    Registry::CreateKey("SOFTWARE\\WOW6432Node\\Valve\\Steam", Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, "SOFTWARE\\WOW6432Node\\Valve\\Steam", "InstallPath",
                         temp / "machine", Registry::kString);

    const std::vector<SteamFolder> folders = ReadSteamFolders();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0].path, userSteam);
    EXPECT_EQ(folders[1].path, temp / "machine");
    EXPECT_EQ(FirstFolderHoldingGame(SteamGameFolders(folders)),
              temp / "machine\\steamapps\\common\\Half-Life");
    EXPECT_EQ(SteamGameFolders(folders).back(), temp / "library\\steamapps\\common\\Half-Life");
}

}  // namespace
}  // namespace quorvant
