#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "app/settings_names.h"
#include "support/ui_fixture.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

using ::quorvant::testing::WindowTest;

bool Shown(const QWidget* widget) { return !widget->isHidden(); }

class MainWindowTest : public WindowTest {
  protected:
    Form1* form = nullptr;

    MainWindowTest() {
        game.addExecutable().addMod("valve", "startmap \"c0a0\"");
        storeSetting(settings::kHlPath, game.str());
        form = &loadMainWindow();
    }

    bool checked(PictureBox* box) const {
        const bool on = box->tag() == QLatin1String("1");
        EXPECT_EQ(on, box->showsPictureOf(*form->HLCoche1)) << box->objectName().toStdString();
        return on;
    }
};

TEST_F(MainWindowTest, IsABorderlessFixedWindowHoldingEveryNamedControl) {
    EXPECT_EQ(form->size(), QSize(609, 377));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quorvant"));
    // The controls that show no text and take no focus: the language test sees the names of the
    // others in what the windows show, the keyboard test in Tab's order.
    const QString names = QStringLiteral(
        "Shape_Server Shape_Client Shape_General Line1 Line2 Line3 Line4 Line5 HLCoche0 HLCoche1 "
        "HLOption0 HLOption1 Frame_mplayer Img_frame_mplayer Shape7 Shape6 Frame_server "
        "img_frame_server Shape14 Shape9 Shape15 Frame_Join img_frame_join Frame_single "
        "Img_frame_single Shape_game Shape_training Shape_load frame_config img_frame_config");
    for (const QString& name : names.split(' '))
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name.toStdString();
    EXPECT_EQ(form->Image1->size(), QSize(33, 17));
    EXPECT_EQ(form->Image3->picture().size(), QSize(16, 14));
    EXPECT_EQ(form->HLCoche0->picture().size(), QSize(19, 19));
    EXPECT_EQ(form->txt_password->echoMode(), QLineEdit::Password);
    form->txt_password->setText(QStringLiteral("pässword"));
    EXPECT_EQ(form->txt_password->displayText(), QStringLiteral("********"));
    // The panels are backed by the window's picture, so that they look transparent.
    EXPECT_EQ(form->Img_frame_single->pos(), -form->Frame_single->pos());
    EXPECT_EQ(form->img_frame_join->pos(), -form->Frame_mplayer->pos() - form->Frame_Join->pos());
    EXPECT_EQ(form->img_frame_server->picture().size(), QSize(609, 377));
}

// A pressed tab is highlighted until its release. After each click, the panels shown (multiplayer,
// create, join, single player, configuration) and the tabs in bold (multiplayer, single player,
// configuration, create, join).
TEST_F(MainWindowTest, TabsSwitchPanelsAndTheMultiplayerPanelKeepsItsSubPanel) {
    const auto state = [this] {
        std::string state;
        for (const QWidget* panel : {form->Frame_mplayer, form->Frame_server, form->Frame_Join,
                                     form->Frame_single, form->frame_config})
            state += Shown(panel) ? '1' : '0';
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

TEST_F(MainWindowTest, BoxesAndCaptionsToggleAndDoubleClicksLeaveThemAsTheyWere) {
    for (const auto& [box, caption] :
         {std::pair{form->coche_dev, form->Label6}, std::pair{form->coche_console, form->Label7},
          std::pair{form->coche_memoire, form->Label8}, std::pair{form->coche_ping, form->Label10},
          std::pair{form->coche_dedicated, form->Label14},
          std::pair{form->coche_skip_intro, form->lbl_skip_intro}}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QTest::mouseClick(box, Qt::RightButton);
        EXPECT_FALSE(checked(box));
        QTest::mouseClick(caption, Qt::MiddleButton);
        EXPECT_FALSE(checked(box));
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_TRUE(checked(box));
        QTest::mouseClick(caption, Qt::LeftButton);
        EXPECT_FALSE(checked(box));
        QTest::mouseDClick(box, Qt::LeftButton);
        EXPECT_TRUE(checked(box));  // the first click's toggle alone
        QTest::mouseRelease(box, Qt::LeftButton);
        QTest::mouseClick(caption, Qt::LeftButton);
        QTest::mouseDClick(caption, Qt::LeftButton);
        QTest::mouseRelease(caption, Qt::LeftButton);
        EXPECT_TRUE(checked(box));  // click, then double click: back to on
    }
}

TEST_F(MainWindowTest, ABoxWithoutPictureTurnsOffFirst) {
    form->coche_dev->setPicture(QPixmap());
    form->coche_dev->setTag(QStringLiteral("1"));
    form->coche_dev_Click();
    EXPECT_EQ(form->coche_dev->tag(), QStringLiteral("0"));
    EXPECT_TRUE(form->coche_dev->showsPictureOf(*form->HLCoche0));
    form->coche_dev_Click();
    EXPECT_EQ(form->coche_dev->tag(), QStringLiteral("1"));
}

// Exactly one difficulty and one way to start are chosen; a double click itself chooses nothing.
TEST_F(MainWindowTest, EachGroupOfOptionsHasOneChoice) {
    auto chosen = [this] {
        std::string state;
        for (PictureBox* option : {form->coche_skill1, form->coche_skill2, form->coche_skill3}) {
            state += option->tag().toStdString();
            EXPECT_EQ(option->tag() == QLatin1String("1"),
                      option->showsPictureOf(*form->HLOption1));
        }
        for (const Shape* start : {form->Shape_game, form->Shape_training, form->Shape_load})
            state += start->isFilled() ? '1' : '0';
        return state;
    };
    EXPECT_EQ(chosen(), "010000");
    form->lbl_skill1_Click();
    form->lbl_load_Click();
    EXPECT_EQ(chosen(), "100001");
    form->coche_skill3_Click();
    form->Label32_Click();
    EXPECT_EQ(chosen(), "001010");
    QTest::mouseDClick(form->lbl_skill2, Qt::LeftButton);
    EXPECT_EQ(chosen(), "001010");
    QTest::mouseClick(form->lbl_skill2, Qt::LeftButton);
    form->Label31_Click();
    EXPECT_EQ(chosen(), "010100");
}

// Any button sinks them; only the left one clicks, last, when closing the window does no harm.
TEST_F(MainWindowTest, PressedButtonsSinkAndAlwaysComeBack) {
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
        EXPECT_TRUE(form->isVisible());                       // Close did not close
        EXPECT_EQ(form->Image1->tag(), QStringLiteral("1"));  // the French flag did nothing
        EXPECT_TRUE(desktop.starts.empty());                  // GO! started nothing
    }
}

// The background drags the window by the point it grabbed; a press on a control drags nothing.
TEST_F(MainWindowTest, DraggingKeepsTheGrabbedPointUnderThePointer) {
    const QPoint start = form->pos();
    QTest::mousePress(form->Img_frame_mplayer, Qt::LeftButton, {}, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), QPointF(300, 300), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    EXPECT_EQ(form->pos(), start);

    const QSize size = form->size();
    form->Form_MouseDown(QPoint(10, 12));
    form->Form_MouseMove(QPoint(500, 400));
    EXPECT_EQ(form->pos(), QPoint(490, 388));
    EXPECT_EQ(form->size(), size);
    form->Form_MouseUp();
    form->Form_MouseMove(QPoint(100, 100));
    EXPECT_EQ(form->pos(), QPoint(490, 388));
}

TEST_F(MainWindowTest, TheWindowButtonsMinimiseAndClose) {
    form->Image3_Click();
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
    form->showNormal();
    form->Label17_Click();
    QTest::mouseClick(form->Image4, Qt::RightButton);
    EXPECT_TRUE(form->isVisible());
    form->Image4_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(storedSetting(settings::kLastTab), "3");
}

}  // namespace
}  // namespace quorvant
