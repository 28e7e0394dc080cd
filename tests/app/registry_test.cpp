// The settings store outside Windows: an INI file in the user's configuration folder.
#include "app/registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings.h"
#include "app/settings_names.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using namespace ::quorvant::testing;
using Registry::Root;

constexpr std::string_view kKey = settings::kKeyPath;

// Every test gets a configuration folder and a Wine prefix of its own.
class RegistryTest : public ::testing::Test {
  protected:
    TempFolder temp;
    ScopedEnvironment config{"XDG_CONFIG_HOME", temp.str()}, prefix{"WINEPREFIX", temp / "wine"};
    std::string file = temp / "Velmarsh Software/Quorvant.ini";
};

TEST_F(RegistryTest, KeepsTextsExactlyInAPlainFileOnceTheKeyExists) {
    WriteSetting(settings::kDev, "1");  // lost: no key yet
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    CreateSettingsKey();
    EXPECT_TRUE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    EXPECT_EQ(ReadSetting(settings::kDev), "");
    for (const char* text :
         {"C:\\Sierra\\Half-Life", "", " padded  ", "caf\xc3\xa9, \"q\" ; # = [x]"}) {
        WriteSetting(settings::kHlPath, text);
        EXPECT_EQ(ReadSetting(settings::kHlPath), text);
    }
    WriteSetting(settings::kLanguage, "0");
    CreateSettingsKey();  // an existing key stays as it is
    EXPECT_EQ(ReadSetting(settings::kLanguage), "0");
    EXPECT_NE(ReadFile(file).find("Language=0"), std::string::npos);
    WriteFile(file, "\xff\xfe[General\nLanguage");
    EXPECT_EQ(ReadSetting(settings::kLanguage), "");  // a broken file reads as empty
}

TEST_F(RegistryTest, StoresIntegersAsTheirNumberAndOtherTypesNot) {
    CreateSettingsKey();
    Registry::OpenedKey key(Root::LocalMachine, kKey);
    EXPECT_EQ(Registry::WriteValueToKey(key, "Port", Registry::kInteger, "27016"),
              Registry::kSuccess);
    EXPECT_EQ(Registry::WriteValueToKey(key, "Binary", 3, "data"), 0);
    std::string value = "untouched";
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Port", value), Registry::kSuccess);
    EXPECT_EQ(value, "27016");
    EXPECT_NE(Registry::ReadValueFromKey(key, "Binary", value), Registry::kSuccess);
    EXPECT_EQ(value, "27016");
}

// The installer ran inside the Wine prefix: its registration is there, not in the settings.
TEST_F(RegistryTest, TheGamesRegistrationIsReadFromTheWinePrefix) {
    CreateSettingsKey();
    Registry::CreateKey(settings::kGameAppPathKey, Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, settings::kGameAppPathKey, "Path", "/opt/hl",
                         Registry::kString);
    EXPECT_EQ(ReadRegisteredGameFolder(), "");
    fs::create_directories(temp.path() / "wine/drive_c/Games");
    fs::create_directories(temp.path() / "wine/dosdevices");
    fs::create_directory_symlink("../drive_c", temp.path() / "wine/dosdevices/c:");
    WriteFile(temp / "wine/system.reg",
              "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\hl.exe] 1\n"
              "\"Path\"=\"C:\\\\Games\"\n");
    EXPECT_EQ(ReadRegisteredGameFolder(), temp / "wine/drive_c/Games");
}

}  // namespace
}  // namespace quorvant
