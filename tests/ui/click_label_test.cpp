#include "ui/click_label.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace quorvant {
namespace {

// A click, then a double click as the system delivers it: press, release, double click, release.
// The left button's second press is a double click only; another button's counts as a press, so
// that every release has its press, and clicks nothing.
TEST(ClickLabel, ClicksWithTheLeftButtonOnlyAndReportsEveryPressAndRelease) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        const bool left = button == Qt::LeftButton;
        ClickLabel label;
        label.resize(80, 20);
        QSignalSpy pressed(&label, &ClickLabel::pressed);
        QSignalSpy released(&label, &ClickLabel::released);
        QSignalSpy clicked(&label, &ClickLabel::clicked);
        QSignalSpy doubleClicked(&label, &ClickLabel::doubleClicked);
        QTest::mouseClick(&label, button);
        EXPECT_EQ(clicked.count(), left ? 1 : 0);
        QTest::mouseDClick(&label, button);
        QTest::mouseRelease(&label, button);
        EXPECT_EQ(pressed.count(), left ? 1 : 2);
        EXPECT_EQ(released.count(), 2);
        EXPECT_EQ(clicked.count(), left ? 1 : 0);
        EXPECT_EQ(doubleClicked.count(), left ? 1 : 0);
        // A left release after this button's press is no click, nor one outside the label.
        QTest::mousePress(&label, button, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(left ? 200 : 5, 5));
        EXPECT_EQ(clicked.count(), left ? 1 : 0);
    }
}

TEST(PictureBox, TellsPicturesApartByIdentity) {
    QPixmap off(19, 19), on(19, 19);
    off.fill(Qt::black);
    on.fill(Qt::black);  // same look, another picture
    PictureBox referenceOff, referenceOn, box;
    referenceOff.setPicture(off);
    referenceOn.setPicture(on);
    EXPECT_FALSE(box.showsPictureOf(referenceOff));
    box.setPicture(referenceOff.picture());
    EXPECT_TRUE(box.showsPictureOf(referenceOff));
    EXPECT_FALSE(box.showsPictureOf(referenceOn));
}

}  // namespace
}  // namespace quorvant
