#pragma once
// The magnetic declination from a nautical chart's data, and the settings
// file ORVAN_INI.INI that keeps those data. Angles are angle values
// (seconds of arc); a declination is West positive, East negative.

#include "nav/angle.h"

#include <optional>
#include <string>
#include <string_view>

namespace nav {

// The chart's data: the declination in the base year and its annual change.
struct ChartDeclination {
    int baseYear = 1985;      // valANNOBASE
    int currentYear = 0;      // valANNOCORR, the year the declination is for
    Angle base = 3600;        // valDECLIBASE, a magnitude
    int baseSign = +1;        // signDECLIBASE: +1 West, -1 East
    Angle change = 240;       // valDELTADECLI, a magnitude per year
    int changeSign = +1;      // signDELTADECLI: +1 "Aumento", -1 "Diminuzione"

    friend bool operator==(const ChartDeclination&, const ChartDeclination&) = default;
};

// The years the chart data may be computed for (the year spin edits' range).
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2099;

// baseSign * (base + changeSign * change * (currentYear - baseYear)), as a
// chart's note means it: "Aumento" moves the declination away from zero on
// its own side, "Diminuzione" toward zero and past it onto the other side.
// The difference of the years keeps its sign, so a year before the base
// year moves the declination back. No value when the result is no angle
// value.
std::optional<Angle> ComputeDeclination(const ChartDeclination& chart);

// A modern chart names the annual change by the side it moves the
// declination to, "0° 20' E 1994 (7' E)". Seen from the base's side that is
// "Aumento" (+1) toward the base's own side and "Diminuzione" (-1) toward
// the other. Sides are +1 West, -1 East, as baseSign.
int ChangeSignToward(int baseSign, int towardSign);
// The side a change of that sense moves the declination to.
int ChangeToward(int baseSign, int changeSign);

// The declination as its fields show it: FormatAngle of the magnitude, a
// blank and the side, "  3° 44'  0\" W"; a zero names no side. Any angle
// value but the most negative 32-bit one, which ComputeDeclination never gives.
std::string FormatDeclination(Angle declination);

// The file's four lines: base year, current year, the signed base
// declination, the signed annual change, each ended by CR LF. A zero base
// is read as West, so an East one is written with the sense of its change
// turned: the same declinations in every year.
std::string WriteSettings(const ChartDeclination& chart);

struct SettingsRead {
    std::optional<ChartDeclination> chart;  // all four lines, or nothing
    std::string error;                      // UTF-8, when there is no chart
};

// Reads the file's bytes. Each of the first four lines is a 32-bit integer
// as ParseInteger reads it (blanks and a "+" allowed), ended by CR LF, LF,
// a lone CR or the end of the file; further lines are ignored. Any other
// line, also an empty or missing one, is "'<text>' is not a valid integer
// value". Data whose declination would leave 32 bits for some pair of years
// within kFirstYear..kLastYear or the file's own years are refused too. The
// years are kept as written.
SettingsRead ReadSettings(std::string_view bytes);

}  // namespace nav
