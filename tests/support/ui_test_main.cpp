#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include "launch/server_queries.h"
#include "ui/controls.h"

// The windows run offscreen unless the caller chose a platform: test discovery starts this
// program without the test's environment.
int main(int argc, char** argv) {
#ifndef _WIN32  // on Windows the windows are real ones, under Wine on a virtual display
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication application(argc, argv);
    // The program's look on every system, as it sets it itself.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    quorvant::LoadCarriedFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
