#include "nav/headings.h"

#include <cstdint>

namespace nav {

HeadingStart ConvertHeadings(const DeviationTable& table, Angle declination, bool compassGiven,
                             bool magneticGiven, bool trueGiven, Headings& h)
{
    using Wide = std::int64_t;
    if (compassGiven) {
        h.deviation = DeviationForCompass(table, h.compass);
        h.magnetic = NormalizeAngle(Wide{h.compass} + h.deviation);
        h.trueHeading = NormalizeAngle(Wide{h.magnetic} - declination);
        return HeadingStart::Compass;
    }
    if (magneticGiven) {
        h.deviation = DeviationForMagnetic(table, h.magnetic);
        h.compass = NormalizeAngle(Wide{h.magnetic} - h.deviation);
        h.trueHeading = NormalizeAngle(Wide{h.magnetic} - declination);
        return HeadingStart::Magnetic;
    }
    if (trueGiven) {
        h.magnetic = NormalizeAngle(Wide{h.trueHeading} + declination);
        h.deviation = DeviationForMagnetic(table, h.magnetic);
        h.compass = NormalizeAngle(Wide{h.magnetic} - h.deviation);
        return HeadingStart::True;
    }
    return HeadingStart::Nothing;
}

}  // namespace nav
