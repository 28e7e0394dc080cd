// The main window and its tool windows with the mouse and with the keyboard: shape, tabs, boxes,
// options, buttons; Tab order, Space and Enter, arrow keys, what screen readers are told, and
// GO!'s copied command line and its launch feedback, and the texts each language shows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "launch/frm_servers.h"
#include "launch/frm_servers_texts.h"
#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_mapcycle_texts.h"
#include "serverconfig/frm_serveur.h"
#include "serverconfig/frm_serveur_texts.h"
#include "support/ui_fixture.h"
#include "ui/focus_ring.h"
#include "ui/language_texts.h"
#include "ui/launch_feedback.h"
#include "ui/screen_placement.h"
#include "ui/selection.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::FocusByTab;
using ::quorvant::testing::MainWindowTest;
using ::quorvant::testing::ReadFile;

// Whether the box is on; its picture must say the same.
bool Checked(const Form1& form, const PictureBox* box) {
    const bool on = box->tag() == QLatin1String("1");
    EXPECT_EQ(on, box->showsPictureOf(*form.HLCoche1)) << box->objectName().toStdString();
    return on;
}

// The difficulty options' states, then the ways to start's ("1" when chosen); each option's
// picture must say the same.
std::string Chosen(const Form1& form) {
    std::string state;
    for (const PictureBox* option : {form.coche_skill1, form.coche_skill2, form.coche_skill3}) {
        state += option->tag().toStdString();
        EXPECT_EQ(option->tag() == QLatin1String("1"), option->showsPictureOf(*form.HLOption1));
    }
    for (const Shape* start : {form.Shape_game, form.Shape_training, form.Shape_load})
        state += start->isFilled() ? '1' : '0';
    return state;
}

void Press(QWidget* control, Qt::Key key) {
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, key);
}

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

TEST_F(MainWindowTest, IsABorderlessFixedWindowShowingItsPictureAndDraggedByIt) {
    EXPECT_EQ(form->size(), QSize(609, 377));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    form->txt_password->setText(QStringLiteral("pässword"));
    EXPECT_EQ(form->txt_password->displayText(), QStringLiteral("********"));
    // The panels are backed by the window's picture, so that they look transparent.
    EXPECT_EQ(form->Img_frame_single->pos(), -form->Frame_single->pos());
    EXPECT_EQ(form->img_frame_join->pos(), -form->Frame_mplayer->pos() - form->Frame_Join->pos());
    EXPECT_EQ(form->img_frame_server->picture().size(), form->size());
    // The background drags the window by the point it grabbed; a press on a control drags nothing.
    const QPoint start = form->pos();
    QTest::mousePress(form->Img_frame_mplayer, Qt::LeftButton, {}, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), QPointF(300, 300), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    EXPECT_EQ(form->pos(), start);

    form->Form_MouseDown(QPoint(10, 12));
    form->Form_MouseMove(QPoint(150, 120));
    EXPECT_EQ(form->pos(), QPoint(140, 108));
    // Not beyond the screen: the title strip, with the window's buttons, stays on it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    form->Form_MouseMove(screen.bottomRight() + QPoint(500, 400));
    EXPECT_EQ(form->pos(), QPoint(screen.right() + 1 - 609, screen.bottom() + 1 - 40));
    form->Form_MouseMove(screen.topLeft() - QPoint(800, 500));
    EXPECT_EQ(form->pos(), screen.topLeft());
    form->Form_MouseUp();
    form->Form_MouseMove(QPoint(100, 100));
    EXPECT_EQ(form->pos(), screen.topLeft());
}

// Where the window may stand on screens side by side, or once one of them goes: its title strip
// stays on them, moved the least.
TEST(ScreenPlacement, KeepsTheTitleStripOnTheScreens) {
    const QRect left(0, 0, 1000, 800), right(1000, 100, 800, 600);
    const struct {
        QRect window;
        QList<QRect> screens;
        QPoint kept;
    } rows[] = {
        {{100, 100, 609, 377}, {left}, {100, 100}},
        {{700, 300, 609, 377}, {left, right}, {700, 300}},  // across both
        {{700, 50, 609, 377}, {left, right}, {391, 50}},    // its right end above the right one
        {{1200, 700, 609, 377}, {left, right}, {1191, 660}},
        {{1200, 300, 609, 377}, {left}, {391, 300}},  // the screen it was on went
        {{-3000, -3000, 609, 377}, {left, right}, {0, 0}},
        {{5, 5, 609, 377}, {}, {5, 5}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KeptOnScreens(row.window, row.screens), row.kept) << row.window.x();
}

// A window opened over another shows whole on its screen, moved the least.
TEST(ScreenPlacement, KeepsAToolWindowWithinTheScreen) {
    const QRect screen(0, 0, 1024, 768);
    const std::pair<QRect, QPoint> rows[] = {
        {{100, 100, 780, 560}, {100, 100}},
        {{-85, -91, 780, 560}, {0, 0}},
        {{900, 700, 780, 560}, {244, 208}},
        {{-10, 20, 2000, 900}, {0, 0}},  // larger than the screen: its top left shows
    };
    for (const auto& [window, placed] : rows)
        EXPECT_EQ(WithinArea(window, screen), placed) << window.x();
}

// A pressed tab is highlighted until its release. After each click, the panels shown (multiplayer,
// create, join, single player, configuration) and the tabs in bold (multiplayer, single player,
// configuration, create, join).
TEST_F(MainWindowTest, TabsSwitchPanelsAndTheMultiplayerPanelKeepsItsSubPanel) {
    const auto state = [this] {
        std::string state;
        for (const QWidget* panel : {form->Frame_mplayer, form->Frame_server, form->Frame_Join,
                                     form->Frame_single, form->frame_config})
            state += panel->isHidden() ? '0' : '1';
        state += ' ';
        for (const QLabel* tab :
             {form->Label18, form->Label17, form->Label16, form->Label23, form->Label22})
            state += tab->font().bold() ? '1' : '0';
        return state;
    };
    const std::tuple<ClickLabel*, Shape*, const char*> clicks[] = {
        {form->Label22, form->Shape6, "10100 10001"},
        {form->Label17, form->Shape_Client, "00110 01001"},
        {form->Label16, form->Shape_General, "00101 00101"},
        {form->Label18, form->Shape_Server, "10100 10001"},
        {form->Label23, form->Shape7, "11000 10010"},
    };
    for (const auto& [tab, highlight, expected] : clicks) {
        QTest::mousePress(tab, Qt::LeftButton);
        EXPECT_TRUE(highlight->isFilled()) << expected;
        QTest::mouseRelease(tab, Qt::LeftButton);
        EXPECT_FALSE(highlight->isFilled()) << expected;
        EXPECT_EQ(state(), expected);
    }
}

// Only a left press and release inside click; each click of a double click toggles once.
TEST_F(MainWindowTest, BoxesAndCaptionsToggleAndDoubleClicksLeaveThemAsTheyWere) {
    for (const auto& [box, caption] :
         {std::pair{form->coche_dev, form->Label6}, std::pair{form->coche_console, form->Label7},
          std::pair{form->coche_memoire, form->Label8}, std::pair{form->coche_ping, form->Label10},
          std::pair{form->coche_dedicated, form->Label14},
          std::pair{form->coche_skip_intro, form->lbl_skip_intro}}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QTest::mouseClick(box, Qt::RightButton);
        QTest::mouseClick(caption, Qt::MiddleButton);
        QTest::mousePress(box, Qt::RightButton);
        QTest::mouseRelease(box, Qt::LeftButton);
        QTest::mousePress(caption, Qt::LeftButton);
        QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_FALSE(Checked(*form, box));
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_TRUE(Checked(*form, box));
        QTest::mouseClick(caption, Qt::LeftButton);
        EXPECT_FALSE(Checked(*form, box));
        QTest::mouseDClick(box, Qt::LeftButton);
        EXPECT_TRUE(Checked(*form, box));  // the first click's toggle alone
        QTest::mouseRelease(box, Qt::LeftButton);
        QTest::mouseClick(caption, Qt::LeftButton);
        QTest::mouseDClick(caption, Qt::LeftButton);
        QTest::mouseRelease(caption, Qt::LeftButton);
        EXPECT_TRUE(Checked(*form, box));  // click, then double click: back to on
    }
    form->coche_dev->setPicture(QPixmap());  // a box without picture turns off first
    form->coche_dev_Click();
    EXPECT_FALSE(Checked(*form, form->coche_dev));
}

// Exactly one difficulty and one way to start are chosen, by a click or by the arrow keys, which
// go round; a double click itself chooses nothing.
TEST_F(MainWindowTest, EachGroupOfOptionsHasOneChoiceAndKeysRunWhatAClickRuns) {
    EXPECT_EQ(Chosen(*form), "010000");
    form->Label17_Click();
    form->lst_mods_solo->setCurrentRow(0);
    form->lbl_skill1_Click();
    form->lbl_load_Click();
    EXPECT_EQ(Chosen(*form), "100001");
    form->coche_skill3_Click();
    form->Label32_Click();
    EXPECT_EQ(Chosen(*form), "001010");
    QTest::mouseDClick(form->lbl_skill2, Qt::LeftButton);
    EXPECT_EQ(Chosen(*form), "001010");
    QTest::mouseClick(form->lbl_skill2, Qt::LeftButton);
    form->Label31_Click();
    EXPECT_EQ(Chosen(*form), "010100");
    Press(form->Label32, Qt::Key_Space);
    EXPECT_EQ(Chosen(*form), "010010");
    Press(form->Label32, Qt::Key_Up);
    EXPECT_EQ(form->focusWidget(), form->Label31);
    Press(form->coche_skill2, Qt::Key_Down);
    EXPECT_EQ(Chosen(*form), "001100");
    QTest::keyClick(form->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(Chosen(*form), "100100");
    // Space, Return and Enter run a control of any role; the screen reader test checks the roles.
    form->show();
    Press(form->Label16, Qt::Key_Return);  // tab
    EXPECT_TRUE(form->frame_config->isVisible());
    Press(form->coche_dev, Qt::Key_Space);  // check box
    EXPECT_EQ(form->coche_dev->tag(), QStringLiteral("1"));
    Press(form->Image2, Qt::Key_Enter);  // button
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("0"));
    Press(form->Label18, Qt::Key_Space);
    Press(form->lbl_info_URL, Qt::Key_Space);  // link
    EXPECT_EQ(desktop.openedAddresses, std::vector<std::string>{"http://www.cs.example"});
}

// Any button sinks them; only the left one clicks, last, when closing the window does no harm.
TEST_F(MainWindowTest, PressedButtonsSinkAndAlwaysComeBackAndTheWindowButtonsWork) {
    form->Image3_Click();
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
    form->showNormal();
    QWidget* const controls[] = {form->btn_go, form->Image1, form->Image2, form->Label1};
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        for (QWidget* control : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            const QPoint home = control->pos();
            QTest::mousePress(control, button);
            EXPECT_EQ(control->pos(), home + QPoint(1, 1));
            QTest::mouseRelease(control, button);
            EXPECT_EQ(control->pos(), home);
            // A double click as the system delivers it: press, release, double click, release.
            QTest::mouseClick(control, button, {}, QPoint(3, 3));
            QTest::mouseDClick(control, button, {}, QPoint(3, 3));
            EXPECT_EQ(control->pos(), home + QPoint(1, 1));
            QTest::mouseRelease(control, button, {}, QPoint(3, 3));
            EXPECT_EQ(control->pos(), home);
        }
        if (button == Qt::LeftButton) continue;
        QTest::mouseClick(form->Image4, button);
        EXPECT_TRUE(form->isVisible());                       // Close did not close
        EXPECT_EQ(form->Image1->tag(), QStringLiteral("1"));  // the French flag did nothing
        EXPECT_TRUE(desktop.starts.empty());                  // GO! started nothing
    }
    EXPECT_FALSE(form->isVisible());
    form->show();
    QTest::mouseClick(form->Image4, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

// Each panel of the main window between the window's own controls and its foot, then the tool
// windows.
TEST_F(MainWindowTest, TabVisitsEveryControlOfEachWindowInReadingOrder) {
    const std::pair<void (Form1::*)(), std::string> panels[] = {
        {&Form1::Label23_Click,
         "Label23 Label22 lst_mods lst_bots Label28 Label19 Label29 lbl_info_URL lst_maps "
         "txt_max_players txt_port_server coche_dedicated "},
        {&Form1::Label22_Click,
         "Label23 Label22 txt_ip txt_port_join lbl_find_server txt_password "},
        {&Form1::Label17_Click,
         "lst_mods_solo lbl_solo_url Label31 Label32 coche_skip_intro lst_solo_save coche_skill1 "
         "coche_skill2 coche_skill3 "},
        {&Form1::Label16_Click,
         "txt_hl txt_hlexe coche_dev coche_console coche_ping coche_memoire txt_memoire "}};
    for (const auto& [tab, panel] : panels) {
        (form->*tab)();
        form->lst_mods_solo->setCurrentRow(0);
        EXPECT_EQ(
            TabCycle(*form, form->Image1),
            "Image1 Image2 Image3 Image4 Label18 Label17 Label16 " + panel + "Label1 btn_go ");
    }
    frm_serveur options(*form, dialogs);
    options.Form_Load();
    EXPECT_EQ(TabCycle(options, options.txt_timelimit),
              "txt_timelimit txt_fraglimit txt_hostname Text1 coche_friendly_fire coche_footsteps "
              "coche_weapons_stay coche_force_respawn coche_flashlight coche_log coche_lan "
              "coche_upload coche_download Label4 Label5 ");
    frm_mapcycle cycle(*form, dialogs);
    cycle.Form_Load();
    EXPECT_EQ(TabCycle(cycle, cycle.lst_maps),
              "lst_maps Label2 Image1 Image2 Label3 Label4 txt_ajout Label1 lst_check Label5 ");
    frm_servers servers(*form, StoredBrowserOptions(statusOptions));
    servers.Form_Load();
    // The default master is beyond this machine: not asked, the list ends at once and STOP
    // leaves the Tab order.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return servers.browser().progress().state != BrowserProgress::State::Filling; }));
    EXPECT_EQ(TabCycle(servers, servers.tab_sources),
              "tab_sources lbl_refresh txt_filter_mod txt_filter_map txt_filter_name "
              "coche_not_full coche_not_empty coche_no_password lst_servers lst_players lst_rules "
              "lbl_close ");
}

// The relative luminance of a colour, and the contrast of two.
double Luminance(QColor colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The ring around `control` in `window`, checked to stand out: the ring's line against what the
// window shows there without it, at least 3:1 at every side.
void ExpectRingedClearly(QWidget& window, QWidget* control) {
    SCOPED_TRACE(control->objectName().toStdString());
    const auto* ring = window.findChild<FocusRing*>();
    ASSERT_TRUE(ring && ring->isVisible());
    EXPECT_EQ(ring->control(), control);
    const QRect around(control->mapTo(&window, QPoint()), control->size());
    EXPECT_EQ(ring->geometry(), around.adjusted(-3, -3, 3, 3));
    const QImage ringed = window.grab().toImage();
    const_cast<FocusRing*>(ring)->hide();
    const QImage bare = window.grab().toImage();
    const_cast<FocusRing*>(ring)->show();
    const QRect line = ring->geometry().adjusted(1, 1, -1, -1);
    for (QPoint at :
         {QPoint(line.center().x(), line.top()), QPoint(line.center().x(), line.bottom()),
          QPoint(line.left(), line.center().y()), QPoint(line.right(), line.center().y())})
        EXPECT_GE(Contrast(ringed.pixelColor(at), bare.pixelColor(at)), 3.0)
            << at.x() << "," << at.y();
}

// Whenever a window is used from the keyboard its focused control is ringed, whatever the control
// (a list, even an empty one, a field, a box, a button of a label): from the start, after a key,
// after a tool window closed; a mouse press takes the ring away until the next key. The first
// arrow in a list without a selection selects the entry it stands on. The join port takes port
// numbers alone.
TEST_F(MainWindowTest, TheFocusShowsClearlyWhenTheKeyboardIsUsed) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->lst_mods->clearSelection();
    form->lst_mods->setCurrentRow(-1);
    form->lst_mods->setFocus(Qt::TabFocusReason);
    ExpectRingedClearly(*form, form->lst_mods);
    QTest::keyClick(form->lst_mods, Qt::Key_Down);
    EXPECT_EQ(SelectedText(form->lst_mods), QStringLiteral("cstrike"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{form->lst_bots, form->Label28, form->txt_max_players,
                                         form->coche_dedicated, form->btn_go}) {
        control->setFocus(Qt::TabFocusReason);
        ExpectRingedClearly(*form, control);
    }
    QTest::mousePress(form->Img_frame_mplayer, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(form->Img_frame_mplayer, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(form->findChild<FocusRing*>()->isVisible());
    QTest::keyClick(form->btn_go, Qt::Key_Tab);
    ExpectRingedClearly(*form, form->focusWidget());

    frm_mapcycle cycle(*form, dialogs);
    cycle.Form_Load();
    cycle.show();
    QApplication::setActiveWindow(&cycle);  // as the window system does for a window it opens
    ASSERT_TRUE(cycle.isActiveWindow());
    cycle.Label3->setFocus(Qt::TabFocusReason);
    ExpectRingedClearly(cycle, cycle.Label3);
    QTest::keyClick(cycle.Label3, Qt::Key_Escape);
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(form->isActiveWindow());
    ExpectRingedClearly(*form, form->focusWidget());

    form->Label22_Click();
    for (const auto& [typed, kept] : {std::pair{"127.0.0.1", "12700"}, std::pair{"65536", "6553"},
                                      std::pair{"27016", "27016"}}) {
        form->txt_port_join->clear();
        QTest::keyClicks(form->txt_port_join, QString::fromLatin1(typed));
        EXPECT_EQ(form->txt_port_join->text(), QString::fromLatin1(kept));
    }
}

TEST_F(MainWindowTest, ScreenReadersHearEachControlsRoleNameAndState) {
    const auto spoken = &QAccessible::queryAccessibleInterface;
    const std::tuple<QWidget*, QAccessible::Role, const char*> rows[] = {
        {form->btn_go, QAccessible::Button, "GO!"},
        {form->Image3, QAccessible::Button, "Minimize"},
        {form->Label18, QAccessible::PageTab, "MULTIPLAYER"},
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

TEST_F(MainWindowTest, CopyingTheCommandLineStartsStoresAndWritesNothing) {
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

// The line that says what GO! started keeps its start, the program's name and the end of its
// arguments: the folder gives way first, then the middle of the arguments.
TEST_F(MainWindowTest, TheStartedLineKeepsTheProgramAndTheEndOfItsArguments) {
    const QFontMetrics metrics = form->launchFeedback->line()->fontMetrics();
    const QString prefix = QStringLiteral("Started: ");
    const QString program =
        QStringLiteral("/home/player/.wine/drive_c/Program Files/Valve/Half-Life/hl.exe");
    const QString arguments =
        QStringLiteral(" -console -game cstrike -port 27015 +map de_dust2 +maxplayers 8");
    // Room for all but the folder, then for less than the arguments.
    const int narrow = metrics.horizontalAdvance(prefix + "/home/…/hl.exe" + arguments) + 20;
    const struct {
        int width;
        QStringList kept;
    } rows[] = {
        {2000, {prefix + program + arguments}},
        {narrow, {prefix + "/home", "…", "/hl.exe" + arguments}},
        {narrow - 160, {prefix + "…hl.exe -console", "…", "+maxplayers 8"}},
    };
    for (const auto& row : rows) {
        const QString line = StartedLine(prefix, program, arguments, metrics, row.width);
        EXPECT_LE(metrics.horizontalAdvance(line), row.width) << line.toStdString();
        qsizetype at = 0;
        for (const QString& part : row.kept) {
            at = line.indexOf(part, at);
            EXPECT_GE(at, 0) << line.toStdString() << " lacks " << part.toStdString();
        }
    }
}

// What a control shows of a kind of text.
QString TextShown(const QWidget* control, TextKind kind) {
    if (kind == TextKind::Tooltip) return control->toolTip();
    const auto* label = qobject_cast<const QLabel*>(control);
    return label ? label->text() : QString();
}

// The window shows each row of its table in `language` (a copied row, its source's text), and
// every caption on one line fits its control.
void ExpectShows(const QWidget& window, std::span<const LanguageRow> rows, Language language) {
    for (const LanguageRow& row : rows) {
        const QWidget* control = window.findChild<QWidget*>(QLatin1String(row.control));
        ASSERT_NE(control, nullptr) << row.control << " is no control of its window";
        const QWidget* source =
            row.sameAs ? window.findChild<QWidget*>(QLatin1String(row.sameAs)) : nullptr;
        ASSERT_TRUE(!row.sameAs || source) << row.sameAs << " is no control of its window";
        EXPECT_EQ(TextShown(control, row.kind),
                  source ? TextShown(source, row.kind) : TextIn(row.texts, language))
            << row.control;
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap()) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width() - label->indent())
            << "clipped: " << label->objectName().toStdString() << ": "
            << label->text().toStdString();
    }
}

// Each flag shows its language's column of the tables in every control, rows that copy another
// control's text after it, in the main window and in the tool windows opened then. Messages stay
// in English.
TEST_F(MainWindowTest, EachFlagShowsItsLanguageInEveryWindow) {
    for (const Language language : {Language::French, Language::English}) {
        SCOPED_TRACE(int(language));
        (form->*(language == Language::French ? &Form1::Image2_Click : &Form1::Image1_Click))();
        EXPECT_EQ(form->Image1->tag(), language == Language::French ? "0" : "1");
        ExpectShows(*form, LanguageRows(), language);
        frm_serveur serverOptions(*form, dialogs);
        serverOptions.Form_Load();
        ExpectShows(serverOptions, ServerOptionsTexts(), language);
        frm_mapcycle mapCycle(*form, dialogs);
        mapCycle.Form_Load();
        ExpectShows(mapCycle, MapCycleTexts(), language);
        EXPECT_EQ(mapCycle.lbl_nbr_maps->text(), "0" + TextIn(kMapUnits, language));
        frm_servers servers(*form, StoredBrowserOptions(statusOptions));
        servers.Form_Load();
        ExpectShows(servers, ServerBrowserTexts(), language);
    }
    form->SetGameDll("missing", "mp.dll");
    EXPECT_EQ(dialogs.messages, QStringList({"Can't write DLL!"}));
}

// The machinery takes any number of languages: a third one is one more column of the tables and
// one more flag to choose it with.
TEST(Languages, AThirdLanguageIsOneMoreColumn) {
    QWidget window;
    auto* greeting = new QLabel(&window);
    greeting->setObjectName("greeting");
    auto* echo = new QLabel(&window);
    echo->setObjectName("echo");
    constexpr TextRow<3> kRows[] = {
        {"greeting", TextKind::Caption, {"Hello", "Bonjour", "Hallo"}},
        {"greeting", TextKind::Tooltip, {"A greeting", "Une salutation", "Ein Gruß"}},
        {"echo", TextKind::Caption, {}, "greeting"},
        {"nobody", TextKind::Caption, {"-", "-", "-"}},
    };
    LanguageState state(3);
    std::vector<Language> shown;
    QObject::connect(&state, &LanguageState::changed, [&](Language language) {
        ApplyTextRows(window, std::span<const TextRow<3>>(kRows), std::size_t(language));
        shown.push_back(language);
    });
    state.choose(Language(2));
    EXPECT_EQ(greeting->text() + " | " + greeting->toolTip() + " | " + echo->text(),
              QString::fromUtf8("Hallo | Ein Gruß | Hallo"));
    state.choose(Language(3));  // there is no fourth
    state.choose(Language::French);
    EXPECT_EQ(greeting->text() + " | " + echo->text(), QStringLiteral("Bonjour | Bonjour"));
    EXPECT_EQ(shown, (std::vector{Language(2), Language::French}));
    EXPECT_EQ(state.current(), Language::French);
}

}  // namespace
}  // namespace quorvant
