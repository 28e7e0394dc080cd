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
    const char* names[] = {"Label18",
                           "Label17",
                           "Label16",
                           "Shape_Server",
                           "Shape_Client",
                           "Shape_General",
                           "btn_go",
                           "Label1",
                           "Image1",
                           "Image2",
                           "Image3",
                           "Image4",
                           "Label4",
                           "Label20",
                           "Label21",
                           "Line1",
                           "Line2",
                           "Line3",
                           "Line4",
                           "Line5",
                           "HLCoche0",
                           "HLCoche1",
                           "HLOption0",
                           "HLOption1",
                           "Frame_mplayer",
                           "Img_frame_mplayer",
                           "Label23",
                           "Label22",
                           "Shape7",
                           "Shape6",
                           "Frame_server",
                           "img_frame_server",
                           "Label2",
                           "lst_mods",
                           "Label11",
                           "lbl_info_nom",
                           "lbl_info_version",
                           "lbl_info_URL",
                           "Label15",
                           "txt_max_players",
                           "Label30",
                           "txt_port_server",
                           "coche_dedicated",
                           "Label14",
                           "Label13",
                           "lst_maps",
                           "lbl_titre",
                           "Label12",
                           "lst_bots",
                           "Label28",
                           "Label19",
                           "Label29",
                           "Shape14",
                           "Shape9",
                           "Shape15",
                           "Frame_Join",
                           "img_frame_join",
                           "Label3",
                           "Label5",
                           "txt_ip",
                           "Label27",
                           "txt_port_join",
                           "Label24",
                           "txt_password",
                           "Frame_single",
                           "Img_frame_single",
                           "Label33",
                           "lst_mods_solo",
                           "Label37",
                           "lbl_solo_nom",
                           "lbl_solo_version",
                           "lbl_solo_url",
                           "Label31",
                           "Label32",
                           "lbl_load",
                           "Shape_game",
                           "Shape_training",
                           "Shape_load",
                           "Label34",
                           "lst_solo_save",
                           "coche_skip_intro",
                           "lbl_skip_intro",
                           "Label35",
                           "coche_skill1",
                           "coche_skill2",
                           "coche_skill3",
                           "lbl_skill1",
                           "lbl_skill2",
                           "lbl_skill3",
                           "frame_config",
                           "img_frame_config",
                           "Label26",
                           "txt_hl",
                           "Label25",
                           "txt_hlexe",
                           "coche_dev",
                           "Label6",
                           "coche_console",
                           "Label7",
                           "coche_memoire",
                           "Label8",
                           "coche_ping",
                           "Label10",
                           "Label9",
                           "txt_memoire"};
    for (const char* name : names) {
        EXPECT_NE(form->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_EQ(form->Image1->size(), QSize(33, 17));
    EXPECT_EQ(form->Image3->picture().size(), QSize(16, 14));
    EXPECT_EQ(form->HLCoche0->picture().size(), QSize(19, 19));
    EXPECT_EQ(form->txt_password->echoMode(), QLineEdit::Password);
    form->txt_password->setText(QStringLiteral("pässword"));
    EXPECT_EQ(form->txt_password->displayText(), QStringLiteral("********"));
}

TEST_F(MainWindowTest, PanelsAreBackedByTheWindowPictureSoTheyLookTransparent) {
    EXPECT_EQ(form->Img_frame_single->pos(), -form->Frame_single->pos());
    EXPECT_EQ(form->img_frame_join->pos(), -form->Frame_mplayer->pos() - form->Frame_Join->pos());
    EXPECT_EQ(form->img_frame_server->picture().size(), QSize(609, 377));
}

TEST_F(MainWindowTest, TabsSwitchPanelsAndTheMultiplayerPanelKeepsItsSubPanel) {
    form->Label22_Click();
    EXPECT_TRUE(Shown(form->Frame_Join));
    EXPECT_FALSE(Shown(form->Frame_server));
    EXPECT_TRUE(form->Label22->font().bold());
    EXPECT_FALSE(form->Label23->font().bold());

    form->Label17_Click();
    EXPECT_FALSE(Shown(form->Frame_mplayer) || Shown(form->frame_config));
    EXPECT_TRUE(Shown(form->Frame_single));
    EXPECT_TRUE(form->Label17->font().bold());
    EXPECT_FALSE(form->Label18->font().bold() || form->Label16->font().bold());

    form->Label16_Click();
    EXPECT_TRUE(Shown(form->frame_config));
    EXPECT_FALSE(Shown(form->Frame_single));

    form->Label18_Click();
    EXPECT_TRUE(Shown(form->Frame_mplayer) && Shown(form->Frame_Join));
    EXPECT_FALSE(Shown(form->Frame_server));
    form->Label23_Click();
    EXPECT_TRUE(Shown(form->Frame_server));
    EXPECT_FALSE(Shown(form->Frame_Join));
}

TEST_F(MainWindowTest, PressingATabHighlightsItUntilRelease) {
    QTest::mousePress(form->Label17, Qt::LeftButton);
    EXPECT_TRUE(form->Shape_Client->isFilled());
    QTest::mouseRelease(form->Label17, Qt::LeftButton);
    EXPECT_FALSE(form->Shape_Client->isFilled());
    EXPECT_TRUE(Shown(form->Frame_single));
    form->Label22_MouseDown();
    EXPECT_TRUE(form->Shape6->isFilled());
    form->Label22_MouseUp();
    EXPECT_FALSE(form->Shape6->isFilled());
}

TEST_F(MainWindowTest, BoxesAndCaptionsToggleAndDoubleClicksLeaveThemAsTheyWere) {
    PictureBox* boxes[] = {form->coche_dev,  form->coche_console,   form->coche_memoire,
                           form->coche_ping, form->coche_dedicated, form->coche_skip_intro};
    ClickLabel* captions[] = {form->Label6,  form->Label7,  form->Label8,
                              form->Label10, form->Label14, form->lbl_skip_intro};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(boxes[i]->objectName().toStdString());
        QTest::mouseClick(boxes[i], Qt::RightButton);
        EXPECT_FALSE(checked(boxes[i]));
        QTest::mouseClick(captions[i], Qt::MiddleButton);
        EXPECT_FALSE(checked(boxes[i]));
        QTest::mouseClick(boxes[i], Qt::LeftButton);
        EXPECT_TRUE(checked(boxes[i]));
        QTest::mouseClick(captions[i], Qt::LeftButton);
        EXPECT_FALSE(checked(boxes[i]));
        QTest::mouseDClick(boxes[i], Qt::LeftButton);
        EXPECT_TRUE(checked(boxes[i]));  // the first click's toggle alone
        QTest::mouseRelease(boxes[i], Qt::LeftButton);
        QTest::mouseClick(captions[i], Qt::LeftButton);
        QTest::mouseDClick(captions[i], Qt::LeftButton);
        QTest::mouseRelease(captions[i], Qt::LeftButton);
        EXPECT_TRUE(checked(boxes[i]));  // click, then double click: back to on
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

TEST_F(MainWindowTest, ExactlyOneDifficultyIsChosen) {
    auto chosen = [this] {
        QString tags;
        for (PictureBox* option : {form->coche_skill1, form->coche_skill2, form->coche_skill3}) {
            tags += option->tag();
            EXPECT_EQ(option->tag() == QLatin1String("1"),
                      option->showsPictureOf(*form->HLOption1));
        }
        return tags;
    };
    EXPECT_EQ(chosen(), QStringLiteral("010"));
    form->lbl_skill1_Click();
    EXPECT_EQ(chosen(), QStringLiteral("100"));
    form->coche_skill3_Click();
    EXPECT_EQ(chosen(), QStringLiteral("001"));
    QTest::mouseDClick(form->lbl_skill2, Qt::LeftButton);
    EXPECT_EQ(chosen(), QStringLiteral("001"));  // the double click itself chooses nothing
    QTest::mouseClick(form->lbl_skill2, Qt::LeftButton);
    EXPECT_EQ(chosen(), QStringLiteral("010"));
}

TEST_F(MainWindowTest, TheStartChoiceFillsOneIndicator) {
    auto filled = [this] {
        return QString::number(form->Shape_game->isFilled()) +
               QString::number(form->Shape_training->isFilled()) +
               QString::number(form->Shape_load->isFilled());
    };
    form->lbl_load_Click();
    EXPECT_EQ(filled(), QStringLiteral("001"));
    form->Label32_Click();
    EXPECT_EQ(filled(), QStringLiteral("010"));
    form->Label31_Click();
    EXPECT_EQ(filled(), QStringLiteral("100"));
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

TEST_F(MainWindowTest, DraggingKeepsTheGrabbedPointUnderThePointer) {
    const QSize size = form->size();
    form->Form_MouseDown(QPoint(10, 12));
    form->Form_MouseMove(QPoint(500, 400));
    EXPECT_EQ(form->pos(), QPoint(490, 388));
    EXPECT_EQ(form->size(), size);
    form->Form_MouseUp();
    form->Form_MouseMove(QPoint(100, 100));
    EXPECT_EQ(form->pos(), QPoint(490, 388));
}

TEST_F(MainWindowTest, PressesOnControlsDoNotDragTheWindow) {
    const QPoint start = form->pos();
    QTest::mousePress(form->Img_frame_mplayer, Qt::LeftButton, {}, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), QPointF(300, 300), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    EXPECT_EQ(form->pos(), start);
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
