#pragma once
// The coastal problems that need no chart: the distance off an object from
// two of its relative bearings and the run between them, and the range of a
// light. Angles are angle values (seconds of arc) measured from the bow on
// one side, distances nautical miles, heights metres.

#include "nav/angle.h"

#include <optional>

namespace nav {

// The distance off from two bearings of one object on the same side.
struct DistanceOff {
    double atSecond = 0.0;  // run * sin a1 / sin(a2 - a1)
    double abeam = 0.0;     // atSecond * sin a2
    double toAbeam = 0.0;   // atSecond * cos a2; negative: passed abeam that far back
};

// No value unless 0 < first < second < 180 degrees.
std::optional<DistanceOff> DistanceOffFromBearings(Angle first, Angle second, double run);

// The pairs the textbooks name: the doubled angle (the distance at the
// second bearing is the run), 45 and 90 (the distance abeam is the run),
// 22.5 and 45 (the distance abeam is about 7/10 of the run).
enum class DistanceOffRule { None, DoubledAngle, FortyFiveAbeam, SevenTenths };
DistanceOffRule NamedRule(Angle first, Angle second);

// Miles of visibility for each square root of a metre of height, with the
// usual terrestrial refraction.
inline constexpr double kRangePerRootMetre = 2.08;

// The distance of the sea horizon from a height; negative heights count as 0.
double HorizonDistance(double height);
// The distance at which a light of height `light` rises above the horizon of
// an eye at height `eye`.
double GeographicRange(double eye, double light);

}  // namespace nav
