#pragma once
// Compass, magnetic and true heading, all on 0..1295999: magnetic =
// compass + deviation (East positive), true = magnetic - declination (the
// declination West positive, so "compass to true, add East").

#include "nav/angle.h"
#include "nav/deviation_table.h"

#include <optional>

namespace nav {

struct Headings {
    Angle compass = 0;    // valPB
    Angle magnetic = 0;   // valPM
    Angle trueHeading = 0;  // valPV
    Angle deviation = 0;  // valDEVIAZ
};

// Which heading the calculation started from: the first given of compass,
// magnetic, true; Nothing when none is given (the headings are unchanged).
enum class HeadingStart { Compass, Magnetic, True, Nothing };

// Computes the headings that are not the starting one, and the deviation,
// from the table and the declination. A heading counts as given when its
// field shows any text. A deviation the problem gives (East positive) is
// used instead of the table's.
HeadingStart ConvertHeadings(const DeviationTable& table, Angle declination, bool compassGiven,
                             bool magneticGiven, bool trueGiven, Headings& h,
                             std::optional<Angle> givenDeviation = std::nullopt);

}  // namespace nav
