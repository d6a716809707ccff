#include "nav/headings.h"

#include <cstdint>

namespace nav {

HeadingStart ConvertHeadings(const DeviationTable& table, Angle declination, bool compassGiven,
                             bool magneticGiven, bool trueGiven, Headings& h, std::optional<Angle> givenDeviation)
{
    using Wide = std::int64_t;
    if (compassGiven) {
        h.deviation = givenDeviation.value_or(DeviationForCompass(table, h.compass));
        h.magnetic = NormalizeAngle(Wide{h.compass} + h.deviation);
        h.trueHeading = NormalizeAngle(Wide{h.magnetic} - declination);
        return HeadingStart::Compass;
    }
    if (magneticGiven) {
        h.deviation = givenDeviation.value_or(DeviationForMagnetic(table, h.magnetic));
        h.compass = NormalizeAngle(Wide{h.magnetic} - h.deviation);
        h.trueHeading = NormalizeAngle(Wide{h.magnetic} - declination);
        return HeadingStart::Magnetic;
    }
    if (trueGiven) {
        h.magnetic = NormalizeAngle(Wide{h.trueHeading} + declination);
        h.deviation = givenDeviation.value_or(DeviationForMagnetic(table, h.magnetic));
        h.compass = NormalizeAngle(Wide{h.magnetic} - h.deviation);
        return HeadingStart::True;
    }
    return HeadingStart::Nothing;
}

}  // namespace nav
