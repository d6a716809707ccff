#include "dialogs/position_declination.h"

#include <cmath>
#include <cstdlib>

namespace {

// A magnitude of seconds of arc to whole minutes, half to even as elsewhere.
nav::Angle WholeMinutes(nav::Angle seconds)
{
    const double minutes = nav::RoundHalfEven(std::abs(static_cast<double>(seconds)) / nav::kSecondsPerMinute);
    return static_cast<nav::Angle>(minutes) * nav::kSecondsPerMinute;
}

}  // namespace

nav::ModelAnswer DeclinationAt(const PositionEntry& entry, double decimalYear)
{
    if (entry.latitude < 0 || entry.longitude < 0)
        return nav::ModelRefusal::PositionOutOfRange;
    return nav::MagneticDeclination(entry.south ? -entry.latitude : entry.latitude,
                                    entry.west ? -entry.longitude : entry.longitude, decimalYear);
}

ChartFields ChartFromModel(const nav::ModelDeclination& model, int year)
{
    ChartFields chart;
    chart.year = year;
    chart.base = WholeMinutes(model.declination);
    chart.change = WholeMinutes(model.annualChange);
    // A zero takes the side it moves to, and moves away from it.
    const nav::Angle side = chart.base != 0 ? model.declination : (chart.change != 0 ? model.annualChange : 0);
    chart.baseSign = side < 0 ? -1 : +1;
    // "Aumento" when the declination moves away from zero on its side.
    const bool towardZero = (model.annualChange < 0) != (chart.baseSign < 0);
    chart.changeSign = towardZero && chart.change != 0 ? -1 : +1;
    return chart;
}

ResultFigures FiguresOf(const ChartFields& chart)
{
    ResultFigures figures;
    figures.degrees = chart.base / nav::kSecondsPerDegree;
    figures.minutes = chart.base % nav::kSecondsPerDegree / nav::kSecondsPerMinute;
    if (chart.base != 0)
        figures.side = chart.baseSign < 0 ? 'E' : 'W';
    figures.changeMinutes = chart.change / nav::kSecondsPerMinute;
    // "Aumento" moves on the base's side, "Diminuzione" toward the other.
    if (chart.change != 0)
        figures.changeSide = chart.changeSign * chart.baseSign < 0 ? 'E' : 'W';
    return figures;
}
