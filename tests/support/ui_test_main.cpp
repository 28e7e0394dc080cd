#include <gtest/gtest.h>

#include <QApplication>

#include "launch/server_queries.h"

// The windows run offscreen unless the caller chose a platform: test discovery starts this
// program without the test's environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Whatever address a test types, the join panel asks no server beyond this machine.
    application.setProperty(quorvant::kLoopbackQueriesOnly, true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
