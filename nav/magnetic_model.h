#pragma once
// The magnetic declination for a position and a date from a model of the
// earth's main field (Gauss coefficients and their secular variation), read
// from the WMM.COF text layout. The program carries the World Magnetic
// Model 2025. Positions are geodetic degrees on WGS84 at sea level (North
// and East positive); dates are decimal years. Declinations are angle
// values (seconds of arc) with the program's sign: West positive, East
// negative.

#include "nav/angle.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nav {

// Schmidt semi-normalised coefficients in nT and nT a year, degree 0..maxDegree,
// laid out as GeographicLib's sums take them: (n, m) at
// m * maxDegree - m * (m - 1) / 2 + n; the sine arrays leave out m = 0.
struct GaussModel {
    std::string name;  // "WMM-2025"
    double epoch = 0;  // decimal year of the main-field coefficients
    int maxDegree = 0;
    std::vector<double> g, h, gRate, hRate;
};

// The header line (epoch, name, free text) and one "n m g h g' h'" line for
// every degree 1..N and order 0..n, up to a line of nines. Nothing for
// anything else: a gap, a repeated term, h for m = 0, junk.
std::optional<GaussModel> ReadCof(std::string_view text);

// The built-in WMM2025; nothing if its data could not be read.
const GaussModel* Wmm2025();

// A model holds for this many years from its epoch; dates up to
// kModelGraceYears outside that are still answered, with a warning.
inline constexpr double kModelValidYears = 5.0;
inline constexpr double kModelGraceYears = 5.0;

// Where the horizontal field is weaker than this a compass is unreliable
// (the model's own warning limit near the magnetic poles).
inline constexpr double kUnreliableHorizontalNt = 2000.0;

enum class ModelRefusal {
    NotANumber,          // a position or date that is no finite number
    PositionOutOfRange,  // latitude beyond +-90 or longitude beyond +-180
    DateOutOfRange,      // more than kModelGraceYears outside the model's years
    NearMagneticPole,    // horizontal field below kUnreliableHorizontalNt
    NoModel,             // the model's data could not be read
};

struct ModelDeclination {
    Angle declination = 0;   // seconds of arc, West positive
    // Seconds of arc a year: positive when the declination moves West,
    // negative when it moves East (a chart's "Aumento" when that is away
    // from zero on the declination's side).
    Angle annualChange = 0;
    bool outsideValidity = false;  // a date within the grace years only

    friend bool operator==(const ModelDeclination&, const ModelDeclination&) = default;
};

using ModelAnswer = std::variant<ModelDeclination, ModelRefusal>;

ModelAnswer MagneticDeclination(const GaussModel& model, double latitudeDeg, double longitudeDeg,
                                double decimalYear);

// From the built-in WMM2025.
ModelAnswer MagneticDeclination(double latitudeDeg, double longitudeDeg, double decimalYear);

// year + (day of the year - 1) / days of the year: 1 January is the whole year.
double DecimalYear(int year, unsigned month, unsigned day);

}  // namespace nav
