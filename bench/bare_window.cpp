// The yardstick of the start-up benchmark: a bare Qt window of the main
// window's size, shown the same way.

#include "toolkit/first_paint.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    constexpr QSize kMainWindowSize(500, 439);
    QWidget window;
    window.setFixedSize(kMainWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    toolkit::QuitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
