#pragma once
// The value of a field as text on the clipboard: the clean text a copy
// puts there, and the reader of a pasted text. A paste comes from anywhere
// (another program, a web page, a spreadsheet), so the reader takes the
// usual ways of writing an angle or a speed and refuses everything else.

#include "nav/angle.h"
#include "nav/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nav {

// A longer text is no value, whatever it holds.
inline constexpr std::size_t kMaxValueTextBytes = 64;

// An angle written as degrees, optionally minutes and seconds, UTF-8: blanks,
// an optional sign ("-", "+" or U+2212), then up to three numbers, each
// optionally marked (degrees by °/º, minutes by ' or ′, seconds by " or ″
// or ''), marks in that order; only the last number may have a fraction,
// with "." or ",". "94 44", "94°44'", "94.733", "-2° 16' 00\"".
//
// The whole degrees must lie in lowestDegrees..highestDegrees, as in the
// angle dialog's degree row; the minutes and the seconds are below 60, the
// seconds rounded half to even and a fraction of a degree or a minute to the
// nearest second. A range at or below zero (a polar bearing to port) is all
// to port: the value is negative with or without the minus, and "+" is refused.
std::optional<Angle> ReadAngleText(std::string_view text, int lowestDegrees, int highestDegrees);

// A speed in knots, 0..highest: blanks, digits with "." or "," as the point, blanks.
std::optional<double> ReadSpeedText(std::string_view text, double highest);

// The degree range of a direction: the full circle.
inline constexpr int kHighestDirectionDegrees = 359;

// The angle of a field with that degree range as a copy gives it: a
// direction «094° 44' 00"», any other angle with its sign and no padding
// «-2° 16' 00"», «30° 00' 00"».
std::string AngleCopyText(Angle a, int lowestDegrees, int highestDegrees);

}  // namespace nav
