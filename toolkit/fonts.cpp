#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace toolkit {

namespace {

QString& Family()
{
    static QString family;
    return family;
}

}  // namespace

bool RegisterFonts()
{
    if (!Family().isEmpty())
        return true;
    const int regular = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Sans.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Sans-Bold.ttf"));
    if (regular < 0)
        return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(regular);
    if (families.isEmpty())
        return false;
    Family() = families.front();
    return true;
}

QFont UiFont(int pixelHeight, bool bold)
{
    QFont font(Family().isEmpty() ? QFont().family() : Family());
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

}  // namespace toolkit
