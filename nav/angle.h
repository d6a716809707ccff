#pragma once
// Angle values: a signed 32-bit count of seconds of arc (one degree = 3600,
// the full circle = 1,296,000). Directions are clockwise from north; computed
// headings and bearings lie in 0..1295999, deviations and the declination
// are signed (West positive).

#include <cstdint>
#include <string>

namespace nav {

using Angle = std::int32_t;

inline constexpr Angle kSecondsPerMinute = 60;
inline constexpr Angle kSecondsPerDegree = 3600;
inline constexpr Angle kFullCircle = 360 * kSecondsPerDegree;

// Degrees, minutes and seconds of the magnitude of an angle (truncating).
struct Dms {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

Dms SplitAngle(Angle a);

// Fixed-width text of an angle, UTF-8: «  0°  0'  0"», «-  2° 30'  0"».
// The minus sign stands before the three-character degree field.
std::string FormatAngle(Angle a);

// Brings an angle onto 0..1295999 (1296000 -> 0, -1 -> 1295999). Takes a
// 64-bit sum so that adding angle values can never overflow on the way.
Angle NormalizeAngle(std::int64_t a);

// A degree number brought onto [0, 360) for inputs in (-360, 720).
double WrapDegrees(double x);

// Any finite degree number brought onto [0, 360), however many turns away.
double OnCircle(double degrees);

// Whole degrees towards minus infinity (the deviation table lookup).
int FloorDegrees(Angle a);

// Whole degrees truncated towards zero (the diagrams: -9000 gives -2).
int TruncDegrees(Angle a);

// Degrees (double) to an angle value, rounded half to even; saturates at the
// 32-bit limits (a table may hold absurd numbers) and maps NaN to 0.
Angle DegreesToAngle(double degrees);

// Rounds half to even, as the calculations do everywhere.
double RoundHalfEven(double x);

}  // namespace nav
