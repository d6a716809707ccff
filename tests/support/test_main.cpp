// Test runner: GoogleTest inside a QApplication, headless unless a display is
// asked for, with configuration and data folders of its own so that nothing a
// test remembers reaches the user's.

#include "toolkit/application.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QSettings and the standard folders of tests stay apart from the user's,
    // and start empty on every run.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    toolkit::SetWindowIcon();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
