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

double FuelNeeded(int minutes, double power, double consumption)
{
    return Hours(minutes) * (power * consumption) / kFuelGramsPerLitre;
}

double FuelFactor(double fuel, double other, int minutes)
{
    return fuel * kFuelGramsPerLitre / (other * Hours(minutes));
}

}  // namespace nav
