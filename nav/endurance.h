#pragma once
// Speed, time and distance, the time of arrival, and fuel endurance.
// Distances in nautical miles, speeds in knots, times in whole minutes, clock
// times in minutes after midnight, power in HP, specific consumption in grams
// per HP per hour, fuel in litres, fuel densities in grams per litre (833 is
// the 0.833 kg/l of the light list's diesel).

#include <optional>
#include <string>
#include <string_view>

namespace nav {

// The largest time the time entry holds: 545 hours.
inline constexpr int kMaxMinutes = 32700;

inline constexpr int kDieselGramsPerLitre = 833;
inline constexpr int kPetrolGramsPerLitre = 750;
// The densities another fuel may take, 0.500 to 1.100 kg/l.
inline constexpr int kLightestFuel = 500;
inline constexpr int kHeaviestFuel = 1100;

inline constexpr int kMinutesPerDay = 24 * 60;

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

// The clock time a passage ends, and how many midnights it passes:
// departure 0..1439, total >= 0.
struct ArrivalTime {
    int minuteOfDay = 0;  // 0..1439
    int days = 0;         // 0 the same day, 1 the next ...
};
ArrivalTime Arrival(int departure, int total);

// The fuel an engine burns: power * consumption / density.
double LitresPerHour(double power, double consumption, int gramsPerLitre = kDieselGramsPerLitre);
double FuelForTime(double litresPerHour, int minutes);
// hours * power * consumption / density, in the order the tab has always
// worked it, so that its litres stay the same to the last digit.
double FuelNeeded(int minutes, double power, double consumption, int gramsPerLitre = kDieselGramsPerLitre);
// The power from the consumption, or the consumption from the power: one
// formula, fuel * density / (other * hours); other, minutes > 0.
double FuelFactor(double fuel, double other, int minutes, int gramsPerLitre = kDieselGramsPerLitre);

}  // namespace nav
