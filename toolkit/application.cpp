#include "toolkit/application.h"

#include "toolkit/fonts.h"

#include <QApplication>
#include <QStyleFactory>

namespace toolkit {

void ConfigureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    RegisterFonts();
}

}  // namespace toolkit
