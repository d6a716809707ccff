// Test runner: GoogleTest inside a QApplication, headless unless a display is asked for.

#include "toolkit/fonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane 2004"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    toolkit::RegisterFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
