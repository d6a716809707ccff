// Shows the angle-entry dialog, for a look and a screenshot:
// instrument_gallery [degrees minutes seconds].

#include "dialogs/angle_dialog.h"
#include "toolkit/application.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    toolkit::SetWindowIcon();
    EntryHandOff handOff;
    TForm2 dialog(handOff);
    const QStringList args = QApplication::arguments();
    constexpr int kAngleArguments = 4;
    const bool given = args.size() == kAngleArguments;
    dialog.show();
    dialog.SPGRADI->setValue(given ? args[1].toInt() : 45);
    dialog.SPPRIMI->setValue(given ? args[2].toInt() : 30);
    dialog.SPSECONDI->setValue(given ? args[3].toInt() : 15);
    return QApplication::exec();
}
