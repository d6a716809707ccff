#include "app/main_window.h"
#include "app/nav_state.h"
#include "nav/angle.h"
#include "toolkit/application.h"
#include "widgets/numeric/aligned_edit.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();

    NavState state;
    TForm1 form1(state);
    // Until the declination dialog computes it from the chart data, the
    // panel shows the declination the calculations apply.
    form1.EDDECL->setText(QString::fromStdString(nav::FormatAngle(state.valDECL)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form1.move(screen->availableGeometry().center() - form1.rect().center());
    form1.show();
    return QApplication::exec();
}
