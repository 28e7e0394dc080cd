#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWindow>

#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::WindowTest;

class ModActionsTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    ModActionsTest() {
        game.addExecutable()
            .addMod("cstrike", "game \"CS\"\r\nurl_info \"www.cs.example\"\r\n")
            .addFile("cstrike/mapcycle.txt", "de_dust\r\ncs_office\r\nde_aztec\r\n")
            .addFile("cstrike/game.cfg", "\"mp_timelimit\" \"35\"\r\n")
            .addMod(
                "valve",
                "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\nurl_info \"https://hl.example\"\r\n");
        storeSetting("hl_path", game.str());
        storeSetting("Last_Mod_Mplayer", "cstrike");
        form = &loadMainWindow();
    }

    // Runs `open`, which shows a window modally, and looks at that window once it is up.
    template <typename Window>
    void whileOpen(void (Form1::*open)(), const std::function<void(Window&)>& look) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            seen = true;
            EXPECT_EQ(window->windowHandle()->transientParent(), form->windowHandle());
            EXPECT_EQ(window->geometry().center(), form->geometry().center());
            EXPECT_TRUE(window->isModal());
            // The main window's own look for its "Label4" must not reach the tool window's.
            auto* label = window->template findChild<QLabel*>(QStringLiteral("Label4"));
            ASSERT_NE(label, nullptr);
            label->ensurePolished();
            EXPECT_FALSE(label->font().bold());
            look(*window);
            window->reject();
        });
        (form->*open)();
        EXPECT_TRUE(seen);
    }
};

TEST_F(ModActionsTest, OpensTheMessageOfTheDayOfTheSelectedModInTheEditor) {
    form->Label29_Click();
    ASSERT_EQ(desktop.editedFiles.size(), 1u);
    EXPECT_EQ(desktop.editedFiles[0], form->WindowsFolder + " | " + (game / "cstrike/motd.txt"));
    EXPECT_FALSE(form->WindowsFolder.empty());
    EXPECT_FALSE(form->Shape15->isFilled());
}

TEST_F(ModActionsTest, EachLinkOpensItsOwnCaption) {
    form->lbl_info_URL_Click();
    EXPECT_EQ(desktop.openedAddresses, std::vector<std::string>{"http://www.cs.example"});
    form->lst_mods_solo->setCurrentItem(
        form->lst_mods_solo->findItems(QStringLiteral("valve"), Qt::MatchExactly).value(0));
    form->lbl_solo_url_Click();
    EXPECT_EQ(desktop.openedAddresses.back(), "https://hl.example");
    form->lbl_solo_url->setText(QString());
    form->lbl_solo_url_Click();
    EXPECT_EQ(desktop.openedAddresses.size(), 2u);
}

TEST_F(ModActionsTest, OpensTheModsWindowsModallyOverTheMainWindow) {
    whileOpen<frm_serveur>(&Form1::Label28_Click, [](frm_serveur& options) {
        EXPECT_EQ(options.txt_timelimit->text(), QStringLiteral("35"));
    });
    whileOpen<frm_mapcycle>(&Form1::Label19_Click, [](frm_mapcycle& cycle) {
        EXPECT_EQ(cycle.lbl_nbr_maps->text(), QStringLiteral("3 maps"));
    });

    form->Label19_MouseDown();
    form->Label28_MouseDown();
    EXPECT_TRUE(form->Shape9->isFilled());
    EXPECT_TRUE(form->Shape14->isFilled());
    form->Label19_MouseUp();
    form->Label28_MouseUp();
    EXPECT_FALSE(form->Shape9->isFilled() || form->Shape14->isFilled());
}

TEST_F(ModActionsTest, WithoutASelectedModNothingOpens) {
    form->lst_mods->clear();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            opened = true;
            window->close();
        }
    });
    form->Label28_Click();
    form->Label19_Click();
    form->Label29_Click();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(desktop.editedFiles.empty());
}

}  // namespace
}  // namespace quorvant
