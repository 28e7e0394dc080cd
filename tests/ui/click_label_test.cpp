#include "ui/click_label.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace quorvant {
namespace {

TEST(ClickLabel, ReportsTheSecondPressOfADoubleClickAsADoubleClickOnly) {
    ClickLabel label;
    label.resize(80, 20);
    QSignalSpy pressed(&label, &ClickLabel::pressed);
    QSignalSpy released(&label, &ClickLabel::released);
    QSignalSpy clicked(&label, &ClickLabel::clicked);
    QSignalSpy doubleClicked(&label, &ClickLabel::doubleClicked);

    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(released.count(), 1);
    EXPECT_EQ(clicked.count(), 1);

    // A double click as the system delivers it: press, release, double click, release.
    QTest::mouseDClick(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(released.count(), 2);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(ClickLabel, OtherButtonsPressAndReleaseButNeverClick) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        ClickLabel label;
        label.resize(80, 20);
        QSignalSpy pressed(&label, &ClickLabel::pressed);
        QSignalSpy released(&label, &ClickLabel::released);
        QSignalSpy clicked(&label, &ClickLabel::clicked);
        QSignalSpy doubleClicked(&label, &ClickLabel::doubleClicked);
        QTest::mouseClick(&label, button);
        QTest::mouseDClick(&label, button);
        QTest::mouseRelease(&label, button);
        // The second press counts as a press, so that every release has its press.
        EXPECT_EQ(pressed.count(), 2);
        EXPECT_EQ(released.count(), 2);
        EXPECT_EQ(clicked.count() + doubleClicked.count(), 0);
        // A left release after another button's press is no click either.
        QTest::mousePress(&label, button);
        QTest::mouseRelease(&label, Qt::LeftButton);
        EXPECT_EQ(clicked.count(), 0);
    }
}

TEST(ClickLabel, AReleaseOutsideIsNoClick) {
    ClickLabel label;
    label.resize(80, 20);
    QSignalSpy clicked(&label, &ClickLabel::clicked);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(clicked.count(), 0);
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
