#include "nav/endurance.h"

#include "nav/angle.h"

#include <cstdio>

namespace nav {

namespace {

constexpr double kMinutesPerHour = 60.0;

}  // namespace

std::string FormatHoursMinutes(int minutes)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

namespace {

// Whole digits only, at most a few: no sign, no blanks, no overflow.
std::optional<int> Digits(std::string_view text)
{
    constexpr std::size_t kMaxDigits = 6;
    if (text.empty() || text.size() > kMaxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<int> ParseTotalTime(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    std::optional<int> minutes;
    if (const auto colon = text.find(':'); colon == std::string_view::npos) {
        minutes = Digits(text);
    } else {
        const auto hours = Digits(text.substr(0, colon));
        const auto rest = Digits(text.substr(colon + 1));
        if (hours && rest && *rest < kMinutesPerHour)
            minutes = *hours * static_cast<int>(kMinutesPerHour) + *rest;
    }
    if (!minutes || *minutes > kMaxMinutes)
        return std::nullopt;
    return minutes;
}

double Hours(int minutes)
{
    return minutes / kMinutesPerHour;
}

double DistanceRun(double speed, int minutes)
{
    return speed * Hours(minutes);
}

double MeanSpeed(double distance, int minutes)
{
    return distance / Hours(minutes);
}

double TravelMinutes(double distance, double speed)
{
    return RoundHalfEven(distance / speed * kMinutesPerHour);
}

ArrivalTime Arrival(int departure, int total)
{
    const int end = departure + total;
    return {end % kMinutesPerDay, end / kMinutesPerDay};
}

double LitresPerHour(double power, double consumption, int gramsPerLitre)
{
    return power * consumption / gramsPerLitre;
}

double FuelForTime(double litresPerHour, int minutes)
{
    return litresPerHour * Hours(minutes);
}

double FuelNeeded(int minutes, double power, double consumption, int gramsPerLitre)
{
    return Hours(minutes) * (power * consumption) / gramsPerLitre;
}

double FuelFactor(double fuel, double other, int minutes, int gramsPerLitre)
{
    return fuel * gramsPerLitre / (other * Hours(minutes));
}

}  // namespace nav
