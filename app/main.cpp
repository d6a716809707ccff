#include "app/main_window.h"
#include "app/nav_state.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane 2004"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    toolkit::RegisterFonts();

    NavState state;
    TForm1 form1(state);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form1.move(screen->availableGeometry().center() - form1.rect().center());
    form1.show();
    return QApplication::exec();
}
