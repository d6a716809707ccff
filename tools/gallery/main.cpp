// Shows the instruments of the angle-entry window, for a look and a
// screenshot: instrument_gallery [degrees minutes seconds].

#include "tools/gallery/instrument_panel.h"

#include "toolkit/fonts.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::RegisterFonts();
    InstrumentPanel panel;
    panel.setWindowTitle(QStringLiteral("Strumenti"));
    const QStringList args = QApplication::arguments();
    constexpr int kAngleArguments = 4;
    if (args.size() == kAngleArguments)
        panel.ShowAngle(args[1].toInt(), args[2].toInt(), args[3].toInt());
    else
        panel.ShowAngle(45, 30, 15);
    panel.show();
    return QApplication::exec();
}
