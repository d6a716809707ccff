// Test runner: GoogleTest inside a QApplication, headless unless a display is
// asked for, with a configuration folder of its own so that nothing a test
// remembers reaches the user's.

#include "toolkit/application.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    if (!config.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    toolkit::SetWindowIcon();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
