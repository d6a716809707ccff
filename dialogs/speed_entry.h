#pragma once
// The rules of the speed dialog that need no window. Speeds are knots; the
// slider works in tenths of a knot, 0..500 for 0.0..50.0 knots.

#include <QString>

inline constexpr double kMaxKnots = 50.0;
inline constexpr int kMaxTenths = 500;

// A speed as a slider position: times ten, brought within 0..500 before it
// is rounded (halves to even), so that no typed number can overflow:
// 12.25 gives 122, 63 gives 500.
int SpeedTenths(double knots);

// The speed "CONFERMA" stores: within 0..50, and never -0.
double ConfirmedSpeed(double knots);

// A speed as the log takes it: within 0..50 in tenths of a knot.
double SpeedOnLog(double knots);

// "%3.1f" of the speed, with the locale's decimal separator.
QString SpeedText(double knots);
