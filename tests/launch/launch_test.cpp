#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <functional>

#include "app/file_io.h"
#include "app/file_system.h"
#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::FocusByTab;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;

constexpr char kCstrike[] = "game \"Counter-Strike\"\r\ngamedll \"dlls\\mp.dll\"\r\n";
constexpr char kCstrikeWithBot[] = "game \"Counter-Strike\"\r\ngamedll \"dlls\\HPB_bot.dll\"\r\n";

std::string SaveFile(const std::string& title) {
    std::string field = title;
    field.resize(65, ' ');
    return std::string(4242, '\0') + field + "01:00";
}

class LaunchTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    LaunchTest() {
        game.addExecutable()
            .addMod("cstrike", kCstrike)
            .addFile("cstrike/dlls/mp.dll")
            .addFile("cstrike/dlls/HPB_bot.dll")
            .addFile("cstrike/maps/arena.bsp")
            .addMod("tfc", "gamedll \"dlls\\tfc.dll\"\r\n")
            .addFile("tfc/dlls/tfc.dll")
            .addMod("valve", "game \"Half-Life\"\r\nstartmap \"begin1\"\r\ntrainmap \"train1\"\r\n")
            .addFile("valve/Save/autosave.sav", SaveFile("Start"))
            .addFile("valve/Save/quick.sav", SaveFile("Later"));
        storeSetting("hl_path", game.str());
        form = &loadMainWindow();
        form->coche_console_Click();
    }

    std::string gameCommand(std::string_view executable, std::string_view arguments) const {
        return JoinPath(game.str(), executable) + std::string(arguments);
    }
    void selectMod(const char* mod) {
        form->lst_mods->setCurrentItem(
            form->lst_mods->findItems(QLatin1String(mod), Qt::MatchExactly).value(0));
    }
    void selectBot(const char* entry) {
        form->lst_bots->setCurrentItem(
            form->lst_bots->findItems(QLatin1String(entry), Qt::MatchExactly).value(0));
    }
    void joinAddress(const char* address) {
        form->Label22_Click();
        form->txt_ip->setEditText(QLatin1String(address));
    }
    void playAlone() {
        form->Label17_Click();
        form->lst_mods_solo->setCurrentRow(0);
    }
};

TEST_F(LaunchTest, CreatesAListenServerWithTheChosenBot) {
    selectMod("cstrike");
    selectBot("HPB Bot");
    form->lst_maps->setCurrentIndex(1);
    form->btn_go_Click();
    EXPECT_EQ(
        desktop.onlyCommandLine(),
        gameCommand("hl.exe", " -console -game cstrike -port 27015 +map arena +maxplayers 8"));
    EXPECT_EQ(desktop.starts.back().workingFolder, game.str());
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kCstrikeWithBot);
    EXPECT_EQ(storedSetting("Last_Mod_Mplayer"), "cstrike");

    // The descriptor is rewritten at every launch and stays the same size.
    form->btn_go_Click();
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kCstrikeWithBot);
    selectBot("(None)");
    form->btn_go_Click();
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kCstrike);
}

// Real servers load a plugin loader in place of the mod's library: launching leaves it until the
// user chooses an entry, which then names a library of the mod's own folder.
TEST_F(LaunchTest, APluginLoaderStaysUntilTheUserChoosesABot) {
    const std::string loaderCrLf =
        "game \"Counter-Strike\"\r\ncldll \"1\" \r\ngamedll "
        "\"addons\\metamod\\dlls\\metamod.dll\"\r\n"
        "trainmap \"tr_1\"\r\n\r\n";
    const std::string loaderLf =
        "//gamedll \"dlls\\mp.dll\"\n//gamedll_linux \"dlls/cs.so\"\nedicts\t\"1800\"\n\n"
        "gamedll \"addons\\metamod\\dlls\\metamod.dll\"\ngamedll_linux \"addons/metamod/mm.so\"";
    for (const std::string& loader : {loaderCrLf, loaderLf}) {
        SCOPED_TRACE(loader);
        const auto with = [&loader](const std::string& value) {
            return WithFinalLineEnd(
                std::string(loader).replace(loader.find("addons\\metamod\\dlls"), 31, value));
        };
        game.addMod("cstrike", loader);
        selectMod("tfc");
        selectMod("cstrike");
        ASSERT_EQ(form->lst_bots->currentItem()->text(), QStringLiteral("(None)"));
        form->btn_go_Click();
        EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), loader);
        // A click on the entry the mod selection made is a choice as well.
        const QRect none = form->lst_bots->visualItemRect(form->lst_bots->item(0));
        QTest::mouseClick(form->lst_bots->viewport(), Qt::LeftButton, {}, none.center());
        form->btn_go_Click();
        EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), with("dlls\\mp.dll"));
        selectBot("HPB Bot");
        form->btn_go_Click();
        EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), with("dlls\\HPB_bot.dll"));
    }
    EXPECT_EQ(desktop.starts.size(), 6u);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// A folder set up for Linux has only gamedll_linux, which is not the Windows library.
TEST_F(LaunchTest, ADescriptorWithoutWindowsLibraryIsToldAndKept) {
    const std::string linuxOnly =
        "game \"Counter-Strike\"\ngamedll_linux \"addons/metamod/dlls/metamod_i386.so\"\n"
        "edicts    \"1800\"";
    game.addMod("cstrike", linuxOnly);
    selectMod("tfc");
    selectMod("cstrike");
    selectBot("HPB Bot");
    form->btn_go_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"Can't write DLL!", "Can't write DLL!"}));
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), linuxOnly);
    EXPECT_EQ(desktop.starts.size(), 1u);
}

TEST_F(LaunchTest, StoresTheLaunchSettingsAtEveryPress) {
    form->coche_dev_Click();
    form->coche_dedicated_Click();
    form->txt_memoire->setText(QStringLiteral("64000"));
    form->txt_max_players->setText(QStringLiteral("16"));
    form->txt_port_server->setText(QStringLiteral("27020"));
    form->txt_port_join->setText(QStringLiteral("27030"));
    form->txt_hlexe->setText(QStringLiteral("hl.exe"));
    form->txt_hl->setText(QStringLiteral("/elsewhere"));
    form->Label16_Click();
    form->btn_go_Click();
    EXPECT_TRUE(desktop.starts.empty());
    const std::pair<const char*, const char*> expected[] = {{"Dev", "1"},
                                                            {"Console", "1"},
                                                            {"Numeric_Ping", "0"},
                                                            {"Low_Memory", "0"},
                                                            {"Heap", "64000"},
                                                            {"Max_Players", "16"},
                                                            {"Port_server", "27020"},
                                                            {"Port_client", "27030"},
                                                            {"Dedicated", "1"},
                                                            {"hl_exe", "hl.exe"},
                                                            {"hl_path", "/elsewhere"}};
    for (const auto& [name, value] : expected) EXPECT_EQ(storedSetting(name), value) << name;
    EXPECT_EQ(storedSetting("Last_Mod_Mplayer"), "");
}

TEST_F(LaunchTest, ADedicatedServerRunsTheServerProgramWithoutClientOptions) {
    selectMod("cstrike");
    form->coche_dedicated_Click();
    form->txt_max_players->clear();
    form->txt_port_server->clear();
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(), gameCommand("hlds.exe", " -game cstrike +maxplayers 1"));
}

TEST_F(LaunchTest, JoinsAndRemembersTheAddress) {
    selectMod("tfc");
    joinAddress("10.0.0.5");
    form->txt_port_join->setText(QStringLiteral("27016"));
    form->txt_password->setText(QStringLiteral("secret"));
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(),
              gameCommand("hl.exe", " -console +connect 10.0.0.5:27016 +password secret"));
    EXPECT_EQ(storedSetting("Last_IP"), "10.0.0.5");
    EXPECT_EQ(storedSetting("IP1"), "10.0.0.5");
    EXPECT_EQ(storedSetting("IP2"), "");
    EXPECT_EQ(storedSetting("Last_Mod_Mplayer"), "tfc");
    EXPECT_EQ(ReadFile(game / "tfc/liblist.gam"), "gamedll \"dlls\\tfc.dll\"\r\n");
}

TEST_F(LaunchTest, AFullHistoryDropsItsOldestAddress) {
    form->addressHistory = {"e1", "e2", "e3", "e4", "e5"};
    joinAddress("new");
    form->btn_go_Click();
    const char* expected[] = {"new", "e1", "e2", "e3", "e4"};
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(storedSetting("IP" + std::to_string(slot + 1)), expected[slot]);
    }
    joinAddress("e3");
    form->btn_go_Click();
    EXPECT_EQ(storedSetting("IP1"), "new");
    EXPECT_EQ(storedSetting("IP4"), "e3");
    EXPECT_EQ(storedSetting("Last_IP"), "e3");
}

// Every refusal comes after the settings are stored and the bot library is switched, whatever
// the panel; lists that only have the focus count as having nothing selected.
TEST_F(LaunchTest, RefusedLaunchesStoreTheSettingsAndSwitchTheBotFirst) {
    const struct {
        const char* name;
        std::function<void()> prepare;
        QStringList messages;
        const char* descriptor;
    } refusals[] = {
        {"join without address",
         [this] { joinAddress(""); },
         {"Enter an IP adresse"},
         kCstrikeWithBot},
        {"create without mod",
         [this] {
             form->Label18_Click();
             form->Label23_Click();
             form->lst_mods->clearSelection();
             FocusByTab(form->lst_mods);
         },
         {"Please select a mod"},
         kCstrike},
        {"single player without mod",
         [this] {
             form->Label17_Click();
             FocusByTab(form->lst_mods_solo);
         },
         {"Please select a mod"},
         kCstrikeWithBot},
        {"saved game not selected",
         [this] {
             playAlone();
             form->lbl_load_Click();
             FocusByTab(form->lst_solo_save);
         },
         {"Please select a saved game"},
         kCstrikeWithBot},
        {"configuration panel", [this] { form->Label16_Click(); }, {}, kCstrikeWithBot},
    };
    int launch = 0;
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        game.addMod("cstrike", kCstrike);
        selectMod("cstrike");
        selectBot("HPB Bot");
        dialogs.messages.clear();
        const std::string players = std::to_string(++launch);
        form->txt_max_players->setText(QString::fromStdString(players));
        form->txt_memoire->setText(QString::fromStdString(players));
        refusal.prepare();
        form->btn_go_Click();
        EXPECT_EQ(dialogs.messages, refusal.messages);
        EXPECT_TRUE(desktop.starts.empty());
        EXPECT_EQ(storedSetting("Max_Players"), players);
        EXPECT_EQ(storedSetting("Heap"), players);
        EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), refusal.descriptor);
        EXPECT_EQ(storedSetting("Last_Mod_Mplayer"), "");
        EXPECT_EQ(storedSetting("Last_Mod_Single"), "");
        EXPECT_EQ(storedSetting("IP1"), "");
        EXPECT_FALSE(std::filesystem::exists(game / "valve/quorvant.cfg"));
    }
}

TEST_F(LaunchTest, StartsANewGameOrTheTrainingMap) {
    playAlone();
    form->coche_skip_intro_Click();
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(),
              gameCommand("hl.exe", " -console -game valve +map c1a0 +skill 2"));
    EXPECT_EQ(storedSetting("Last_Mod_Single"), "valve");
    desktop.starts.clear();
    form->Label32_Click();
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(),
              gameCommand("hl.exe", " -console -game valve +map train1"));
}

TEST_F(LaunchTest, AHiddenIntroBoxIsIgnoredAndTheDedicatedBoxDropsOptions) {
    playAlone();
    form->coche_skip_intro_Click();
    form->coche_skip_intro->hide();
    form->coche_dedicated_Click();
    form->coche_skill3_Click();
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(),
              gameCommand("hl.exe", " -game valve +map begin1 +skill 3"));
}

TEST_F(LaunchTest, LoadsTheSelectedSavedGameThroughTheLoadScript) {
    playAlone();
    form->lbl_load_Click();
    form->lst_solo_save->setCurrentRow(1);
    form->btn_go_Click();
    EXPECT_EQ(desktop.onlyCommandLine(),
              gameCommand("hl.exe", " -console -game valve -toconsole +exec quorvant.cfg"));
    EXPECT_EQ(ReadFile(game / "valve/quorvant.cfg"), "load quick.sav\r\n");
}

TEST_F(LaunchTest, ASaveThatVanishedSinceItWasShownLoadsNothingElse) {
    playAlone();
    form->lbl_load_Click();
    form->lst_solo_save->setCurrentRow(0);
    std::filesystem::remove(game / "valve/Save/autosave.sav");
    form->btn_go_Click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(desktop.starts.empty());
    EXPECT_FALSE(std::filesystem::exists(game / "valve/quorvant.cfg"));
    EXPECT_EQ(form->lst_solo_save->count(), 1);  // the list shows the folder again
    EXPECT_TRUE(form->Shape_load->isFilled());
}

TEST_F(LaunchTest, ALoadScriptThatCannotBeWrittenStartsNothing) {
    game.addFolder("valve/quorvant.cfg");
    playAlone();
    form->lbl_load_Click();
    form->lst_solo_save->setCurrentRow(0);
    form->btn_go_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"Can't write quorvant.cfg!"}));
    EXPECT_TRUE(desktop.starts.empty());
}

TEST_F(LaunchTest, ModsWithoutBotsKeepTheirDescriptor) {
    game.addMod("valve", "gamedll \"dlls\\hl.dll\"");
    selectMod("valve");
    form->btn_go_Click();
    EXPECT_EQ(ReadFile(game / "valve/liblist.gam"), "gamedll \"dlls\\hl.dll\"");
    EXPECT_EQ(desktop.onlyCommandLine(),
              gameCommand("hl.exe", " -console -game valve -port 27015 +maxplayers 8"));
}

TEST_F(LaunchTest, OnlyTheLeftButtonLaunchesAndADoubleClickOnce) {
    selectMod("valve");
    QTest::mouseClick(form->btn_go, Qt::RightButton);
    QTest::mouseClick(form->btn_go, Qt::MiddleButton);
    EXPECT_TRUE(desktop.starts.empty());
    QTest::mouseClick(form->btn_go, Qt::LeftButton);
    QTest::mouseDClick(form->btn_go, Qt::LeftButton);
    QTest::mouseRelease(form->btn_go, Qt::LeftButton);
    EXPECT_EQ(desktop.starts.size(), 1u);
}

}  // namespace
}  // namespace quorvant
