#pragma once
// The worked steps of the declination, the compass swing and the coastal
// problems, from the data given and the results the calculations gave: the
// steps only write those figures out, they never compute anew what the
// result shows. Sides of declinations and deviations are East positive in
// the text ("+1° 30' E", "−2° 16' W"), as the main tabs write them.

#include "nav/coastal.h"
#include "nav/declination.h"
#include "nav/deviation_fit.h"
#include "nav/gps_swing.h"
#include "nav/headings.h"
#include "nav/rhumb.h"
#include "nav/worked.h"

#include <optional>
#include <string>
#include <vector>

namespace nav {

// The declination from the chart's data, with the declination the chart
// gives for its current year.
Worked WorkedChartDeclination(const ChartDeclination& chart, Angle declination, Language language);

// The declination of the World Magnetic Model for a position and a date
// ("2026-03-01"), with the chart fields it filled (base year = this year).
Worked WorkedModelDeclination(GeoPosition position, const std::string& date, const ChartDeclination& chart,
                              Language language);

// The compass swing: the rows observed and the fit they gave.
Worked WorkedCompassSwing(const std::vector<DeviationRow>& rows, const DeviationFit& fit, Language language);

// A row of the compass swing read from the GPS, as the swing gave it.
Worked WorkedGpsSwing(const GpsSwingResult& r, Language language);

// "Traverso": two relative bearings and the run, given or from the minutes
// and the speed (both given when `timed`).
struct DistanceOffData {
    Angle first = 0;
    Angle second = 0;
    double run = 0.0;
    bool timed = false;
    double minutes = 0.0;
    double speed = 0.0;
};
Worked WorkedDistanceOff(const DistanceOffData& data, const DistanceOff& off, Language language);

// A true course with its magnetic and compass equivalents (the declination
// is magnetic − true; the deviation is the table's, East positive).
struct CourseConversion {
    Angle trueCourse = 0;
    Headings headings;
};

// "Lossodromia": the course and distance between two positions.
Worked WorkedRhumbBetween(GeoPosition from, GeoPosition to, const RhumbLeg& leg,
                          const std::optional<CourseConversion>& course, Language language);
// The arrival from a start, a true course and a distance.
Worked WorkedRhumbArrival(GeoPosition from, Angle course, double miles, GeoPosition arrival,
                          const std::optional<CourseConversion>& conversion, Language language);
// The boat's position from a light's, its true bearing and distance.
Worked WorkedPositionFromLight(GeoPosition light, Angle bearing, double miles, GeoPosition boat,
                               Language language);

// "Fari": the horizon and the geographic range; the nominal range limits
// what is seen when it is given (above 0).
Worked WorkedLightRange(double eye, double height, double nominal, Language language);

// A magnitude with its side: «1° 00' W», «0° 04' E», «0° 00'».
std::string SideText(Angle eastPositive);


// The source captions, as the windows read.
std::string DeclinationSource(Language language);
std::string CompassSwingSource(Language language);

}  // namespace nav
