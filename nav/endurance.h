#pragma once
// Speed, time and distance, and fuel endurance. Distances in nautical miles,
// speeds in knots, times in whole minutes, power in HP, specific consumption
// in grams per HP per hour, fuel in litres.

#include <optional>
#include <string>
#include <string_view>

namespace nav {

// The largest time the time entry holds: 545 hours.
inline constexpr int kMaxMinutes = 32700;

// Fuel density, 0.833 kg per litre.
inline constexpr double kFuelGramsPerLitre = 833.0;

// The reserve added to the fuel quantity: 30 %.
inline constexpr double kReserveFactor = 1.3;

// "hh:mm" with at least two digits each: 125 -> "02:05", 32700 -> "545:00".
std::string FormatHoursMinutes(int minutes);

// A time as typed: "1:30" (hours, then minutes 0..59) or "90" (minutes),
// blanks around it allowed. No value for anything else or beyond kMaxMinutes.
std::optional<int> ParseTotalTime(std::string_view text);

double Hours(int minutes);

double DistanceRun(double speed, int minutes);
double MeanSpeed(double distance, int minutes);  // minutes > 0
// Minutes rounded to the nearest whole minute (halves to even); speed > 0.
double TravelMinutes(double distance, double speed);

double FuelNeeded(int minutes, double power, double consumption);
// The power from the consumption, or the consumption from the power: one
// formula, fuel * 833 / (other * hours); other, minutes > 0.
double FuelFactor(double fuel, double other, int minutes);

}  // namespace nav
