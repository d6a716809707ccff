// Shows the speed log's meter, slider and spin edit, for a look and a
// screenshot: meter_gallery [knots].

#include "speed_log_sample.h"
#include "toolkit/application.h"
#include "widgets/instruments/inst_slider.h"

#include <QApplication>
#include <QStringList>
#include <cmath>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    toolkit::ConfigureApplication();
    SpeedLogSample sample;
    sample.setWindowTitle(QStringLiteral("Solcometro"));
    const QStringList args = QApplication::arguments();
    constexpr double kDefaultKnots = 12.3;
    constexpr double kTenthsPerKnot = 10;
    const double knots = args.size() == 2 ? args[1].toDouble() : kDefaultKnots;
    sample.show();
    sample.slider->setPosition(static_cast<int>(std::lround(knots * kTenthsPerKnot)));
    return QApplication::exec();
}
