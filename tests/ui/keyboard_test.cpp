// The windows without a mouse: Tab order, Space and Enter, arrow keys, what screen readers are
// told, and GO!'s copied command line and its launch feedback.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/settings_names.h"
#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "support/ui_fixture.h"
#include "ui/launch_feedback.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::ReadFile;
using ::quorvant::testing::WindowTest;

// The names of the controls that Tab visits from `first` until it comes back to it.
std::string TabCycle(QWidget& window, QWidget* first) {
    window.show();
    first->setFocus(Qt::TabFocusReason);
    std::string visited;
    for (QWidget* at = first; visited.size() < 1000;) {
        visited += at->objectName().toStdString() + " ";
        QTest::keyClick(at, Qt::Key_Tab);
        at = window.focusWidget();
        if (!at || at == first) break;
    }
    return visited;
}

class KeyboardTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    KeyboardTest() {
        game.addExecutable()
            .addMod("cstrike", "game \"Counter-Strike\"\r\nurl_info \"www.cs.example\"\r\n")
            .addFile("cstrike/maps/arena.bsp")
            .addMod("valve", "game \"Half-Life\"\r\nstartmap \"c0a0\"\r\ntrainmap \"t0a0\"\r\n");
        storeSetting(settings::kHlPath, game.str());
        form = &loadMainWindow();
    }

    void press(QWidget* control, Qt::Key key) {
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, key);
    }
};

TEST_F(KeyboardTest, TabVisitsEveryControlOfEachWindowInReadingOrder) {
    const std::string window = "Image1 Image2 Image3 Image4 Label18 Label17 Label16 ";
    const std::string foot = "Label1 btn_go ";
    EXPECT_EQ(TabCycle(*form, form->Image1),
              window +
                  "Label23 Label22 lst_mods lst_bots Label28 Label19 Label29 lbl_info_URL "
                  "lst_maps txt_max_players txt_port_server coche_dedicated " +
                  foot);
    form->Label22_Click();
    EXPECT_EQ(TabCycle(*form, form->Image1),
              window + "Label23 Label22 txt_ip txt_port_join txt_password " + foot);
    form->Label17_Click();
    form->lst_mods_solo->setCurrentRow(0);
    EXPECT_EQ(TabCycle(*form, form->Image1),
              window +
                  "lst_mods_solo lbl_solo_url Label31 Label32 coche_skip_intro "
                  "lst_solo_save coche_skill1 coche_skill2 coche_skill3 " +
                  foot);
    form->Label16_Click();
    EXPECT_EQ(TabCycle(*form, form->Image1),
              window +
                  "txt_hl txt_hlexe coche_dev coche_console coche_ping coche_memoire "
                  "txt_memoire " +
                  foot);

    frm_serveur options(*form, dialogs);
    options.Form_Load();
    EXPECT_EQ(TabCycle(options, options.txt_timelimit),
              "txt_timelimit txt_fraglimit txt_hostname Text1 coche_friendly_fire coche_footsteps "
              "coche_weapons_stay coche_force_respawn coche_flashlight coche_log coche_lan "
              "coche_upload coche_download Label4 Label5 ");
    frm_mapcycle cycle(*form, dialogs);
    cycle.Form_Load();
    EXPECT_EQ(TabCycle(cycle, cycle.lst_maps),
              "lst_maps Image1 Image2 Label2 txt_ajout Label1 Label3 Label4 ");
}

TEST_F(KeyboardTest, SpaceAndEnterRunWhatAClickRunsAndArrowsMoveBetweenOptions) {
    form->show();
    press(form->Label16, Qt::Key_Return);  // tab
    EXPECT_TRUE(form->frame_config->isVisible());
    press(form->coche_dev, Qt::Key_Space);  // check box
    EXPECT_EQ(form->coche_dev->tag(), QStringLiteral("1"));
    press(form->Image2, Qt::Key_Enter);  // flag
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("0"));
    press(form->Label18, Qt::Key_Space);
    press(form->Label22, Qt::Key_Space);  // sub-tab
    EXPECT_TRUE(form->Frame_Join->isVisible());
    press(form->Label23, Qt::Key_Return);
    press(form->lbl_info_URL, Qt::Key_Space);  // link
    EXPECT_EQ(desktop.openedAddresses, std::vector<std::string>{"http://www.cs.example"});

    press(form->Label17, Qt::Key_Space);
    form->lst_mods_solo->setCurrentRow(0);
    press(form->Label32, Qt::Key_Space);  // start choice
    EXPECT_TRUE(form->Shape_training->isFilled());
    press(form->Label32, Qt::Key_Up);
    EXPECT_TRUE(form->Shape_game->isFilled());
    EXPECT_EQ(form->focusWidget(), form->Label31);
    press(form->coche_skill2, Qt::Key_Down);  // difficulty
    EXPECT_EQ(form->coche_skill3->tag(), QStringLiteral("1"));
    QTest::keyClick(form->focusWidget(), Qt::Key_Down);  // round to the first
    EXPECT_EQ(form->coche_skill1->tag(), QStringLiteral("1"));

    press(form->btn_go, Qt::Key_Space);  // button
    EXPECT_EQ(desktop.onlyCommandLine(),
              JoinPath(game.str(), "hl.exe") + " -dev -game valve +map c0a0 +skill 1");
}

TEST_F(KeyboardTest, ScreenReadersHearEachControlsRoleNameAndState) {
    const auto spoken = &QAccessible::queryAccessibleInterface;
    const std::tuple<QWidget*, QAccessible::Role, const char*> rows[] = {
        {form->btn_go, QAccessible::Button, "GO!"},
        {form->Image3, QAccessible::Button, "Minimize"},
        {form->Image4, QAccessible::Button, "Close"},
        {form->Label18, QAccessible::PageTab, "MULTIPLAYER"},
        {form->Label22, QAccessible::PageTab, "JOIN"},
        {form->lbl_info_URL, QAccessible::Link, "www.cs.example"},
        {form->coche_dev, QAccessible::CheckBox, "Developer mode"},
        {form->coche_skill3, QAccessible::RadioButton, "Hard"},
        {form->lbl_load, QAccessible::RadioButton, "Load saved game"},
    };
    for (const auto& [control, role, name] : rows) {
        ASSERT_NE(spoken(control), nullptr) << name;
        EXPECT_EQ(spoken(control)->role(), role) << name;
        EXPECT_EQ(spoken(control)->text(QAccessible::Name), QString::fromUtf8(name));
    }
    form->Image2_Click();  // names follow the language shown
    EXPECT_EQ(spoken(form->Image3)->text(QAccessible::Name), QStringLiteral("Réduire"));
    EXPECT_EQ(spoken(form->coche_skill3)->text(QAccessible::Name), QStringLiteral("Difficile"));
    QAccessibleInterface* box = spoken(form->coche_dev);
    EXPECT_FALSE(box->state().checked);
    form->coche_dev_Click();
    EXPECT_TRUE(box->state().checked);
    EXPECT_TRUE(spoken(form->coche_skill2)->state().checked);
    EXPECT_TRUE(spoken(form->Label18)->state().selected);
    EXPECT_FALSE(spoken(form->Label17)->state().selected);
    box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->coche_dev->tag(), QStringLiteral("0"));
}

TEST_F(KeyboardTest, CopyingTheCommandLineStartsStoresAndWritesNothing) {
    form->lst_maps->setCurrentIndex(form->lst_maps->findText("arena.bsp"));
    form->txt_max_players->setText("12");
    const auto files = [this] {
        return ReadFile(temp.path() / "config/Velmarsh Software/Quorvant.ini") +
               ReadFile(game / "cstrike/liblist.gam");
    };
    const std::string before = files();
    form->copyCommandLine();
    EXPECT_TRUE(desktop.starts.empty());
    EXPECT_EQ(files(), before);
    const QString copied = QGuiApplication::clipboard()->text();

    form->btn_go_Click();
    EXPECT_EQ(copied.toStdString(), desktop.onlyCommandLine());
    EXPECT_TRUE(form->launchFeedback->isShowing());
    EXPECT_EQ(form->launchFeedback->line()->toolTip(), "Started: " + copied);
    EXPECT_TRUE(form->Label20->isHidden());  // covered while it shows

    QString offered;  // what the menu of a right click on GO! offers
    QTimer::singleShot(0, [&offered] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            offered = menu->actions().value(0)->text();
            menu->close();
        }
    });
    form->btn_go_ContextMenu(QPoint(4, 4));
    EXPECT_EQ(offered, QStringLiteral("Copy command line"));

    form->Label22_Click();  // nothing to copy where GO! would start nothing
    form->copyCommandLine();
    EXPECT_EQ(dialogs.messages, QStringList("Enter an IP adresse"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

}  // namespace
}  // namespace quorvant
