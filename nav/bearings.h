#pragma once
// Bearings: a compass bearing corrected to a true one and back ("Vero e
// Bussola"), and the relation of true heading, true bearing and the polar
// bearing measured from the bow ("Polari"). Angle values, clockwise.
//
// Polar bearings to port are negative angle values: in the port mode the
// angle dialog gives -(d * 3600 + m * 60 + s) for d degrees to port, the
// bearing is heading + relative bearing in every mode, the heading is
// bearing - relative bearing in every mode, and a relative bearing found in
// the port mode lies in -1295999..0, so that it turns the diagram's line to
// the left of the top.

#include "nav/angle.h"
#include "nav/deviation_table.h"

#include <optional>

namespace nav {

struct CompassBearing {
    Angle heading = 0;      // valPBR, the compass heading when the bearing was taken
    Angle compass = 0;      // valRB
    Angle trueBearing = 0;  // valRV
    Angle deviation = 0;    // valDEVVB
};

enum class BearingStart { Compass, True, Nothing };

// The deviation belongs to the compass heading (East positive); true =
// compass + deviation - declination (West positive). Starts from the
// compass bearing when it is given, else from the true one; Nothing
// changes nothing. A deviation the problem gives is used instead of the table's.
BearingStart ConvertBearing(const DeviationTable& table, Angle declination, bool compassGiven, bool trueGiven,
                            CompassBearing& b, std::optional<Angle> givenDeviation = std::nullopt);

enum class PolarMode { Circular, Starboard, Port };

struct PolarBearing {
    Angle heading = 0;   // valPVC
    Angle bearing = 0;   // valRVC
    Angle relative = 0;  // valRP
};

enum class PolarMissing { Heading, Bearing, Relative, Nothing };

// Computes the first missing of heading, bearing and relative bearing;
// Nothing when all three are given (nothing changes then).
PolarMissing SolvePolar(PolarMode mode, bool headingGiven, bool bearingGiven, bool relativeGiven,
                        PolarBearing& p);

}  // namespace nav
