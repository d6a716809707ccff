// Shows the speed dialog, for a look and a screenshot: meter_gallery [knots].

#include "dialogs/speed_dialog.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    toolkit::SetWindowIcon();
    const QStringList args = QApplication::arguments();
    constexpr double kDefaultKnots = 12.3;
    double knots = args.size() == 2 ? args[1].toDouble() : kDefaultKnots;
    EntryHandOff handOff;
    handOff.entrySpeed = &knots;
    TForm3 dialog(handOff);
    dialog.show();
    return QApplication::exec();
}
