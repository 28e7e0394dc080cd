// The settings store against the real Windows registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/registry.h"
#include "app/settings.h"
#include "app/settings_names.h"

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
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(kKey).c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, std::string(settings::kGameAppPathKey).c_str());
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

}  // namespace
}  // namespace quorvant
