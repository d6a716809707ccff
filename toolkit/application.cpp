#include "toolkit/application.h"

#include "toolkit/fonts.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyleFactory>

namespace toolkit {

namespace {

// Every size rendered from the icon's drawing; each file gives its own size.
QIcon WindowIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icon"));
    for (const QString& name : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(name));
    return icon;
}

}  // namespace

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_DESKTOP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    RegisterFonts();
}

void SetWindowIcon()
{
    QGuiApplication::setWindowIcon(WindowIcon());
}

}  // namespace toolkit
