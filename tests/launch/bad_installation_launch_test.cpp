// Launching and saving from mod folders that are read-only, unreadable, or oddly named.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <filesystem>

#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "support/ordinary_user.h"
#include "support/ui_fixture.h"
#include "ui/selection.h"

namespace quorvant {
namespace {

namespace fs = std::filesystem;
using ::quorvant::testing::AsOrdinaryUser;
using ::quorvant::testing::CanTryPermissions;
using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;

constexpr char kCstrike[] = "game \"Counter-Strike\"\r\ngamedll \"dlls\\mp.dll\"\r\n";
const std::string kLatin1Mod = "caf\xe9";  // not valid UTF-8

class BadInstallationLaunchTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    BadInstallationLaunchTest() {
        game.addExecutable()
            .addMod("cstrike", kCstrike)
            .addFile("cstrike/dlls/mp.dll")
            .addFile("cstrike/dlls/HPB_bot.dll")
            .addFile("cstrike/game.cfg", "\"mp_timelimit\"\t\t\"25\"\r\n")
            .addFile("cstrike/mapcycle.txt", "de_dust\r\n")
            .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n")
            .addFile("valve/Save/quick.sav", std::string(5000, ' '));
        storeSetting("hl_path", game.str());
        storeSetting("Last_Mod_Mplayer", "cstrike");
        form = &loadMainWindow();
        // The settings may still be stored by anyone; the mod folders stay root's own.
        fs::permissions(temp.path(), fs::perms::all);
        fs::permissions(temp.path() / "config", fs::perms::all);
    }

    void selectMod(const std::string& mod) {
        for (int row = 0; row < form->lst_mods->count(); ++row) {
            const QListWidgetItem* item = form->lst_mods->item(row);
            if (EntryBytes(item->data(Qt::UserRole), item->text()) == mod)
                form->lst_mods->setCurrentRow(row);
        }
    }
};

TEST_F(BadInstallationLaunchTest, AReadOnlyModFolderAtLaunchSaysSoAndKeepsItsFiles) {
    if (!CanTryPermissions()) GTEST_SKIP() << "no permission modes here";
    EXPECT_TRUE(AsOrdinaryUser([&] {
        form->lst_bots->setCurrentItem(form->lst_bots->findItems("HPB Bot", Qt::MatchExactly)[0]);
        form->btn_go_Click();
        // The game still starts, with the mod's own library.
        const bool serverStarted =
            !dialogs.messages.isEmpty() &&
            dialogs.messages.count("Can't write DLL!") == dialogs.messages.size() &&
            desktop.starts.size() == 1;
        form->Label17_Click();
        form->lst_mods_solo->setCurrentRow(0);
        form->lbl_load_Click();
        form->lst_solo_save->setCurrentRow(0);
        form->btn_go_Click();
        return serverStarted && dialogs.messages.last() == "Can't write quorvant.cfg!" &&
               desktop.starts.size() == 1;
    }));
    EXPECT_EQ(ReadFile(game / "cstrike/liblist.gam"), kCstrike);
    EXPECT_FALSE(fs::exists(game / "valve/quorvant.cfg"));
}

TEST_F(BadInstallationLaunchTest, AReadOnlyModFolderAtSaveKeepsBothWindowsOpen) {
    if (!CanTryPermissions()) GTEST_SKIP() << "no permission modes here";
    EXPECT_TRUE(AsOrdinaryUser([&] {
        frm_serveur options(*form, dialogs);
        options.show();
        options.Form_Load();
        options.Label4_Click();
        frm_mapcycle mapCycle(*form, dialogs);
        mapCycle.show();
        mapCycle.Form_Load();
        mapCycle.Label3_Click();
        return dialogs.messages ==
                   QStringList({"Can't write game.cfg!", "Can't write mapcycle!"}) &&
               options.isVisible() && mapCycle.isVisible() && mapCycle.lst_maps->count() == 1;
    }));
    EXPECT_EQ(ReadFile(game / "cstrike/game.cfg"), "\"mp_timelimit\"\t\t\"25\"\r\n");
}

TEST_F(BadInstallationLaunchTest, AnUnreadableMapCycleIsNeverSavedOver) {
    if (!CanTryPermissions()) GTEST_SKIP() << "no permission modes here";
    fs::permissions(game / "cstrike", fs::perms::all);
    fs::permissions(game / "cstrike/mapcycle.txt", fs::perms::others_write);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        frm_mapcycle mapCycle(*form, dialogs);
        mapCycle.show();
        mapCycle.Form_Load();
        mapCycle.Label3_Click();
        return mapCycle.lst_maps->count() == 0 &&
               dialogs.messages == QStringList{"Can't write mapcycle!"} && mapCycle.isVisible();
    }));
    EXPECT_EQ(ReadFile(game / "cstrike/mapcycle.txt"), "de_dust\r\n");
}

TEST_F(BadInstallationLaunchTest, JunkDescriptorsAndForeignNamesReachTheGameByteForByte) {
    std::string junk(3000, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 37 + 11);
    game.addMod(kLatin1Mod, junk).addFile(kLatin1Mod + "/maps/d\xe9p\xf4t.bsp");
    game.addMod("my mod", "game \"Mine\"\r\n");
    form->lst_mods->clear();
    form->lst_mods_solo->clear();
    form->ModScan();

    selectMod(kLatin1Mod);
    form->lst_mods_Click();
    ASSERT_EQ(form->lst_maps->count(), 2);
    form->lst_maps->setCurrentIndex(1);
    form->btn_go_Click();
    const std::string command = desktop.onlyCommandLine();
    EXPECT_NE(command.find(" -game " + kLatin1Mod + " "), std::string::npos) << command;
    EXPECT_NE(command.find(" +map d\xe9p\xf4t "), std::string::npos) << command;
    EXPECT_EQ(ReadFile(game / (kLatin1Mod + "/liblist.gam")), junk);

    selectMod("my mod");
    form->lst_mods_Click();
    EXPECT_EQ(form->lbl_info_nom->text(), QStringLiteral("Mine"));
}

}  // namespace
}  // namespace quorvant
