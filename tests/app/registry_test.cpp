#include "app/registry.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFileInfo>
#include <filesystem>

#include "app/settings.h"
#include "app/settings_names.h"
#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::ReadFile;
using ::quorvant::testing::TempFolder;
using Registry::Root;

constexpr std::string_view kKey = settings::kKeyPath;

// Every test gets a configuration folder of its own.
class RegistryTest : public ::testing::Test {
  protected:
    TempFolder config;
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");

    RegistryTest() { qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.str())); }
    ~RegistryTest() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

    std::string settingsFile() const { return config / "Velmarsh Software/Quorvant.ini"; }
};

TEST_F(RegistryTest, AFirstRunCreatesAnEmptyKeyWhereEveryValueReadsEmpty) {
    EXPECT_FALSE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    Registry::CreateKey(kKey, Root::LocalMachine);
    EXPECT_TRUE(std::filesystem::is_regular_file(settingsFile()));
    EXPECT_TRUE(Registry::OpenedKey(Root::LocalMachine, kKey).isOpen());
    EXPECT_EQ(Registry::ReadValue(Root::LocalMachine, kKey, "hl_path"), "");
    Registry::CreateKey(kKey, Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, kKey, "Dev", "1", Registry::kString);
    Registry::CreateKey(kKey, Root::LocalMachine);
    EXPECT_EQ(Registry::ReadValue(Root::LocalMachine, kKey, "Dev"), "1");
}

TEST_F(RegistryTest, WritesBeforeTheKeyExistsAreLost) {
    Registry::WriteValue(Root::LocalMachine, kKey, "Dev", "1", Registry::kString);
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
    EXPECT_EQ(Registry::ReadValue(Root::LocalMachine, kKey, "Dev"), "");
}

TEST_F(RegistryTest, TextsComeBackExactly) {
    Registry::CreateKey(kKey, Root::LocalMachine);
    const std::string texts[] = {"C:\\Sierra\\Half-Life", "27015", "", " padded  ",
                                 "caf\xc3\xa9, \"quoted\" ; # = [x]"};
    for (const std::string& text : texts) {
        Registry::WriteValue(Root::LocalMachine, kKey, "hl_path", text, Registry::kString);
        EXPECT_EQ(Registry::ReadValue(Root::LocalMachine, kKey, "hl_path"), text);
    }
}

TEST_F(RegistryTest, IntegersAreStoredAsTheirNumberAndOtherTypesWriteNothing) {
    Registry::CreateKey(kKey, Root::LocalMachine);
    Registry::OpenedKey key(Root::LocalMachine, kKey);
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(Registry::WriteValueToKey(key, "Port", Registry::kInteger, "27016"),
              Registry::kSuccess);
    EXPECT_EQ(Registry::WriteValueToKey(key, "Binary", 3, "data"), 0);
    std::string value = "untouched";
    EXPECT_EQ(Registry::ReadValueFromKey(key, "Port", value), Registry::kSuccess);
    EXPECT_EQ(value, "27016");
    value = "untouched";
    EXPECT_NE(Registry::ReadValueFromKey(key, "Binary", value), Registry::kSuccess);
    EXPECT_EQ(value, "untouched");
}

TEST_F(RegistryTest, TheGamesRegistrationIsReadFromTheWinePrefixNotFromTheSettings) {
    const std::filesystem::path prefix = config.path() / "wine";
    const QByteArray savedPrefix = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", QByteArray::fromStdString(prefix.string()));
    CreateSettingsKey();
    WriteSetting("Path", "/games/hl");
    Registry::CreateKey(settings::kGameAppPathKey, Root::LocalMachine);
    Registry::WriteValue(Root::LocalMachine, settings::kGameAppPathKey, "Path", "/opt/hl",
                         Registry::kString);
    EXPECT_EQ(ReadRegisteredGameFolder(), "");

    std::filesystem::create_directories(prefix / "drive_c/Games/Half-Life");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    ::quorvant::testing::WriteFile(
        prefix / "system.reg",
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\hl.exe] 1\n"
        "\"Path\"=\"C:\\\\Games\\\\Half-Life\"\n");
    EXPECT_EQ(ReadRegisteredGameFolder(), (prefix / "drive_c/Games/Half-Life").string());
    EXPECT_EQ(ReadSetting("Path"), "/games/hl");
    qputenv("WINEPREFIX", savedPrefix);
}

TEST_F(RegistryTest, TheSettingsFileIsPlainTextInTheConfigurationFolder) {
    CreateSettingsKey();
    WriteSetting(settings::kLanguage, "0");
    EXPECT_NE(ReadFile(settingsFile()).find("Language=0"), std::string::npos);
}

TEST_F(RegistryTest, AnUnreadableOrBrokenFileReadsAsEmpty) {
    CreateSettingsKey();
    ::quorvant::testing::WriteFile(settingsFile(), "\xff\xfe[General\nDev");
    EXPECT_EQ(ReadSetting(settings::kDev), "");
}

}  // namespace
}  // namespace quorvant
