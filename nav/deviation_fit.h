#pragma once
// The deviation curve of a compass: the classic five-coefficient model
//   δ(θ) = A + B sin θ + C cos θ + D sin 2θ + E cos 2θ
// over the compass heading θ, fitted by least squares to a table's rows or
// to the deviations observed on a compass swing. All angles are degrees;
// a positive deviation turns the compass heading clockwise (East), so the
// magnetic heading is θ + δ(θ), as in the deviation table.

#include "nav/deviation_table.h"

#include <optional>
#include <span>
#include <vector>

namespace nav {

struct DeviationCoefficients {
    double A = 0.0;  // constant part
    double B = 0.0;  // sin θ: semicircular, fore-and-aft
    double C = 0.0;  // cos θ: semicircular, athwartships
    double D = 0.0;  // sin 2θ: quadrantal
    double E = 0.0;  // cos 2θ: quadrantal
};

// δ(θ) of the model, θ in degrees (any value, the model is periodic).
double DeviationAt(const DeviationCoefficients& c, double compassHeading);

// Why a set of rows gives no curve.
enum class FitRefusal {
    NotFinite,         // a heading or deviation is NaN or infinite
    TooFewHeadings,    // fewer than 5 distinct headings (0° and 360° are one)
    Undetermined,      // the headings leave the coefficients undetermined
};

inline constexpr int kMinFitHeadings = 5;

// The observations may grow by up to the design matrix's condition number
// in the coefficients. Headings spread round the circle stay below 20;
// five within 120° of each other pass 100, where a reading error of a
// fraction of a degree moves the coefficients by degrees.
inline constexpr double kMaxFitCondition = 100.0;

struct DeviationFit {
    DeviationCoefficients coefficients;
    std::vector<double> residuals;  // observed − fitted, one per row, in row order
    double rms = 0.0;               // root mean square of the residuals
};

struct DeviationFitResult {
    std::optional<DeviationFit> fit;
    FitRefusal refusal = FitRefusal::NotFinite;  // meaningful only without a fit
    int distinctHeadings = 0;
};

// Least squares over the rows' Pb and Dev (Pm is not used).
DeviationFitResult FitDeviation(std::span<const DeviationRow> rows);

// Rows that are likely typing errors: a residual above 1° and above three
// times the RMS residual.
inline constexpr double kOutlierFloorDegrees = 1.0;
inline constexpr double kOutlierRmsFactor = 3.0;
std::vector<bool> LikelyTypingErrors(const DeviationFit& fit);

// The rows of a full table from a fitted curve: one every `stepDegrees`
// from 0° up to below 360°, deviations rounded to one decimal.
std::vector<DeviationRow> TableFromCurve(const DeviationCoefficients& c, int stepDegrees = 10);

}  // namespace nav
