#include "nav/bearings.h"

#include <cstdint>

namespace nav {

namespace {

using Wide = std::int64_t;

}  // namespace

BearingStart ConvertBearing(const DeviationTable& table, Angle declination, bool compassGiven, bool trueGiven,
                            CompassBearing& b, std::optional<Angle> givenDeviation)
{
    if (!compassGiven && !trueGiven)
        return BearingStart::Nothing;
    b.deviation = givenDeviation.value_or(DeviationForCompass(table, b.heading));
    if (compassGiven) {
        b.trueBearing = NormalizeAngle(Wide{b.compass} + b.deviation - declination);
        return BearingStart::Compass;
    }
    b.compass = NormalizeAngle(Wide{b.trueBearing} + declination - b.deviation);
    return BearingStart::True;
}

PolarMissing SolvePolar(PolarMode mode, bool headingGiven, bool bearingGiven, bool relativeGiven,
                        PolarBearing& p)
{
    if (!headingGiven) {
        p.heading = NormalizeAngle(Wide{p.bearing} - p.relative);
        return PolarMissing::Heading;
    }
    if (!bearingGiven) {
        p.bearing = NormalizeAngle(Wide{p.heading} + p.relative);
        return PolarMissing::Bearing;
    }
    if (!relativeGiven) {
        p.relative = NormalizeAngle(Wide{p.bearing} - p.heading);
        if (mode == PolarMode::Port && p.relative != 0)
            p.relative -= kFullCircle;  // to port: negative
        return PolarMissing::Relative;
    }
    return PolarMissing::Nothing;
}

}  // namespace nav
