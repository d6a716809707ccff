#include "dialogs/speed_entry.h"

#include "nav/angle.h"
#include "toolkit/text_format.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTenthsPerKnot = 10.0;

}  // namespace

int SpeedTenths(double knots)
{
    if (std::isnan(knots))
        return 0;
    return static_cast<int>(nav::RoundHalfEven(std::clamp(knots * kTenthsPerKnot, 0.0, double{kMaxTenths})));
}

double ConfirmedSpeed(double knots)
{
    if (std::isnan(knots))
        return 0.0;
    // Adding +0 turns -0 into +0.
    return std::clamp(knots, 0.0, kMaxKnots) + 0.0;
}

double SpeedOnLog(double knots)
{
    return ConfirmedSpeed(SpeedTenths(knots) / kTenthsPerKnot);
}

QString SpeedText(double knots)
{
    return toolkit::Format(QStringLiteral("%3.1f"), {knots});
}
