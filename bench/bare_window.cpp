// The yardstick of the start-up benchmark: a bare Qt window of the main
// window's size, shown the same way; `bare_window text` adds one line of
// text, which is enough to pay for loading the system's font configuration.

#include "toolkit/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    constexpr QSize kMainWindowSize(500, 439);
    QWidget window;
    window.setFixedSize(kMainWindowSize);
    if (argc > 1 && QByteArray(argv[1]) == "text")
        new QLabel(QStringLiteral("Orvane 2004"), &window);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    toolkit::QuitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
