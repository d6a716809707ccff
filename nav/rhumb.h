#pragma once
// Positions and rhumb lines, a thin layer over GeographicLib: the rhumb line
// (loxodrome) on the WGS84 ellipsoid, and the reading of written positions.
// Latitudes and longitudes are decimal degrees, North and East positive;
// courses are angle values clockwise from true north; distances nautical
// miles of 1852 m.

#include "nav/angle.h"

#include <optional>
#include <string>
#include <string_view>

namespace nav {

inline constexpr double kMetresPerMile = 1852.0;

struct GeoPosition {
    double latitude = 0.0;   // -90..90
    double longitude = 0.0;  // -180..180
};

struct RhumbLeg {
    Angle course = 0;  // 0..1295999
    double miles = 0.0;
};

// The shorter rhumb line between two positions (across the antimeridian
// when that is shorter). The course of a leg of no length is 0.
RhumbLeg RhumbBetween(GeoPosition from, GeoPosition to);

// The position reached; no value when the line would run over a pole.
std::optional<GeoPosition> RhumbDestination(GeoPosition from, Angle course, double miles);

// The boat's position from a light's, the light's true bearing from the
// boat and the distance: the rhumb line from the light on the reciprocal.
std::optional<GeoPosition> PositionFromLight(GeoPosition light, Angle bearing, double miles);

// A position as written: "42° 30,0' N 010° 18,5' E", "42 30.0N 10 18.5E",
// "42.5 10.308", "N42°30' E10°18.5'", "-33.9, 151.2"; with "," as the
// decimal mark where the text has no ".". No value for anything else.
std::optional<GeoPosition> ReadPosition(std::string_view text);

// As charts print it: "42° 30,00' N  010° 18,50' E", the minutes to two
// decimals with the given mark.
std::string FormatPosition(GeoPosition p, char decimalMark);

}  // namespace nav
