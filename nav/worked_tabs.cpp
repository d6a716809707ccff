#include "nav/worked_tabs.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>

namespace nav {

namespace {

using Wide = std::int64_t;

constexpr const char* kMinus = "\u2212";
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr Angle kHalfCircle = kFullCircle / 2;
constexpr int kMinutesPerHour = 60;
// Speeds, distances and vector components; litres as the fuel fields show
// them; a sine to four places; power, consumption and the like as typed.
constexpr int kKnotDecimals = 2;
constexpr int kLitreDecimals = 1;
constexpr int kSineDecimals = 4;
constexpr int kFigureDecimals = 3;
// Closer than this to a whole minute, a passage time is that minute (10 / 3 h is 200 min).
constexpr double kWholeMinute = 1e-6;

// An angle difference brought onto -180°..+180°.
Angle Turn(Wide a)
{
    const Angle n = NormalizeAngle(a);
    return n > kHalfCircle ? n - kFullCircle : n;
}

double Radians(Angle a)
{
    return a / double{kSecondsPerDegree} * kRadiansPerDegree;
}

// «180», «6,5»: no trailing zeros.
std::string Figure(double x, Language language)
{
    std::string text = DecimalText(x, kFigureDecimals, language);
    if (text.find_first_of(".,") == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.' || text.back() == ',')
        text.pop_back();
    return text;
}

std::string Knots(double x, Language language)
{
    return DecimalText(x, kKnotDecimals, language) + " kn";
}

std::string Litres(double x, Language language)
{
    return DecimalText(x, kLitreDecimals, language) + " l";
}

std::string HoursText(int minutes)
{
    return std::to_string(minutes) + "/" + std::to_string(kMinutesPerHour) + " h";
}

// «Pm = Pb + δ = 100° 00' + (−3° 00') = 097° 00'»
std::string CorrectionStep(std::string_view result, std::string_view from, std::string_view op,
                           std::string_view correction, Angle fromValue, const std::string& correctionText,
                           Angle resultValue)
{
    std::string step(result);
    step.append(" = ").append(from).append(" ").append(op).append(" ").append(correction);
    step.append(" = ").append(DirectionText(fromValue)).append(" ").append(op);
    step.append(" (").append(correctionText).append(") = ").append(DirectionText(resultValue));
    return step;
}

// The three names of a compass, magnetic and true direction and the two corrections.
struct Chain {
    const char* compass;
    const char* magnetic;
    const char* trueOne;
    const char* deviation;
    const char* declination;
};

constexpr Chain kHeadingsIt{"Pb", "Pm", "Pv", "δ", "d"};
constexpr Chain kHeadingsEn{"CH", "MH", "TH", "Dev", "Var"};
constexpr Chain kBearingsIt{"Rlb", "Rlm", "Rlv", "δ", "d"};
constexpr Chain kBearingsEn{"CB", "MB", "TB", "Dev", "Var"};

enum class From { Compass, Magnetic, True };

struct Directions {
    Angle compass;
    Angle magnetic;
    Angle trueOne;
};

// Compass to true adds the deviation, then the declination; true to compass
// takes them away in the other order.
void Correct(Worked& w, const Chain& c, From from, Directions d, Angle deviation, Angle declination,
             bool deviationGiven)
{
    const std::string dev = SignedText(deviation);
    const std::string decl = SidedText(static_cast<Angle>(-Wide{declination}));
    const auto plus = [](const char* n, Angle a) { return WorkedValue{n, DirectionText(a)}; };
    switch (from) {
    case From::Compass: w.data.push_back(plus(c.compass, d.compass)); break;
    case From::Magnetic: w.data.push_back(plus(c.magnetic, d.magnetic)); break;
    case From::True: w.data.push_back(plus(c.trueOne, d.trueOne)); break;
    }
    w.data.push_back({c.deviation, dev, deviationGiven ? Origin::User : Origin::Table});
    w.data.push_back({c.declination, decl, Origin::Declination});
    switch (from) {
    case From::Compass:
        w.steps.push_back(CorrectionStep(c.magnetic, c.compass, "+", c.deviation, d.compass, dev, d.magnetic));
        w.steps.push_back(CorrectionStep(c.trueOne, c.magnetic, "+", c.declination, d.magnetic, decl, d.trueOne));
        w.results = {plus(c.magnetic, d.magnetic), plus(c.trueOne, d.trueOne)};
        break;
    case From::Magnetic:
        w.steps.push_back(CorrectionStep(c.compass, c.magnetic, kMinus, c.deviation, d.magnetic, dev, d.compass));
        w.steps.push_back(CorrectionStep(c.trueOne, c.magnetic, "+", c.declination, d.magnetic, decl, d.trueOne));
        w.results = {plus(c.compass, d.compass), plus(c.trueOne, d.trueOne)};
        break;
    case From::True:
        w.steps.push_back(
            CorrectionStep(c.magnetic, c.trueOne, kMinus, c.declination, d.trueOne, decl, d.magnetic));
        w.steps.push_back(CorrectionStep(c.compass, c.magnetic, kMinus, c.deviation, d.magnetic, dev, d.compass));
        w.results = {plus(c.magnetic, d.magnetic), plus(c.compass, d.compass)};
        break;
    }
}

// The names of the current triangle, and of the functions in each language.
struct TriangleNames {
    const char* heading;
    const char* ownSpeed;
    const char* current;
    const char* currentSpeed;
    const char* course;
    const char* groundSpeed;
    const char* leeway;
    const char* waterTrack;
    const char* sine;
    const char* arcsine;
    const char* arctangent;
    // arctg(E / N) alone gives the direction only to within 180°.
    const char* inQuadrant;
};

constexpr TriangleNames kTriangleIt{"Pv", "Vp", "Dc", "Vc", "Rv", "Ve", "s", "Rs", "sen", "arcsen", "arctg",
                                     "nel quadrante di N ed E"};
constexpr TriangleNames kTriangleEn{"TH", "STW", "Set", "Drift", "COG", "SOG", "Lw", "WT", "sin", "arcsin", "arctan",
                                     "in the quadrant of N and E"};

struct Vector {
    double north = 0.0;
    double east = 0.0;
};

Vector Components(Angle direction, double speed)
{
    return {std::cos(Radians(direction)) * speed, std::sin(Radians(direction)) * speed};
}

class Triangle {
public:
    Triangle(Worked& w, const CurrentTriangle& t, Language language)
        : w_(w), t_(t), language_(language), n_(language == Language::Italian ? kTriangleIt : kTriangleEn)
    {
    }

    // «Rs = Pv + s = …»: the water track from the heading, or back.
    void WaterTrackFromHeading()
    {
        w_.steps.push_back(CorrectionStep(n_.waterTrack, n_.heading, "+", n_.leeway, t_.heading,
                                          SignedText(t_.leeway), WaterTrack(t_)));
    }
    void HeadingFromWaterTrack()
    {
        w_.steps.push_back(CorrectionStep(n_.heading, n_.waterTrack, kMinus, n_.leeway, WaterTrack(t_),
                                          SignedText(t_.leeway), t_.heading));
    }

    // «Vp: N = 6,50 × cos 184° 00' = −6,48 kn, E = 6,50 × sen 184° 00' = −0,45 kn»
    Vector Resolve(const char* name, Angle direction, double speed)
    {
        const Vector v = Components(direction, speed);
        const std::string s = DecimalText(speed, kKnotDecimals, language_);
        const std::string d = DirectionText(direction);
        w_.steps.push_back(std::string(name) + ": N = " + s + " × cos " + d + " = " + Signed(v.north)
                           + " kn, E = " + s + " × " + n_.sine + " " + d + " = " + Signed(v.east) + " kn");
        return v;
    }

    // «Ve = Vp + Vc: N = −6,48 + 0,00 = −6,48 kn, …», then its direction and length.
    void Combine(const char* result, const char* first, const char* second, int mode, Vector a, Vector b,
                 const char* directionName, Angle direction)
    {
        const Vector r{a.north + mode * b.north, a.east + mode * b.east};
        const auto term = [&](double x, double y, double sum) {
            const std::string folded = Signed(mode * y);
            const bool minus = folded.starts_with(kMinus);
            return Signed(x) + (minus ? " − " : " + ") + DecimalText(std::abs(y), kKnotDecimals, language_) + " = "
                   + Signed(sum) + " kn";
        };
        w_.steps.push_back(std::string(result) + " = " + first + (mode > 0 ? " + " : " − ") + second + ": N = "
                           + term(a.north, b.north, r.north) + ", E = " + term(a.east, b.east, r.east));
        w_.steps.push_back(std::string(directionName) + " = " + n_.arctangent + "(E / N) " + n_.inQuadrant + " = "
                           + DirectionText(direction));
        w_.steps.push_back(std::string(result) + " = √(N² + E²) = "
                           + Knots(std::hypot(r.north, r.east), language_));
    }

    // The course to steer: the angle off the course that cancels the
    // current's cross component, and the speed left along the course.
    void Steer(bool leeway)
    {
        const Angle drift = Turn(Wide{t_.current} - t_.course);
        const Angle water = WaterTrack(t_);
        const Angle alpha = Turn(Wide{water} - t_.course);
        const std::string cs(n_.current), cr(n_.course), fn(n_.sine);
        const std::string difference = cs + " " + kMinus + " " + cr;
        const std::string v = DecimalText(t_.ownSpeed, kKnotDecimals, language_);
        const std::string c = DecimalText(t_.currentSpeed, kKnotDecimals, language_);
        w_.steps.push_back(difference + " = " + DirectionText(t_.current) + " " + kMinus + " "
                           + DirectionText(t_.course) + " = " + SignedText(drift));
        const double sine = -t_.currentSpeed * std::sin(Radians(drift)) / t_.ownSpeed;
        w_.steps.push_back(fn + " α = " + kMinus + n_.currentSpeed + " × " + fn + "(" + difference + ") / "
                           + n_.ownSpeed + " = " + kMinus + c + " × " + fn + "(" + SignedText(drift) + ") / " + v
                           + " = " + SignedDecimalText(sine, kSineDecimals, language_));
        w_.steps.push_back(std::string("α = ") + n_.arcsine + "(" + SignedDecimalText(sine, kSineDecimals, language_)
                           + ") = " + SignedText(alpha));
        w_.steps.push_back(CorrectionStep(leeway ? n_.waterTrack : n_.heading, n_.course, "+", "α", t_.course,
                                          SignedText(alpha), water));
        w_.steps.push_back(std::string(n_.groundSpeed) + " = " + n_.ownSpeed + " × cos α + " + n_.currentSpeed
                           + " × cos(" + difference + ") = " + v + " × cos(" + SignedText(alpha) + ") + " + c
                           + " × cos(" + SignedText(drift) + ") = " + Knots(t_.groundSpeed, language_));
    }

    // With the leeway and no current: one speed is the other's.
    void SameSpeed(const CurrentFields& given)
    {
        if (given.ownSpeed)
            w_.steps.push_back(std::string(n_.groundSpeed) + " = " + n_.ownSpeed + " = " + Knots(t_.ownSpeed, language_));
        else if (given.groundSpeed)
            w_.steps.push_back(std::string(n_.ownSpeed) + " = " + n_.groundSpeed + " = "
                               + Knots(t_.groundSpeed, language_));
    }

    const TriangleNames& Names() const { return n_; }

private:
    std::string Signed(double x) const { return SignedDecimalText(x, kKnotDecimals, language_); }

    Worked& w_;
    const CurrentTriangle& t_;
    Language language_;
    const TriangleNames& n_;
};

}  // namespace

Worked WorkHeadings(const Headings& h, HeadingStart start, Angle declination, bool deviationGiven,
                    Language language)
{
    Worked w{Say(language, "Prore", "Headings"), {}, {}, {}};
    const From from = start == HeadingStart::Compass    ? From::Compass
                      : start == HeadingStart::Magnetic ? From::Magnetic
                                                        : From::True;
    Correct(w, language == Language::Italian ? kHeadingsIt : kHeadingsEn, from,
            {h.compass, h.magnetic, h.trueHeading}, h.deviation, declination, deviationGiven);
    return w;
}

Worked WorkBearing(const CompassBearing& b, BearingStart start, Angle declination, bool deviationGiven,
                   Language language)
{
    const bool italian = language == Language::Italian;
    Worked w{Say(language, "Vero e Bussola", "True and Compass"), {}, {}, {}};
    // The deviation is the one of the compass heading the bearing was taken on.
    w.data.push_back({italian ? "Pb" : "CH", DirectionText(b.heading)});
    const Angle magnetic = NormalizeAngle(Wide{b.compass} + b.deviation);
    Correct(w, italian ? kBearingsIt : kBearingsEn, start == BearingStart::Compass ? From::Compass : From::True,
            {b.compass, magnetic, b.trueBearing}, b.deviation, declination, deviationGiven);
    return w;
}

Worked WorkPolar(const PolarBearing& p, PolarMissing missing, PolarMode mode, Language language)
{
    const bool italian = language == Language::Italian;
    const char* heading = italian ? "Pv" : "TH";
    const char* bearing = italian ? "Rlv" : "TB";
    const char* relative = italian ? "Rlp" : "RB";
    const bool circular = mode == PolarMode::Circular;
    const std::string rel = circular ? DirectionText(NormalizeAngle(p.relative)) : SignedText(p.relative);
    // A signed relative bearing stands in brackets after its operator.
    const std::string relTerm = circular ? rel : "(" + rel + ")";
    const std::string pv = DirectionText(p.heading);
    const std::string rv = DirectionText(p.bearing);
    const auto name = [](const char* a, const char* op, const char* b) {
        return std::string(a) + " " + op + " " + b;
    };
    Worked w{Say(language, "Polari", "Relative"), {}, {}, {}};
    switch (missing) {
    case PolarMissing::Heading:
        w.data = {{bearing, rv}, {relative, rel}};
        w.steps.push_back(std::string(heading) + " = " + name(bearing, kMinus, relative) + " = " + rv + " " + kMinus
                          + " " + relTerm + " = " + pv);
        w.results = {{heading, pv}};
        break;
    case PolarMissing::Bearing:
        w.data = {{heading, pv}, {relative, rel}};
        w.steps.push_back(std::string(bearing) + " = " + name(heading, "+", relative) + " = " + pv + " + " + relTerm
                          + " = " + rv);
        w.results = {{bearing, rv}};
        break;
    case PolarMissing::Relative:
        w.data = {{heading, pv}, {bearing, rv}};
        w.steps.push_back(std::string(relative) + " = " + name(bearing, kMinus, heading) + " = " + rv + " " + kMinus
                          + " " + pv + " = " + rel);
        w.results = {{relative, rel}};
        break;
    case PolarMissing::Nothing: break;
    }
    return w;
}

Worked WorkCurrent(const CurrentTriangle& t, CurrentMissing missing, const CurrentFields& given,
                   Language language)
{
    Worked w{Say(language, "Correnti", "Currents"), {}, {}, {}};
    Triangle tri(w, t, language);
    const TriangleNames& n = tri.Names();
    const CurrentFields written = Written(missing, given);
    const auto list = [&](std::vector<WorkedValue>& to, const CurrentFields& f) {
        if (f.heading)
            to.push_back({n.heading, DirectionText(t.heading)});
        if (f.ownSpeed)
            to.push_back({n.ownSpeed, Knots(t.ownSpeed, language)});
        if (f.current)
            to.push_back({n.current, DirectionText(t.current)});
        if (f.currentSpeed)
            to.push_back({n.currentSpeed, Knots(t.currentSpeed, language)});
        if (f.course)
            to.push_back({n.course, DirectionText(t.course)});
        if (f.groundSpeed)
            to.push_back({n.groundSpeed, Knots(t.groundSpeed, language)});
        if (f.leeway)
            to.push_back({n.leeway, SignedText(t.leeway)});
    };
    CurrentFields data = given;
    data.heading &= !written.heading;
    data.ownSpeed &= !written.ownSpeed;
    data.current &= !written.current;
    data.currentSpeed &= !written.currentSpeed;
    data.course &= !written.course;
    data.groundSpeed &= !written.groundSpeed;
    list(w.data, data);
    list(w.results, written);

    const bool leeway = given.leeway;
    const char* motion = leeway ? n.waterTrack : n.heading;
    const Angle water = WaterTrack(t);
    switch (missing) {
    case CurrentMissing::Course: {
        if (leeway)
            tri.WaterTrackFromHeading();
        const Vector own = tri.Resolve(n.ownSpeed, water, t.ownSpeed);
        const Vector current = tri.Resolve(n.currentSpeed, t.current, t.currentSpeed);
        tri.Combine(n.groundSpeed, n.ownSpeed, n.currentSpeed, +1, own, current, n.course, t.course);
        break;
    }
    case CurrentMissing::Heading: {
        const Vector ground = tri.Resolve(n.groundSpeed, t.course, t.groundSpeed);
        const Vector current = tri.Resolve(n.currentSpeed, t.current, t.currentSpeed);
        tri.Combine(n.ownSpeed, n.groundSpeed, n.currentSpeed, -1, ground, current, motion, water);
        if (leeway)
            tri.HeadingFromWaterTrack();
        break;
    }
    case CurrentMissing::Current: {
        if (leeway)
            tri.WaterTrackFromHeading();
        const Vector ground = tri.Resolve(n.groundSpeed, t.course, t.groundSpeed);
        const Vector own = tri.Resolve(n.ownSpeed, water, t.ownSpeed);
        tri.Combine(n.currentSpeed, n.groundSpeed, n.ownSpeed, -1, ground, own, n.current, t.current);
        break;
    }
    case CurrentMissing::CourseToSteer:
        tri.Steer(leeway);
        if (leeway)
            tri.HeadingFromWaterTrack();
        break;
    case CurrentMissing::LeewayCourse:
        w.steps.push_back(CorrectionStep(n.course, n.heading, "+", n.leeway, t.heading, SignedText(t.leeway), t.course));
        tri.SameSpeed(given);
        break;
    case CurrentMissing::LeewayHeading:
        w.steps.push_back(
            CorrectionStep(n.heading, n.course, kMinus, n.leeway, t.course, SignedText(t.leeway), t.heading));
        tri.SameSpeed(given);
        break;
    case CurrentMissing::TooStrong:
    case CurrentMissing::Nothing: break;
    }
    return w;
}

namespace {

struct PassageNames {
    const char* distance;
    const char* speed;
    const char* miles;
    const char* departure;
    const char* arrival;
    const char* day;
};

constexpr PassageNames kPassageIt{"C", "Vm", "M", "Partenza", "Arrivo", "g"};
constexpr PassageNames kPassageEn{"D", "V", "M", "Departure", "Arrival", "d"};

const PassageNames& Passage(Language language)
{
    return language == Language::Italian ? kPassageIt : kPassageEn;
}

std::string Miles(double x, Language language)
{
    return DecimalText(x, kKnotDecimals, language) + " " + Passage(language).miles;
}

Worked Endurance(Language language)
{
    return {Say(language, "Autonomia", "Endurance"), {}, {}, {}};
}

}  // namespace

Worked WorkDistance(double speed, int minutes, double distance, Language language)
{
    const PassageNames& n = Passage(language);
    Worked w = Endurance(language);
    w.data = {{n.speed, Knots(speed, language)}, {"t", FormatHoursMinutes(minutes)}};
    w.steps.push_back(std::string(n.distance) + " = " + n.speed + " × t = " + Knots(speed, language) + " × "
                      + HoursText(minutes) + " = " + Miles(distance, language));
    w.results = {{n.distance, Miles(distance, language)}};
    return w;
}

Worked WorkMeanSpeed(double distance, int minutes, double speed, Language language)
{
    const PassageNames& n = Passage(language);
    Worked w = Endurance(language);
    w.data = {{n.distance, Miles(distance, language)}, {"t", FormatHoursMinutes(minutes)}};
    w.steps.push_back(std::string(n.speed) + " = " + n.distance + " / t = " + Miles(distance, language) + " / ("
                      + HoursText(minutes) + ") = " + Knots(speed, language));
    w.results = {{n.speed, Knots(speed, language)}};
    return w;
}

Worked WorkTravelTime(double distance, double speed, int minutes, int departure, Language language)
{
    const PassageNames& n = Passage(language);
    Worked w = Endurance(language);
    w.data = {{n.distance, Miles(distance, language)},
              {n.speed, Knots(speed, language)},
              {n.departure, FormatHoursMinutes(departure)}};
    const double hours = distance / speed;
    // The time entry holds whole minutes.
    const bool whole = std::abs(hours * kMinutesPerHour - minutes) < kWholeMinute;
    w.steps.push_back(std::string("t = ") + n.distance + " / " + n.speed + " = " + Miles(distance, language) + " / "
                      + Knots(speed, language) + " = " + DecimalText(hours, kKnotDecimals, language) + " h "
                      + (whole ? "=" : "≈") + " " + std::to_string(minutes) + " min = " + FormatHoursMinutes(minutes));
    const ArrivalTime arrival = Arrival(departure, minutes);
    std::string at = FormatHoursMinutes(arrival.minuteOfDay);
    if (arrival.days > 0)
        at += " +" + std::to_string(arrival.days) + n.day;
    w.steps.push_back(std::string(n.arrival) + " = " + n.departure + " + t = " + FormatHoursMinutes(departure) + " + "
                      + FormatHoursMinutes(minutes) + " = " + at);
    w.results = {{"t", FormatHoursMinutes(minutes)}, {n.arrival, at}};
    return w;
}

namespace {

struct FuelNames {
    const char* consumption;
    const char* fuel;
};

constexpr FuelNames kFuelIt{"Cs", "L"};
constexpr FuelNames kFuelEn{"SFC", "F"};
// The reserve factor is written to one place: «1,3».
constexpr int kFactorDecimals = 1;

// «L +30 %»: the fuel with the reserve the factor adds.
std::string ReserveName(const FuelNames& n)
{
    constexpr double kPercent = 100.0;
    return std::string(n.fuel) + " +" + std::to_string(std::lround((kReserveFactor - 1.0) * kPercent)) + " %";
}

const FuelNames& Fuel(Language language)
{
    return language == Language::Italian ? kFuelIt : kFuelEn;
}

std::string Power(double x, Language language)
{
    return Figure(x, language) + " HP";
}

std::string Consumption(double x, Language language)
{
    return Figure(x, language) + " g/HP/h";
}

std::string Density(int gramsPerLitre)
{
    return std::to_string(gramsPerLitre) + " g/l";
}

std::string PerHour(double x, Language language)
{
    return DecimalText(x, kKnotDecimals, language) + " l/h";
}

// «l/h = P × Cs / ρ = 100 HP × 180 g/HP/h / 833 g/l = 21,61 l/h»
void DeriveLitres(Worked& w, const FuelData& f, double litresPerHour, Language language)
{
    const FuelNames& n = Fuel(language);
    w.data.push_back({"P", Power(f.power, language)});
    w.data.push_back({n.consumption, Consumption(f.consumption, language)});
    w.data.push_back({"ρ", Density(f.gramsPerLitre)});
    w.steps.push_back(std::string("l/h = P × ") + n.consumption + " / ρ = " + Power(f.power, language) + " × "
                      + Consumption(f.consumption, language) + " / " + Density(f.gramsPerLitre) + " = "
                      + PerHour(litresPerHour, language));
}

}  // namespace

Worked WorkLitresPerHour(const FuelData& f, double litresPerHour, Language language)
{
    Worked w = Endurance(language);
    DeriveLitres(w, f, litresPerHour, language);
    w.results = {{"l/h", PerHour(litresPerHour, language)}};
    return w;
}

Worked WorkFuel(const FuelData& f, double fuel, double reserve, Language language)
{
    const FuelNames& n = Fuel(language);
    Worked w = Endurance(language);
    double litresPerHour = 0.0;
    if (f.litresPerHour) {
        litresPerHour = *f.litresPerHour;
        w.data.push_back({"l/h", PerHour(litresPerHour, language)});
    } else {
        litresPerHour = nav::LitresPerHour(f.power, f.consumption, f.gramsPerLitre);
        DeriveLitres(w, f, litresPerHour, language);
    }
    w.data.push_back({"t", FormatHoursMinutes(f.minutes)});
    w.steps.push_back(std::string(n.fuel) + " = l/h × t = " + PerHour(litresPerHour, language) + " × "
                      + HoursText(f.minutes) + " = " + Litres(fuel, language));
    w.steps.push_back(ReserveName(n) + " = " + n.fuel + " × " + DecimalText(kReserveFactor, kFactorDecimals, language)
                      + " = " + Litres(fuel, language) + " × " + DecimalText(kReserveFactor, kFactorDecimals, language) + " = "
                      + Litres(reserve, language));
    w.results = {{n.fuel, Litres(fuel, language)}, {ReserveName(n), Litres(reserve, language)}};
    return w;
}

Worked WorkFuelFactor(FuelUnknown solved, const FuelData& f, double fuel, double value, Language language)
{
    const FuelNames& n = Fuel(language);
    const bool power = solved == FuelUnknown::Power;
    const std::string name = power ? "P" : n.consumption;
    const std::string otherName = power ? n.consumption : "P";
    const std::string other = power ? Consumption(f.consumption, language) : Power(f.power, language);
    const std::string result = power ? Power(value, language) : Consumption(value, language);
    Worked w = Endurance(language);
    w.data = {{n.fuel, Litres(fuel, language)},
              {otherName, other},
              {"ρ", Density(f.gramsPerLitre)},
              {"t", FormatHoursMinutes(f.minutes)}};
    w.steps.push_back(name + " = " + n.fuel + " × ρ / (" + otherName + " × t) = " + Litres(fuel, language) + " × "
                      + Density(f.gramsPerLitre) + " / (" + other + " × " + HoursText(f.minutes) + ") = " + result);
    w.results = {{name, result}};
    return w;
}

}  // namespace nav
