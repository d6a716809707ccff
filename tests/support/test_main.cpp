// Test runner: GoogleTest inside a QApplication, headless unless a display is asked for.

#include "toolkit/application.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QSettings and the standard folders of tests stay apart from the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
