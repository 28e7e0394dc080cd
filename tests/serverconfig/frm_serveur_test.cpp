#include "serverconfig/frm_serveur.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;

class ServerOptionsWindowTest : public WindowTest {
  protected:
    Form1* form = nullptr;
    std::unique_ptr<frm_serveur> options;

    ServerOptionsWindowTest() {
        game.addExecutable()
            .addMod("cstrike", "game \"Counter-Strike\"\r\n")
            .addMod("valve", "game \"Half-Life\"\r\n")
            .addFile("cstrike/game.cfg",
                     "\"mp_timelimit\"\t\t\"25\"\r\n\"mp_fraglimit\"\t\t\"0\"\r\n"
                     "\"mp_friendlyfire\"\t\t\"1\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n")
            .addFile("cstrike/listenserver.cfg", "exec listenip.cfg\r\nhostname \"Dust only\"\r\n")
            .addFile("cstrike/autoexec.cfg", "bind f1 vote\r\nlog on\r\n")
            .addFile("cstrike/config.cfg", "cl_allowdownload \"0\"\r\n")
            .addFile("valve/game.cfg", "\"mp_timelimit\"\t\t\"99\"\r\n");
        storeSetting("hl_path", game.str());
        storeSetting("Last_Mod_Mplayer", "cstrike");
        form = &loadMainWindow();
    }

    frm_serveur& open() {
        options = std::make_unique<frm_serveur>(*form, dialogs);
        options->show();
        options->Form_Load();
        return *options;
    }

    bool shownChecked(const PictureBox* box) const {
        const bool checked = box->tag() == QLatin1String("1");
        EXPECT_TRUE(box->showsPictureOf(checked ? *form->HLCoche1 : *form->HLCoche0));
        return checked;
    }

    std::string modFile(const char* name) {
        return ReadFile(game / ("cstrike/" + std::string(name)));
    }
};

void DoubleClick(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
    QTest::mouseDClick(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton);
}

TEST_F(ServerOptionsWindowTest, ShowsTheSelectedModsFiles) {
    ASSERT_EQ(form->lst_mods->currentItem()->text(), QStringLiteral("cstrike"));
    frm_serveur& window = open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Advanced Options"));
    EXPECT_EQ(window.txt_timelimit->text(), QStringLiteral("25"));
    EXPECT_EQ(window.txt_fraglimit->text(), QStringLiteral("0"));
    EXPECT_EQ(window.txt_hostname->text(), QStringLiteral("Dust only"));
    EXPECT_EQ(window.Text1->text(), QString());
    EXPECT_TRUE(shownChecked(window.coche_friendly_fire));
    EXPECT_FALSE(shownChecked(window.coche_footsteps));
    EXPECT_FALSE(shownChecked(window.coche_weapons_stay));
    EXPECT_FALSE(shownChecked(window.coche_force_respawn));
    EXPECT_TRUE(shownChecked(window.coche_flashlight));
    EXPECT_TRUE(shownChecked(window.coche_log));
    EXPECT_TRUE(shownChecked(window.coche_upload));
    EXPECT_FALSE(shownChecked(window.coche_download));
    EXPECT_FALSE(shownChecked(window.coche_lan));
}

TEST_F(ServerOptionsWindowTest, FollowsTheMainWindowsLanguageWithSharedHelp) {
    frm_serveur& english = open();
    EXPECT_EQ(english.Label1->text(), QStringLiteral("Time limit:"));
    EXPECT_EQ(english.lbl_log->toolTip(),
              QStringLiteral("Write a game log in the 'MOD\\logs' folder"));
    EXPECT_EQ(english.coche_upload->toolTip(), english.lbl_upload->toolTip());
    EXPECT_EQ(english.coche_download->toolTip(),
              QStringLiteral("Client download files (like maps or spray logos). Desative it to "
                             "have fast game"));

    form->Image2_Click();
    frm_serveur& french = open();
    EXPECT_EQ(french.Label1->text(), QStringLiteral("Limite de temps :"));
    EXPECT_EQ(french.lbl_force_respawn->text(), QStringLiteral("Force régénération"));
    EXPECT_EQ(french.Label4->text(), QStringLiteral("SAUVER"));
    EXPECT_EQ(french.Label5->toolTip(),
              QStringLiteral("Fermer la fenêtre sans sauver les modifications"));
    EXPECT_EQ(french.lbl_friendly_fire->toolTip(),
              QStringLiteral("Défini si vos amis peuvent vous tirer dessus"));
    EXPECT_EQ(french.coche_download->toolTip(),
              QStringLiteral("Le client télécharge des fichiers (ex: cartes ou graffiti). "
                             "Désactivez-le pour avoir un jeu plus rapide"));
    EXPECT_EQ(french.Label7->toolTip(), QStringLiteral("Autoriser la lampe"));
}

TEST_F(ServerOptionsWindowTest, BoxesAndCaptionsToggleAndDoubleClicksUndoThemselves) {
    frm_serveur& window = open();
    QTest::mouseClick(window.lbl_lan, Qt::LeftButton);
    EXPECT_TRUE(shownChecked(window.coche_lan));
    QTest::mouseClick(window.coche_lan, Qt::LeftButton);
    EXPECT_FALSE(shownChecked(window.coche_lan));
    DoubleClick(window.lbl_log);
    EXPECT_TRUE(shownChecked(window.coche_log));
    DoubleClick(window.coche_download);
    EXPECT_FALSE(shownChecked(window.coche_download));
    QTest::mouseClick(window.Label34, Qt::LeftButton);
    EXPECT_TRUE(shownChecked(window.coche_download));

    QTest::mousePress(window.Label5, Qt::LeftButton);
    EXPECT_TRUE(window.Shape7->isFilled());
    QTest::mouseRelease(window.Label5, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_FALSE(window.Shape7->isFilled());
    EXPECT_TRUE(window.isVisible());  // released outside: no click
}

TEST_F(ServerOptionsWindowTest, SaveWritesEveryFileAndCloses) {
    frm_serveur& window = open();
    window.txt_hostname->setText(QStringLiteral("Dust all night"));
    window.lbl_log_Click();
    window.Label34_Click();
    QTest::mouseClick(window.Label4, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(modFile("autoexec.cfg"), "bind f1 vote\r\n");
    EXPECT_EQ(modFile("config.cfg"),
              "cl_allowdownload \"1\"\r\n\r\ncl_allowupload \"1\"\r\n\r\nsv_lan \"0\"\r\n");
    EXPECT_EQ(modFile("listenserver.cfg"),
              "exec listenip.cfg\r\nhostname \"Dust all night\"\r\n\r\nmp_timelimit 25\r\n"
              "\r\nmp_fraglimit 0\r\n\r\nmp_friendlyfire 1\r\n\r\nmp_footsteps 0\r\n"
              "\r\nmp_weaponstay 0\r\n\r\nmp_forcerespawn 0\r\n\r\nmp_flashlight 1\r\n");
    EXPECT_TRUE(modFile("server.cfg").starts_with("\r\nmp_timelimit 25\r\n\r\nmp_fraglimit 0\r\n"));
    EXPECT_EQ(ReadFile(game / "valve/game.cfg"), "\"mp_timelimit\"\t\t\"99\"\r\n");
}

TEST_F(ServerOptionsWindowTest, EscClosesWithoutSavingAndEnterDoesNothing) {
    frm_serveur& window = open();
    window.txt_hostname->setFocus();
    QTest::keyClicks(window.txt_hostname, QStringLiteral(" 2"));
    QTest::keyClick(window.txt_hostname, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(window.txt_hostname, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(std::filesystem::exists(game / "cstrike/server.cfg"));
    EXPECT_EQ(modFile("listenserver.cfg"), "exec listenip.cfg\r\nhostname \"Dust only\"\r\n");

    // The next opening shows the files again, not what was typed.
    EXPECT_EQ(open().txt_hostname->text(), QStringLiteral("Dust only"));
}

TEST_F(ServerOptionsWindowTest, AFileThatCannotBeWrittenKeepsTheWindowAndSaysWhich) {
    game.addFolder("cstrike/server.cfg");
    frm_serveur& window = open();
    window.txt_timelimit->setText(QStringLiteral("40"));
    window.Label4_Click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Can't write server.cfg!")});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.txt_timelimit->text(), QStringLiteral("40"));
    EXPECT_TRUE(modFile("game.cfg").starts_with("\"mp_timelimit\"\t\t\"40\"\r\n"));
    EXPECT_EQ(modFile("config.cfg"), "cl_allowdownload \"0\"\r\n");
}

}  // namespace
}  // namespace quorvant
