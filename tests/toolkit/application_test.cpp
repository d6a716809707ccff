// What a desktop needs from the application object: the window icon in the
// sizes of the icon theme, and the id of a desktop entry that the build makes.

#include "toolkit/application.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <gtest/gtest.h>

TEST(ApplicationTest, TheWindowIconHasEverySizeOfTheIconTheme)
{
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

TEST(ApplicationTest, TheDesktopFileNameIsTheInstalledEntry)
{
    const QString entry = QStringLiteral(ORVANE_BINARY_DIR "/packaging/") + QGuiApplication::desktopFileName()
                          + QStringLiteral(".desktop");
    EXPECT_TRUE(QFileInfo::exists(entry)) << entry.toStdString();
}
