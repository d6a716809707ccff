#include "nav/worked_tools.h"

#include "nav/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace nav {

namespace {

constexpr const char* kMinus = "\u2212";
constexpr double kMinutesPerDegree = 60.0;
constexpr long long kHundredths = 100;
constexpr double kHalfCircleDegrees = 180.0;
constexpr double kFullCircleDegrees = 360.0;
constexpr Angle kHalfCircle = kFullCircle / 2;
constexpr int kMileDecimals = 2;
constexpr int kTimeAndSpeedDecimals = 1;
constexpr int kHeightDecimals = 1;
constexpr int kCoefficientDecimals = 1;
constexpr int kRmsDecimals = 2;

// The decimal mark each language writes.
char DecimalMark(Language language)
{
    return language == Language::Italian ? ',' : '.';
}

// A magnitude without padding: «3° 00'», «48° 51' 23"».
std::string Arc(Angle a)
{
    const Dms d = SplitAngle(a);
    char text[48];
    if (d.seconds == 0)
        std::snprintf(text, sizeof text, "%d\u00B0 %02d'", d.degrees, d.minutes);
    else
        std::snprintf(text, sizeof text, "%d\u00B0 %02d' %02d\"", d.degrees, d.minutes, d.seconds);
    return text;
}

// A latitude, a longitude or a difference of them, the minutes to two
// decimals: «42° 30,00' N», «010° 18,50' E», «0° 04,20' N».
std::string Coordinate(double degrees, int width, char positive, char negative, Language language)
{
    // Hundredths of a minute, rounded once, so that 59.996' carries into the degrees.
    const long long hundredths = std::llround(std::abs(degrees) * kMinutesPerDegree * kHundredths);
    const long long perDegree = static_cast<long long>(kMinutesPerDegree) * kHundredths;
    char text[64];
    std::snprintf(text, sizeof text, "%0*lld\u00B0 %02lld%c%02lld'", width, hundredths / perDegree,
                  hundredths % perDegree / kHundredths, DecimalMark(language), hundredths % kHundredths);
    if (hundredths == 0)
        return text;
    return std::string(text) + ' ' + (degrees < 0 ? negative : positive);
}

std::string Latitude(double degrees, Language language)
{
    return Coordinate(degrees, 2, 'N', 'S', language);
}

std::string Longitude(double degrees, Language language)
{
    return Coordinate(degrees, 3, 'E', 'W', language);
}

std::string PositionText(GeoPosition p, Language language)
{
    return FormatPosition(p, DecimalMark(language));
}

std::string Miles(double miles, Language language)
{
    return DecimalText(miles, kMileDecimals, language) + " M";
}

// A heading of the swing: «045°», «037,5°».
std::string HeadingDegrees(double degrees, Language language)
{
    char text[16];
    if (degrees == std::floor(degrees)) {
        std::snprintf(text, sizeof text, "%03d\u00B0", static_cast<int>(degrees));
        return text;
    }
    return DecimalText(degrees, 1, language) + "\u00B0";
}

std::string SignedDegrees(double degrees, int decimals, Language language)
{
    return SignedDecimalText(degrees, decimals, language) + "\u00B0";
}

// What the chart's annual change does, East positive, in seconds a year.
Angle ChangeEastPositive(const ChartDeclination& chart)
{
    return -chart.baseSign * chart.changeSign * chart.change;
}

Angle BaseEastPositive(const ChartDeclination& chart)
{
    return -chart.baseSign * chart.base;
}

std::string AYear(Language language)
{
    return Say(language, " all'anno", " a year");
}

// The differences of latitude and longitude from one position to another,
// the longitude the short way round.
void AddDifferences(Worked& w, GeoPosition from, GeoPosition to, Language language)
{
    w.steps.push_back("\u0394\u03C6 = \u03C6\u2082 \u2212 \u03C6\u2081 = " + Latitude(to.latitude, language) + " \u2212 "
                      + Latitude(from.latitude, language) + " = "
                      + Coordinate(to.latitude - from.latitude, 1, 'N', 'S', language));
    double dLon = to.longitude - from.longitude;
    if (dLon > kHalfCircleDegrees)
        dLon -= kFullCircleDegrees;
    else if (dLon < -kHalfCircleDegrees)
        dLon += kFullCircleDegrees;
    w.steps.push_back("\u0394\u03BB = \u03BB\u2082 \u2212 \u03BB\u2081 = " + Longitude(to.longitude, language) + " \u2212 "
                      + Longitude(from.longitude, language) + " = " + Coordinate(dLon, 1, 'E', 'W', language));
}

std::string Ellipsoid(Language language)
{
    return Say(language, " (lossodromia sull'ellissoide WGS84)", " (rhumb line on the WGS84 ellipsoid)");
}

// The true course as magnetic and compass: Rm = Rv − d, Rb = Rm − δ, both East positive.
void AddConversion(Worked& w, const CourseConversion& c, Language language)
{
    const Headings& h = c.headings;
    // magnetic = true + declination (West positive): the East-positive one is its opposite.
    const std::int64_t westPositive = NormalizeAngle(std::int64_t{h.magnetic} - c.trueCourse);
    const Angle declinationEast =
        static_cast<Angle>(westPositive > kHalfCircle ? kFullCircle - westPositive : -westPositive);
    const bool italian = language == Language::Italian;
    const std::string d = italian ? "d" : "Var";
    const std::string dev = italian ? "\u03B4" : "Dev";
    const std::string rv = italian ? "Rv" : "T";
    const std::string rm = italian ? "Rm" : "M";
    const std::string rb = italian ? "Rb" : "C";
    // Written as the headings' steps write them: d with its side, δ signed.
    w.data.push_back({d, SidedText(declinationEast), Origin::Declination});
    w.data.push_back({dev, SignedText(h.deviation), Origin::Table});
    w.steps.push_back(rm + " = " + rv + " \u2212 " + d + " = " + DirectionText(c.trueCourse) + " \u2212 ("
                      + SidedText(declinationEast) + ") = " + DirectionText(h.magnetic));
    w.steps.push_back(rb + " = " + rm + " \u2212 " + dev + " = " + DirectionText(h.magnetic) + " \u2212 ("
                      + SignedText(h.deviation) + ") = " + DirectionText(h.compass));
    w.results.push_back({Say(language, "Rotta magnetica", "Magnetic course"), DirectionText(h.magnetic)});
    w.results.push_back({Say(language, "Rotta bussola", "Compass course"), DirectionText(h.compass)});
}

}  // namespace

std::string SideText(Angle eastPositive)
{
    if (eastPositive == 0)
        return Arc(0);
    return Arc(eastPositive) + (eastPositive < 0 ? " W" : " E");
}

std::string DeclinationSource(Language language)
{
    return Say(language, "Declinazione", "Variation");
}

std::string CompassSwingSource(Language language)
{
    return Say(language, "Giro bussola", "Compass swing");
}

Worked WorkedChartDeclination(const ChartDeclination& chart, Angle declination, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string d = italian ? "d" : "Var";
    const std::string year = italian ? "anno" : "year";
    const std::string chartYear = italian ? "anno carta" : "chart year";
    const std::string change = italian ? "\u0394d" : "\u0394Var";
    const Angle base = BaseEastPositive(chart);
    const Angle perYear = ChangeEastPositive(chart);
    const std::int64_t years = std::int64_t{chart.currentYear} - chart.baseYear;
    const auto moved = static_cast<Angle>(perYear * years);

    Worked w;
    w.source = DeclinationSource(language);
    w.data = {
        {Say(language, "Anno della carta", "Chart year"), std::to_string(chart.baseYear)},
        {Say(language, "Anno", "Year"), std::to_string(chart.currentYear)},
        {d + "\u2080", SideText(base)},
        {change, SideText(perYear) + AYear(language)},
    };
    const std::string yearsText = (years < 0 ? kMinus : "") + std::to_string(std::llabs(years));
    const std::string difference = year + " \u2212 " + chartYear;
    w.steps.push_back(difference + " = " + std::to_string(chart.currentYear) + " \u2212 "
                      + std::to_string(chart.baseYear) + " = " + yearsText);
    const std::string factor = years < 0 ? "(" + yearsText + ")" : yearsText;
    w.steps.push_back(change + "\u00B7(" + difference + ") = (" + SidedText(perYear) + ")\u00B7" + factor + " = "
                      + SidedText(moved));
    w.steps.push_back(d + " = " + d + "\u2080 + " + change + "\u00B7(" + difference + ") = " + SidedText(base) + " + ("
                      + SidedText(moved) + ") = " + SidedText(-declination));
    w.results = {{d, SideText(-declination)}};
    return w;
}

Worked WorkedModelDeclination(GeoPosition position, const std::string& date, const ChartDeclination& chart,
                              Language language)
{
    const bool italian = language == Language::Italian;
    const std::string d = italian ? "d" : "Var";
    const std::string change = italian ? "\u0394d" : "\u0394Var";
    const Angle base = BaseEastPositive(chart);
    const Angle perYear = ChangeEastPositive(chart);

    Worked w;
    w.source = DeclinationSource(language);
    w.data = {
        {Say(language, "Posizione", "Position"), PositionText(position, language)},
        {Say(language, "Data", "Date"), date},
    };
    const std::string model = italian ? "WMM2025(\u03C6, \u03BB, data)" : "WMM2025(\u03C6, \u03BB, date)";
    const std::string rounded = Say(language, ", al primo intero", ", to the whole minute");
    w.steps.push_back(d + " = " + model + " = " + SidedText(base) + rounded);
    w.steps.push_back(change + " = " + model + " = " + SidedText(perYear) + AYear(language) + rounded);
    w.results = {{d, SideText(base)}, {change, SideText(perYear) + AYear(language)}};
    return w;
}

Worked WorkedCompassSwing(const std::vector<DeviationRow>& rows, const DeviationFit& fit, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string dev = italian ? "\u03B4" : "Dev";
    // English writes C for the compass heading, the name of a coefficient here.
    const std::string pb = italian ? "Pb" : "CH";
    const DeviationCoefficients& c = fit.coefficients;
    const auto coefficient = [language](double x) { return SignedDegrees(x, kCoefficientDecimals, language); };

    Worked w;
    w.source = CompassSwingSource(language);
    for (const DeviationRow& row : rows)
        w.data.push_back({dev + " " + pb + " " + HeadingDegrees(row.Pb, language),
                          SignedDegrees(row.Dev, kCoefficientDecimals, language)});
    const std::string count = std::to_string(rows.size());
    w.steps.push_back(dev + " = A + B\u00B7sin " + pb + " + C\u00B7cos " + pb + " + D\u00B7sin 2" + pb + " + E\u00B7cos 2"
                      + pb + Say(language, ", minimi quadrati su ", ", least squares over ") + count
                      + Say(language, " prore", " headings"));
    w.steps.push_back(dev + " = " + coefficient(c.A) + " + (" + coefficient(c.B) + ")\u00B7sin " + pb + " + ("
                      + coefficient(c.C) + ")\u00B7cos " + pb + " + (" + coefficient(c.D) + ")\u00B7sin 2" + pb
                      + " + (" + coefficient(c.E) + ")\u00B7cos 2" + pb);
    for (std::size_t i = 0; i < rows.size() && i < fit.residuals.size(); ++i) {
        const double residual = fit.residuals[i];
        w.steps.push_back(pb + " " + HeadingDegrees(rows[i].Pb, language) + Say(language, ": osservata ", ": observed ")
                          + coefficient(rows[i].Dev) + Say(language, ", curva ", ", curve ")
                          + coefficient(rows[i].Dev - residual) + Say(language, ", scarto ", ", residual ")
                          + coefficient(residual));
    }
    const std::string rms = Say(language, "scarto quadratico medio", "RMS residual");
    w.steps.push_back(rms + " = \u221A(\u03A3 " + Say(language, "scarto", "residual") + "\u00B2 / " + count + ") = "
                      + DecimalText(fit.rms, kRmsDecimals, language) + "\u00B0");
    w.results = {{"A", coefficient(c.A)}, {"B", coefficient(c.B)}, {"C", coefficient(c.C)},
                 {"D", coefficient(c.D)}, {"E", coefficient(c.E)},
                 {rms, DecimalText(fit.rms, kRmsDecimals, language) + "\u00B0"}};
    return w;
}

Worked WorkedGpsSwing(const GpsSwingResult& r, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string pb = italian ? "Pb" : "CH";
    const std::string rv = italian ? "Rv" : "COG";
    const std::string rm = italian ? "Rm" : "MC";
    const std::string d = italian ? "d" : "Var";
    const std::string dev = italian ? "\u03B4" : "Dev";
    const std::string decl = SidedText(static_cast<Angle>(-static_cast<std::int64_t>(r.declination)));
    const std::string compass = HeadingDegrees(r.compassHeading, language);
    const std::string course = HeadingDegrees(r.trueCourse, language);
    const std::string magnetic = HeadingDegrees(r.magneticCourse, language);
    const std::string deviation = SignedDegrees(r.deviation, kCoefficientDecimals, language);
    const auto mean = [language](int count, std::string_view italian, std::string_view english, double spread) {
        return Say(language, " = media di ", " = mean of ") + std::to_string(count) + Say(language, italian, english)
               + Say(language, ", scarto massimo ", ", largest distance ")
               + DecimalText(spread, kCoefficientDecimals, language) + "\u00B0";
    };

    Worked w;
    w.source = CompassSwingSource(language);
    w.data = {{pb + (r.source == SwingHeadingSource::Hdg ? " (HDG)" : " (HDM)"), compass},
              {rv + " (GPS)", course},
              {Say(language, "Velocità sul fondo", "Speed over ground"),
               DecimalText(r.speed, kTimeAndSpeedDecimals, language) + " kn"},
              {d, decl, Origin::Declination}};
    w.steps = {pb + mean(r.headingSamples, " prore", " headings", r.headingSpread),
               rv + mean(r.courseSamples, " rotte", " courses", r.courseSpread),
               rm + " = " + rv + " " + kMinus + " " + d + " = " + course + " " + kMinus + " (" + decl + ") = " + magnetic,
               dev + " = " + rm + " " + kMinus + " " + pb + " = " + magnetic + " " + kMinus + " " + compass + " = "
                   + deviation};
    w.results = {{dev + " " + pb + " " + compass, deviation}};
    return w;
}

Worked WorkedDistanceOff(const DistanceOffData& data, const DistanceOff& off, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string run = italian ? "m" : "run";
    const std::string at = Miles(off.atSecond, language);
    const std::string atFigure = DecimalText(off.atSecond, kMileDecimals, language);

    Worked w;
    w.source = Say(language, "Traverso", "Abeam");
    w.data = {{"\u03C1\u2081", DirectionText(data.first)}, {"\u03C1\u2082", DirectionText(data.second)}};
    if (data.timed) {
        w.data.push_back({"t", DecimalText(data.minutes, kTimeAndSpeedDecimals, language) + " min"});
        w.data.push_back({"v", DecimalText(data.speed, kTimeAndSpeedDecimals, language) + " kn"});
        w.steps.push_back(run + " = v\u00B7t = " + DecimalText(data.speed, kTimeAndSpeedDecimals, language) + " kn \u00B7 "
                          + DecimalText(data.minutes, kTimeAndSpeedDecimals, language) + " min / 60 = "
                          + Miles(data.run, language));
    } else {
        w.data.push_back({run, Miles(data.run, language)});
    }
    const std::string d2 = "d\u2082";
    const std::string dt = italian ? "d traverso" : "d abeam";
    const std::string mt = italian ? "m al traverso" : "run to abeam";
    w.steps.push_back(d2 + " = " + run + "\u00B7sin \u03C1\u2081 / sin(\u03C1\u2082 \u2212 \u03C1\u2081) = "
                      + DecimalText(data.run, kMileDecimals, language) + " \u00B7 sin " + Arc(data.first) + " / sin "
                      + Arc(data.second - data.first) + " = " + at);
    w.steps.push_back(dt + " = " + d2 + "\u00B7sin \u03C1\u2082 = " + atFigure + " \u00B7 sin " + Arc(data.second)
                      + " = " + Miles(off.abeam, language));
    std::string toAbeam = mt + " = " + d2 + "\u00B7cos \u03C1\u2082 = " + atFigure + " \u00B7 cos " + Arc(data.second)
                          + " = " + SignedDecimalText(off.toAbeam, kMileDecimals, language) + " M";
    // Two decimals of a negative that rounds to zero read as abeam, not passed.
    const bool passed = SignedDecimalText(off.toAbeam, kMileDecimals, language).rfind(kMinus, 0) == 0;
    if (passed)
        toAbeam += Say(language, ": il traverso è già passato", ": abeam already passed");
    w.steps.push_back(toAbeam);
    switch (NamedRule(data.first, data.second)) {
    case DistanceOffRule::DoubledAngle:
        w.steps.push_back(Say(language, "Regola dell'angolo doppio: d\u2082 = m", "Doubled angle rule: d\u2082 = run"));
        break;
    case DistanceOffRule::FortyFiveAbeam:
        w.steps.push_back(Say(language, "Regola di 45° e traverso: d traverso = m", "45° and abeam rule: d abeam = run"));
        break;
    case DistanceOffRule::SevenTenths:
        w.steps.push_back(Say(language, "Regola di 22,5° e 45°: d traverso \u2248 7/10 di m",
                              "22.5° and 45° rule: d abeam \u2248 7/10 of the run"));
        break;
    case DistanceOffRule::None:
        break;
    }
    w.results = {{Say(language, "Distanza al 2° ril.", "Distance at 2nd"), at},
                 {Say(language, "Distanza al traverso", "Distance abeam"), Miles(off.abeam, language)},
                 {passed ? Say(language, "Traverso passato da", "Abeam passed")
                         : Say(language, "Cammino al traverso", "Run to abeam"),
                  Miles(std::abs(off.toAbeam), language)}};
    return w;
}

Worked WorkedRhumbBetween(GeoPosition from, GeoPosition to, const RhumbLeg& leg,
                          const std::optional<CourseConversion>& course, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string rv = italian ? "Rv" : "T";
    const std::string m = italian ? "m" : "dist";
    Worked w;
    w.source = Say(language, "Lossodromia", "Rhumb line");
    w.data = {{Say(language, "Partenza", "Start"), PositionText(from, language)},
              {Say(language, "Arrivo", "Arrival"), PositionText(to, language)}};
    AddDifferences(w, from, to, language);
    w.steps.push_back(rv + " = " + DirectionText(leg.course) + Ellipsoid(language));
    w.steps.push_back(m + " = " + Miles(leg.miles, language) + Ellipsoid(language));
    w.results = {{Say(language, "Rotta vera", "True course"), DirectionText(leg.course)},
                 {Say(language, "Distanza", "Distance"), Miles(leg.miles, language)}};
    if (course)
        AddConversion(w, *course, language);
    return w;
}

Worked WorkedRhumbArrival(GeoPosition from, Angle course, double miles, GeoPosition arrival,
                          const std::optional<CourseConversion>& conversion, Language language)
{
    const bool italian = language == Language::Italian;
    Worked w;
    w.source = Say(language, "Lossodromia", "Rhumb line");
    w.data = {{Say(language, "Partenza", "Start"), PositionText(from, language)},
              {italian ? "Rv" : "T", DirectionText(course)},
              {italian ? "m" : "dist", Miles(miles, language)}};
    w.steps.push_back(Say(language, "Arrivo = partenza + ", "Arrival = start + ") + Miles(miles, language)
                      + Say(language, " per ", " on ") + DirectionText(course) + Ellipsoid(language) + " = "
                      + PositionText(arrival, language));
    AddDifferences(w, from, arrival, language);
    w.results = {{Say(language, "Arrivo", "Arrival"), PositionText(arrival, language)}};
    if (conversion)
        AddConversion(w, *conversion, language);
    return w;
}

Worked WorkedPositionFromLight(GeoPosition light, Angle bearing, double miles, GeoPosition boat, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string rlv = italian ? "Rlv" : "Brg";
    const Angle reciprocal = NormalizeAngle(std::int64_t{bearing} + kHalfCircle);
    Worked w;
    w.source = Say(language, "Lossodromia", "Rhumb line");
    w.data = {{Say(language, "Faro", "Light"), PositionText(light, language)},
              {rlv, DirectionText(bearing)},
              {italian ? "m" : "dist", Miles(miles, language)}};
    w.steps.push_back(rlv + (bearing < kHalfCircle ? " + 180° = " : " \u2212 180° = ") + DirectionText(bearing)
                      + (bearing < kHalfCircle ? " + " : " \u2212 ") + "180° = " + DirectionText(reciprocal));
    w.steps.push_back(Say(language, "Nave = faro + ", "Ship = light + ") + Miles(miles, language)
                      + Say(language, " per ", " on ") + DirectionText(reciprocal) + Ellipsoid(language) + " = "
                      + PositionText(boat, language));
    AddDifferences(w, light, boat, language);
    w.results = {{Say(language, "Nave", "Ship"), PositionText(boat, language)}};
    return w;
}

Worked WorkedLightRange(double eye, double height, double nominal, Language language)
{
    const auto figure = [language](double x) { return DecimalText(x, kMileDecimals, language); };
    const auto metres = [language](double x) { return DecimalText(x, kHeightDecimals, language); };
    const double rootEye = std::sqrt(std::max(eye, 0.0));
    const double rootLight = std::sqrt(std::max(height, 0.0));
    const std::string k = DecimalText(kRangePerRootMetre, kMileDecimals, language);
    const double horizon = HorizonDistance(eye);
    const double geographic = GeographicRange(eye, height);
    const std::string pg = Say(language, "Pg", "Geo");

    Worked w;
    w.source = Say(language, "Fari", "Lights");
    w.data = {{"h", metres(eye) + " m"}, {"H", metres(height) + " m"}};
    if (nominal > 0)
        w.data.push_back({Say(language, "Pn", "Nom"), Miles(nominal, language)});
    w.steps.push_back("D = " + k + "\u00B7\u221Ah = " + k + "\u00B7\u221A" + metres(eye) + " = " + k
                      + "\u00B7" + figure(rootEye) + " = " + Miles(horizon, language));
    w.steps.push_back(pg + " = " + k + "\u00B7(\u221Ah + \u221AH) = " + k + "\u00B7(\u221A" + metres(eye) + " + \u221A"
                      + metres(height) + ") = " + k + "\u00B7(" + figure(rootEye) + " + " + figure(rootLight)
                      + ") = " + Miles(geographic, language));
    w.results = {{Say(language, "Distanza dell'orizzonte", "Distance of horizon"), Miles(horizon, language)},
                 {Say(language, "Portata geografica", "Geographic range"), Miles(geographic, language)}};
    if (nominal > 0) {
        const double seen = std::min(geographic, nominal);
        const std::string separator = language == Language::Italian ? "; " : ", ";
        w.steps.push_back(Say(language, "visibile da = min(Pg, Pn) = min(", "seen from = min(Geo, Nom) = min(")
                          + figure(geographic) + separator + figure(nominal) + ") = " + Miles(seen, language));
        w.results.push_back({Say(language, "Visibile da", "Seen from"), Miles(seen, language)});
    } else {
        w.results.push_back({Say(language, "Visibile da", "Seen from"), Miles(geographic, language)});
    }
    return w;
}

}  // namespace nav
