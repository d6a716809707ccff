#pragma once
// The steps of the main window's calculations as a student writes them:
// headings ("Prore"), compass and true bearings ("Vero e Bussola"), polar
// bearings ("Polari"), the current triangle ("Correnti"), and passage time
// and fuel ("Autonomia"). Each takes the data and the result of a
// calculation that succeeded. Corrections are written East positive, as the
// textbooks do: the declination (West positive inside) changes its sign.

#include "nav/bearings.h"
#include "nav/currents.h"
#include "nav/endurance.h"
#include "nav/headings.h"
#include "nav/worked.h"

#include <optional>

namespace nav {

// start is not Nothing; the deviation came from the problem when
// deviationGiven, else from the table.
Worked WorkHeadings(const Headings& h, HeadingStart start, Angle declination, bool deviationGiven,
                    Language language);
Worked WorkBearing(const CompassBearing& b, BearingStart start, Angle declination, bool deviationGiven,
                   Language language);

// missing is not Nothing. Relative bearings are written as the mode shows
// them: a direction in the circular mode, signed (to port negative) else.
Worked WorkPolar(const PolarBearing& p, PolarMissing missing, PolarMode mode, Language language);

// t as SolveCurrent left it; missing is neither TooStrong nor Nothing.
Worked WorkCurrent(const CurrentTriangle& t, CurrentMissing missing, const CurrentFields& given,
                   Language language);

// Distance, mean speed and time from the other two; times in minutes, the
// departure in minutes after midnight.
Worked WorkDistance(double speed, int minutes, double distance, Language language);
Worked WorkMeanSpeed(double distance, int minutes, double speed, Language language);
Worked WorkTravelTime(double distance, double speed, int minutes, int departure, Language language);

// The engine and the fuel; litresPerHour holds the figure the user gave,
// none when it follows from power, consumption and density.
struct FuelData {
    double power = 0.0;        // HP
    double consumption = 0.0;  // g/HP/h
    int gramsPerLitre = kDieselGramsPerLitre;
    std::optional<double> litresPerHour;
    int minutes = 0;
};

Worked WorkLitresPerHour(const FuelData& f, double litresPerHour, Language language);
// The fuel for the time, and with the reserve.
Worked WorkFuel(const FuelData& f, double fuel, double reserve, Language language);

// The power, or the consumption, that burns `fuel` in the time; the other
// factor is taken from f.
enum class FuelUnknown { Power, Consumption };
Worked WorkFuelFactor(FuelUnknown solved, const FuelData& f, double fuel, double value, Language language);


}  // namespace nav
