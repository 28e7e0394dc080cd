#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>

#include "app/frm_main.h"
#include "app/settings_names.h"
#include "support/ui_fixture.h"
#include "ui/selection.h"
#include "ui/text_conversion.h"

namespace quorvant {
namespace {

namespace names = settings;
using ::quorvant::testing::FocusByTab;
using ::quorvant::testing::WindowTest;

class StartupTest : public WindowTest {
  protected:
    std::string defaultFolder = temp / "wine/drive_c/Sierra/Half-Life";

    StartupTest() {
        game.addExecutable()
            .addMod("cstrike", "game \"Counter-Strike\"\r\n")
            .addMod("tfc", "game \"TFC\"\r\n")
            .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\n")
            .addMod("gearbox", "game \"Opposing Force\"\r\nstartmap \"of0a0\"\r\n");
    }

    QString askLine() const {
        return QStringLiteral("Please, enter Half-Life forder. | I can't find the path! | ") +
               FromBytes(defaultFolder);
    }
    QString gamePath() const { return FromBytes(game.str()); }
};

bool Shown(const QWidget* widget) { return !widget->isHidden(); }

TEST_F(StartupTest, AFirstRunTakesTheDefaultFolderAndShowsTheDesignDefaults) {
    ::quorvant::testing::GameFolder(defaultFolder).addExecutable().addMod("valve", "startmap");
    Form1& form = loadMainWindow();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(form.txt_hl->text(), FromBytes(defaultFolder));
    EXPECT_EQ(form.Dir1.path(), defaultFolder);
    EXPECT_EQ(storedSetting(names::kHlPath), defaultFolder);
    EXPECT_EQ(form.txt_hlexe->text(), QStringLiteral("hl.exe"));
    EXPECT_EQ(storedSetting(names::kHlExe), "hl.exe");

    EXPECT_EQ(form.lst_mods->currentRow(), 0);
    EXPECT_EQ(form.lst_mods_solo->currentRow(), -1);
    // Tabbing into the single-player list chooses no mod: the panel keeps its design captions.
    form.Label17_Click();
    FocusByTab(form.lst_mods_solo);
    EXPECT_EQ(SelectedText(form.lst_mods_solo), QString());
    EXPECT_EQ(form.lbl_solo_nom->text(), QStringLiteral("nom"));
    EXPECT_EQ(form.lbl_solo_version->text(), QStringLiteral("version"));
    form.Label18_Click();
    for (PictureBox* box : {form.coche_dev, form.coche_console, form.coche_ping, form.coche_memoire,
                            form.coche_dedicated, form.coche_skip_intro}) {
        EXPECT_EQ(box->tag(), QStringLiteral("0")) << box->objectName().toStdString();
        EXPECT_TRUE(box->showsPictureOf(*form.HLCoche0));
    }
    EXPECT_EQ(form.coche_skill1->tag(), QStringLiteral("0"));
    EXPECT_EQ(form.coche_skill2->tag(), QStringLiteral("1"));
    EXPECT_TRUE(form.coche_skill2->showsPictureOf(*form.HLOption1));
    EXPECT_TRUE(form.coche_skill3->showsPictureOf(*form.HLOption0));
    EXPECT_EQ(form.txt_memoire->text(), QString());
    EXPECT_EQ(form.txt_max_players->text(), QStringLiteral("8"));
    EXPECT_EQ(form.txt_port_server->text(), QStringLiteral("27015"));
    EXPECT_EQ(form.txt_port_join->text(), QString());
    EXPECT_EQ(form.txt_ip->count(), 0);
    EXPECT_TRUE(Shown(form.Frame_mplayer) && Shown(form.Frame_server));
    EXPECT_FALSE(Shown(form.Frame_Join) || Shown(form.Frame_single) || Shown(form.frame_config));
    EXPECT_EQ(form.Image1->tag(), QStringLiteral("1"));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(StartupTest, ListsTheModsOfTheGameFolder) {
    storeSetting(names::kHlPath, game.str());
    Form1& form = loadMainWindow();
    QStringList multiplayer, single;
    for (int i = 0; i < form.lst_mods->count(); ++i) multiplayer << form.lst_mods->item(i)->text();
    for (int i = 0; i < form.lst_mods_solo->count(); ++i) {
        single << form.lst_mods_solo->item(i)->text();
    }
    EXPECT_EQ(multiplayer, QStringList({"cstrike", "gearbox", "tfc", "valve"}));
    EXPECT_EQ(single, QStringList({"gearbox", "valve"}));
}

TEST_F(StartupTest, RestoresEveryStoredChoice) {
    storeSetting(names::kHlPath, game.str());
    storeSetting(names::kHlExe, "hl_custom.exe");
    storeSetting(names::kMod, "tfc");
    storeSetting(names::kDev, "1");
    storeSetting(names::kConsole, "0");
    storeSetting(names::kNumericPing, "yes");
    storeSetting(names::kLowMemory, "1");
    storeSetting(names::kHeap, "64000");
    storeSetting(names::kMaxPlayers, "");
    storeSetting(names::kPortServer, "27020");
    storeSetting(names::kPortClient, "27016");
    storeSetting("IP1", "10.0.0.5");
    storeSetting("IP2", "");
    storeSetting("IP3", "192.0.2.7");
    storeSetting(names::kLastIp, "192.0.2.7");
    storeSetting(names::kLastTab, "2");
    storeSetting(names::kLastModSingle, "valve");
    storeSetting(names::kLanguage, "0");
    storeSetting(names::kDedicated, "1");
    Form1& form = loadMainWindow();

    EXPECT_EQ(form.txt_hlexe->text(), QStringLiteral("hl_custom.exe"));
    EXPECT_EQ(storedSetting(names::kHlExe), "hl_custom.exe");
    EXPECT_EQ(form.lst_mods->currentItem()->text(), QStringLiteral("tfc"));
    EXPECT_EQ(form.coche_dev->tag(), QStringLiteral("1"));
    EXPECT_TRUE(form.coche_dev->showsPictureOf(*form.HLCoche1));
    EXPECT_EQ(form.coche_console->tag(), QStringLiteral("0"));
    EXPECT_EQ(form.coche_ping->tag(), QStringLiteral("0"));
    EXPECT_EQ(form.coche_memoire->tag(), QStringLiteral("1"));
    EXPECT_EQ(form.coche_dedicated->tag(), QStringLiteral("0"));
    EXPECT_EQ(form.txt_memoire->text(), QStringLiteral("64000"));
    EXPECT_EQ(form.txt_max_players->text(), QStringLiteral("8"));
    EXPECT_EQ(form.txt_port_server->text(), QStringLiteral("27020"));
    EXPECT_EQ(form.txt_port_join->text(), QStringLiteral("27016"));
    EXPECT_EQ(form.txt_ip->count(), 2);
    EXPECT_EQ(form.txt_ip->currentText(), QStringLiteral("192.0.2.7"));
    EXPECT_EQ(form.addressHistory[0], QStringLiteral("10.0.0.5"));
    EXPECT_EQ(form.addressHistory[1], QString());
    EXPECT_EQ(form.addressHistory[2], QStringLiteral("192.0.2.7"));
    EXPECT_TRUE(Shown(form.Frame_mplayer) && Shown(form.Frame_Join));
    EXPECT_FALSE(Shown(form.Frame_server));
    EXPECT_EQ(form.lst_mods_solo->currentItem()->text(), QStringLiteral("valve"));
    EXPECT_EQ(form.Image1->tag(), QStringLiteral("0"));
}

TEST_F(StartupTest, TheStoredTabOpensItsPanel) {
    storeSetting(names::kHlPath, game.str());
    storeSetting(names::kLastTab, "3");
    Form1& single = loadMainWindow();
    EXPECT_TRUE(Shown(single.Frame_single));
    EXPECT_FALSE(Shown(single.Frame_mplayer));
    EXPECT_TRUE(single.Label17->font().bold());

    storeSetting(names::kLastTab, "something");
    Form1& other = loadMainWindow();
    EXPECT_TRUE(Shown(other.Frame_mplayer) && Shown(other.Frame_server));
    EXPECT_FALSE(Shown(other.Frame_single) || Shown(other.Frame_Join));
}

TEST_F(StartupTest, StoredChoicesThatAreGoneFallBackWithoutLooping) {
    storeSetting(names::kHlPath, game.str());
    storeSetting(names::kMod, "ricochet");
    storeSetting(names::kLastModMultiplayer, "dmc");  // removed: the next name after it
    storeSetting(names::kLastModSingle, "zzz");       // sorts after every mod
    storeSetting("IP1", "10.0.0.5");
    storeSetting(names::kLastIp, "unknown");
    Form1& form = loadMainWindow();
    EXPECT_EQ(form.lst_mods->currentItem()->text(), QStringLiteral("gearbox"));
    EXPECT_EQ(form.lst_mods_solo->currentRow(), -1);
    EXPECT_EQ(form.txt_ip->currentIndex(), -1);
    EXPECT_EQ(form.txt_ip->currentText(), QStringLiteral("unknown"));

    // Names match case for case; a removed single-player mod gives the next one; the history
    // alone puts no address in the box.
    storeSetting(names::kMod, "TFC");
    storeSetting(names::kLastModMultiplayer, "");
    storeSetting(names::kLastModSingle, "hldm");
    storeSetting(names::kLastIp, "");
    Form1& again = loadMainWindow();
    EXPECT_EQ(SelectedText(again.lst_mods), QString());
    EXPECT_EQ(SelectedText(again.lst_mods_solo), QStringLiteral("valve"));
    EXPECT_EQ(again.txt_ip->count(), 1);
    EXPECT_EQ(again.txt_ip->currentText(), QString());
}

TEST_F(StartupTest, AnyStoredLanguageButZeroGivesTheEnglishTexts) {
    storeSetting(names::kHlPath, game.str());
    for (const char* language : {"", "1", "2", "00", "fr"}) {
        SCOPED_TRACE(language);
        storeSetting(names::kLanguage, language);
        Form1& form = loadMainWindow();
        EXPECT_EQ(form.Image1->tag(), QStringLiteral("1"));
        EXPECT_EQ(form.btn_go->text(), QStringLiteral("GO!"));  // not the design's "GO !"
        EXPECT_EQ(form.Label17->text(), QStringLiteral("SINGLE PLAYER"));
    }
}

TEST_F(StartupTest, TheMapListIsFilledOnceForTheModThatStaysSelected) {
    game.addFile("cstrike/maps/de_dust.bsp").addFile("tfc/maps/2fort.bsp");
    storeSetting(names::kHlPath, game.str());
    storeSetting(names::kMod, "cstrike");
    storeSetting(names::kLastModMultiplayer, "tfc");
    window = std::make_unique<Form1>(dialogs, desktop);
    QSignalSpy removed(window->lst_maps->model(), &QAbstractItemModel::rowsRemoved);
    ASSERT_TRUE(window->Form_Load());
    EXPECT_EQ(window->lst_mods->currentItem()->text(), QStringLiteral("tfc"));
    EXPECT_EQ(window->lbl_info_nom->text(), QStringLiteral("TFC"));
    ASSERT_EQ(window->lst_maps->count(), 2);
    EXPECT_EQ(window->lst_maps->itemText(1), QStringLiteral("2fort.bsp"));
    EXPECT_EQ(removed.count(), 0) << "the maps of the stored mod were listed and thrown away";
}

TEST_F(StartupTest, AStoredFolderWithoutTheGameIsAskedForAgainUntilRight) {
    storeSetting(names::kHlPath, temp / "moved");
    dialogs.answers = {FromBytes(temp / "wrong"), gamePath()};
    Form1& form = loadMainWindow();
    EXPECT_EQ(dialogs.messages, QStringList({"Incorrect forder!", "Incorrect forder!"}));
    EXPECT_EQ(dialogs.questions, QStringList({askLine(), askLine()}));
    EXPECT_EQ(form.txt_hl->text(), gamePath());
    EXPECT_EQ(storedSetting(names::kHlPath), game.str());
    EXPECT_EQ(form.lst_mods->count(), 4);
}

TEST_F(StartupTest, AFirstRunFindsANativeInstallInSteamsLibrary) {
    const std::string steamGame = temp / "home/.local/share/Steam/steamapps/common/Half-Life";
    ::quorvant::testing::GameFolder(steamGame)
        .addFile("hl_linux")
        .addFile("hl.sh")
        .addMod("valve", "startmap");
    Form1& form = loadMainWindow();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(form.Dir1.path(), steamGame);
    EXPECT_EQ(storedSetting(names::kHlPath), steamGame);
    EXPECT_EQ(storedSetting(names::kHlExe), "hl.exe");
}

TEST_F(StartupTest, NothingFoundAsksAtOnceAndAnEmptyAnswerEndsWithoutStoring) {
    bool ended = false;
    frm_main splash(dialogs, desktop, [&ended] { ended = true; });
    splash.Timer1_Timer();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.questions, QStringList({askLine()}));
    EXPECT_FALSE(splash.Timer1.isActive());
    EXPECT_FALSE(splash.mainWindow()->isVisible());
    splash.mainWindow()->close();  // whatever happens to the window, nothing more is stored
    EXPECT_EQ(storedSetting(names::kLastTab), "");
    EXPECT_EQ(storedSetting(names::kLanguage), "");
}

TEST_F(StartupTest, GivingUpAfterAWrongStoredFolderForgetsIt) {
    storeSetting(names::kHlPath, temp / "moved");
    window = std::make_unique<Form1>(dialogs, desktop);
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(dialogs.messages, QStringList({"Incorrect forder!"}));
    EXPECT_EQ(storedSetting(names::kHlPath), "");
}

TEST_F(StartupTest, TheSplashLoadsTheMainWindowOnceWhileItsQuestionIsOpen) {
    storeSetting(names::kHlPath, temp / "moved");
    dialogs.answers = {gamePath()};
    frm_main splash(dialogs, desktop, [] { FAIL() << "the program ended"; });
    Main(splash);
    dialogs.whileAsking = [&splash] {
        QEventLoop wait;
        QTimer::singleShot(350, &wait, &QEventLoop::quit);
        wait.exec();  // the splash timer ticks meanwhile
        splash.Timer1_Timer();
    };
    QEventLoop untilLoaded;
    QTimer::singleShot(1500, &untilLoaded, &QEventLoop::quit);
    untilLoaded.exec();
    ASSERT_NE(splash.mainWindow(), nullptr);
    int mainWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form1*>(widget)) ++mainWindows;
    }
    EXPECT_EQ(mainWindows, 1);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(splash.mainWindow()->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1.isActive());
}

TEST_F(StartupTest, ClosingStoresTheTabAndLanguageButNotTheConfigurationPanel) {
    storeSetting(names::kHlPath, game.str());
    Form1& form = loadMainWindow();
    form.Label22_Click();
    form.Image2_Click();
    form.close();
    EXPECT_EQ(storedSetting(names::kLastTab), "2");
    EXPECT_EQ(storedSetting(names::kLanguage), "0");

    Form1& again = loadMainWindow();
    again.Label17_Click();
    again.close();
    EXPECT_EQ(storedSetting(names::kLastTab), "3");
    EXPECT_EQ(storedSetting(names::kLanguage), "0");

    Form1& config = loadMainWindow();
    EXPECT_TRUE(Shown(config.Frame_single));
    config.Label16_Click();
    config.Image1_Click();
    config.close();
    EXPECT_EQ(storedSetting(names::kLastTab), "3");
    EXPECT_EQ(storedSetting(names::kLanguage), "1");
}

}  // namespace
}  // namespace quorvant
