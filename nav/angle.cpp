#include "nav/angle.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace nav {

Dms SplitAngle(Angle a)
{
    // Widen first: |INT32_MIN| does not fit an int32.
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(a));
    Dms d;
    d.degrees = static_cast<int>(magnitude / kSecondsPerDegree);
    d.minutes = static_cast<int>(magnitude / kSecondsPerMinute - 60 * std::int64_t{d.degrees});
    d.seconds = static_cast<int>(magnitude % kSecondsPerMinute);
    return d;
}

std::string FormatAngle(Angle a)
{
    const Dms d = SplitAngle(a);
    char text[48];
    std::snprintf(text, sizeof text, "%s%3d\u00B0 %2d' %2d\"", a < 0 ? "-" : "", d.degrees,
                  d.minutes, d.seconds);
    return text;
}

Angle NormalizeAngle(std::int64_t a)
{
    if (a > kFullCircle - 1 || a < -(kFullCircle - 1))
        a %= kFullCircle;  // C++ remainder takes the sign of a
    if (a < 0)
        a += kFullCircle;
    return static_cast<Angle>(a);
}

double WrapDegrees(double x)
{
    if (std::fabs(x) >= 360.0)
        x -= 360.0;
    if (x < 0.0)
        x += 360.0;
    return x;
}

double OnCircle(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d < 0.0)
        d += 360.0;
    return d >= 360.0 ? 0.0 : d;  // a tiny negative remainder rounds up to 360
}

int FloorDegrees(Angle a)
{
    return static_cast<int>(std::floor(static_cast<double>(a) / kSecondsPerDegree));
}

int TruncDegrees(Angle a)
{
    return a / kSecondsPerDegree;
}

double RoundHalfEven(double x)
{
    // nearbyint follows the default rounding mode, round-to-nearest-even.
    return std::nearbyint(x);
}

Angle DegreesToAngle(double degrees)
{
    const double seconds = RoundHalfEven(degrees * kSecondsPerDegree);
    if (std::isnan(seconds))
        return 0;
    if (seconds >= static_cast<double>(std::numeric_limits<Angle>::max()))
        return std::numeric_limits<Angle>::max();
    if (seconds <= static_cast<double>(std::numeric_limits<Angle>::min()))
        return std::numeric_limits<Angle>::min();
    return static_cast<Angle>(seconds);
}

}  // namespace nav
