#include "toolkit/application.h"

#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"
#include "toolkit/scheme_style.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

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
    QApplication::setStyle(new SchemeStyle);
    RegisterFonts();
}

void SetWindowIcon()
{
    static const QIcon day = WindowIcon();
    static const auto show = [] { QGuiApplication::setWindowIcon(NightColors() ? NightIcon(day) : day); };
    static const QMetaObject::Connection following =
        QObject::connect(&ColorScheme::instance(), &ColorScheme::NightChanged, qApp, show);
    show();
}

}  // namespace toolkit
