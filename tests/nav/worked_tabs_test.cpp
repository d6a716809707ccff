#include "nav/worked_tabs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;
constexpr auto kIt = nav::Language::Italian;
constexpr auto kEn = nav::Language::English;

using Lines = std::vector<std::string>;

// The data as the log lists them, each with its origin.
Lines Data(const nav::Worked& w, nav::Language language)
{
    Lines lines;
    for (const auto& v : w.data)
        lines.push_back(v.name + " " + v.value + " " + nav::OriginText(v.origin, language));
    return lines;
}

// The triangle SolveCurrent leaves, and its steps.
Lines Current(nav::CurrentFields given, nav::CurrentTriangle t, nav::Language language)
{
    nav::VectorCombination work;
    const nav::CurrentMissing missing = nav::SolveCurrent(given, t, work);
    return nav::WorkCurrent(t, missing, given, language).steps;
}

}  // namespace

struct StepsCase {
    const char* what;
    std::function<Lines()> lines;
    Lines expected;
};

class WorkedStepsTest : public testing::TestWithParam<StepsCase> {};

TEST_P(WorkedStepsTest, WritesTheLines)
{
    EXPECT_EQ(GetParam().lines(), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedStepsTest,
    testing::Values(
        StepsCase{"text helpers",
                  [] {
                      return Lines{nav::SignedText(-30 * kMin), nav::SignedText(-30), nav::SignedText(0),
                                   nav::SidedText(0), nav::SidedText(90), nav::DirectionText(94 * kDeg + 44 * kMin + 22),
                                   nav::DirectionText(97 * kDeg), nav::SignedDecimalText(-0.004, 2, kIt),
                                   nav::SignedDecimalText(-6.484, 2, kIt), nav::SignedDecimalText(1.5466, 2, kEn)};
                  },
                  {"\u22120° 30'", "\u22120° 00' 30\"", "0° 00'", "0° 00'", "+0° 01' 30\" E", "094° 44' 22\"",
                   "097° 00'", "0,00", "\u22126,48", "+1.55"}},
        // Compass to true with the table's deviation and 2° 16' W.
        StepsCase{"Pb to Pv",
                  [] {
                      const nav::Headings h{100 * kDeg, 97 * kDeg, 94 * kDeg + 44 * kMin, -3 * kDeg};
                      const auto w = nav::WorkHeadings(h, nav::HeadingStart::Compass, 2 * kDeg + 16 * kMin, false, kIt);
                      Lines lines = Data(w, kIt);
                      lines.insert(lines.end(), w.steps.begin(), w.steps.end());
                      return lines;
                  },
                  {"Pb 100° 00' dato", "δ \u22123° 00' tabella", "d \u22122° 16' W declinazione",
                   "Pm = Pb + δ = 100° 00' + (\u22123° 00') = 097° 00'",
                   "Pv = Pm + d = 097° 00' + (\u22122° 16' W) = 094° 44'"}},
        // True to compass across north, 2° 48' E and a deviation the problem gives.
        StepsCase{"Pv to Pb",
                  [] {
                      const nav::Headings h{2 * kDeg + 24 * kMin, 357 * kDeg + 12 * kMin, 0, -(5 * kDeg + 12 * kMin)};
                      const auto w = nav::WorkHeadings(h, nav::HeadingStart::True, -(2 * kDeg + 48 * kMin), true, kIt);
                      Lines lines = Data(w, kIt);
                      lines.insert(lines.end(), w.steps.begin(), w.steps.end());
                      return lines;
                  },
                  {"Pv 000° 00' dato", "δ \u22125° 12' dato", "d +2° 48' E declinazione",
                   "Pm = Pv \u2212 d = 000° 00' \u2212 (+2° 48' E) = 357° 12'",
                   "Pb = Pm \u2212 δ = 357° 12' \u2212 (\u22125° 12') = 002° 24'"}},
        StepsCase{"MH to CH and TH",
                  [] {
                      const nav::Headings h{100 * kDeg, 101 * kDeg + 30 * kMin, 99 * kDeg + 30 * kMin, 90 * kMin};
                      return nav::WorkHeadings(h, nav::HeadingStart::Magnetic, 2 * kDeg, false, kEn).steps;
                  },
                  {"CH = MH \u2212 Dev = 101° 30' \u2212 (+1° 30') = 100° 00'",
                   "TH = MH + Var = 101° 30' + (\u22122° 00' W) = 099° 30'"}},
        // The deviation is the heading's, listed after it.
        StepsCase{"Rlb to Rlv",
                  [] {
                      const nav::CompassBearing b{45 * kDeg, 120 * kDeg, 121 * kDeg, 2 * kDeg};
                      const auto w = nav::WorkBearing(b, nav::BearingStart::Compass, 1 * kDeg, false, kIt);
                      Lines lines = Data(w, kIt);
                      lines.insert(lines.end(), w.steps.begin(), w.steps.end());
                      return lines;
                  },
                  {"Pb 045° 00' dato", "Rlb 120° 00' dato", "δ +2° 00' tabella", "d \u22121° 00' W declinazione",
                   "Rlm = Rlb + δ = 120° 00' + (+2° 00') = 122° 00'",
                   "Rlv = Rlm + d = 122° 00' + (\u22121° 00' W) = 121° 00'"}},
        StepsCase{"TB to CB",
                  [] {
                      const nav::CompassBearing b{200 * kDeg, 9 * kDeg, 10 * kDeg, -3 * kDeg};
                      return nav::WorkBearing(b, nav::BearingStart::True, -4 * kDeg, true, kEn).steps;
                  },
                  {"MB = TB \u2212 Var = 010° 00' \u2212 (+4° 00' E) = 006° 00'",
                   "CB = MB \u2212 Dev = 006° 00' \u2212 (\u22123° 00') = 009° 00'"}},
        StepsCase{"Rlv, to port",
                  [] {
                      return nav::WorkPolar({100 * kDeg, 70 * kDeg, -30 * kDeg}, nav::PolarMissing::Bearing,
                                            nav::PolarMode::Port, kIt)
                          .steps;
                  },
                  {"Rlv = Pv + Rlp = 100° 00' + (\u221230° 00') = 070° 00'"}},
        StepsCase{"Rlp, circular",
                  [] {
                      return nav::WorkPolar({100 * kDeg, 70 * kDeg, 330 * kDeg}, nav::PolarMissing::Relative,
                                            nav::PolarMode::Circular, kIt)
                          .steps;
                  },
                  {"Rlp = Rlv \u2212 Pv = 070° 00' \u2212 100° 00' = 330° 00'"}},
        StepsCase{"TH, to starboard",
                  [] {
                      return nav::WorkPolar({330 * kDeg, 10 * kDeg, 40 * kDeg}, nav::PolarMissing::Heading,
                                            nav::PolarMode::Starboard, kEn)
                          .steps;
                  },
                  {"TH = TB \u2212 RB = 010° 00' \u2212 (+40° 00') = 330° 00'"}},
        // Heading 186 with 2° of leeway to port: the water track 184 meets the current.
        StepsCase{"Rv, Ve with leeway",
                  [] {
                      return Current({true, true, true, true, false, false, true},
                                     {186 * kDeg, 6.5, 90 * kDeg, 2.0, 0, 0.0, -2 * kDeg}, kIt);
                  },
                  {"Rs = Pv + s = 186° 00' + (\u22122° 00') = 184° 00'",
                   "Vp: N = 6,50 × cos 184° 00' = \u22126,48 kn, E = 6,50 × sen 184° 00' = \u22120,45 kn",
                   "Vc: N = 2,00 × cos 090° 00' = 0,00 kn, E = 2,00 × sen 090° 00' = +2,00 kn",
                   "Ve = Vp + Vc: N = \u22126,48 + 0,00 = \u22126,48 kn, E = \u22120,45 + 2,00 = +1,55 kn",
                   "Rv = arctg(E / N) nel quadrante di N ed E = 166° 35' 05\"", "Ve = √(N² + E²) = 6,67 kn"}},
        StepsCase{"Set and drift",
                  [] {
                      return Current({true, true, false, false, true, true, false},
                                     {0, 5.0, 0, 0.0, 90 * kDeg, 5.0, 0}, kEn);
                  },
                  {"SOG: N = 5.00 × cos 090° 00' = 0.00 kn, E = 5.00 × sin 090° 00' = +5.00 kn",
                   "STW: N = 5.00 × cos 000° 00' = +5.00 kn, E = 5.00 × sin 000° 00' = 0.00 kn",
                   "Drift = SOG \u2212 STW: N = 0.00 \u2212 5.00 = \u22125.00 kn, E = +5.00 + 0.00 = +5.00 kn",
                   "Set = arctan(E / N) in the quadrant of N and E = 135° 00'", "Drift = √(N² + E²) = 7.07 kn"}},
        StepsCase{"Course to steer",
                  [] {
                      return Current({false, true, true, true, true, false, false},
                                     {0, 6.5, 90 * kDeg, 2.0, 45 * kDeg, 0.0, 0}, kIt);
                  },
                  {"Dc \u2212 Rv = 090° 00' \u2212 045° 00' = +45° 00'",
                   "sen α = \u2212Vc × sen(Dc \u2212 Rv) / Vp = \u22122,00 × sen(+45° 00') / 6,50 = \u22120,2176",
                   "α = arcsen(\u22120,2176) = \u221212° 33' 59\"",
                   "Pv = Rv + α = 045° 00' + (\u221212° 33' 59\") = 032° 26' 01\"",
                   "Ve = Vp × cos α + Vc × cos(Dc \u2212 Rv) = 6,50 × cos(\u221212° 33' 59\") + 2,00 × cos(+45° 00') "
                   "= 7,76 kn"}},
        StepsCase{"Leeway alone",
                  [] {
                      return Current({true, true, false, false, false, false, true},
                                     {186 * kDeg, 6.5, 0, 0.0, 0, 0.0, -2 * kDeg}, kIt);
                  },
                  {"Rv = Pv + s = 186° 00' + (\u22122° 00') = 184° 00'", "Ve = Vp = 6,50 kn"}},
        StepsCase{"Distance", [] { return nav::WorkDistance(6.5, 150, 16.25, kIt).steps; },
                  {"C = Vm × t = 6,50 kn × 150/60 h = 16,25 M"}},
        // Ten miles at 3 knots is 200 minutes to the digit; the arrival passes midnight.
        StepsCase{"Time and arrival", [] { return nav::WorkTravelTime(10.0, 3.0, 200, 22 * 60 + 30, kIt).steps; },
                  {"t = C / Vm = 10,00 M / 3,00 kn = 3,33 h = 200 min = 03:20",
                   "Arrivo = Partenza + t = 22:30 + 03:20 = 01:50 +1g"}},
        StepsCase{"Time rounded", [] { return nav::WorkTravelTime(10.0, 4.5, 133, 0, kEn).steps; },
                  {"t = D / V = 10.00 M / 4.50 kn = 2.22 h ≈ 133 min = 02:13",
                   "Arrival = Departure + t = 00:00 + 02:13 = 02:13"}},
        StepsCase{"Fuel",
                  [] {
                      const nav::FuelData f{100.0, 180.0, nav::kDieselGramsPerLitre, std::nullopt, 150};
                      return nav::WorkFuel(f, 54.02, 70.2, kIt).steps;
                  },
                  {"l/h = P × Cs / ρ = 100 HP × 180 g/HP/h / 833 g/l = 21,61 l/h",
                   "L = l/h × t = 21,61 l/h × 150/60 h = 54,0 l", "L +30 % = L × 1,3 = 54,0 l × 1,3 = 70,2 l"}},
        StepsCase{"Power",
                  [] {
                      const nav::FuelData f{0.0, 180.0, nav::kDieselGramsPerLitre, std::nullopt, 150};
                      return nav::WorkFuelFactor(nav::FuelUnknown::Power, f, 54.0, 99.96, kEn).steps;
                  },
                  {"P = F × ρ / (SFC × t) = 54.0 l × 833 g/l / (180 g/HP/h × 150/60 h) = 99.96 HP"}}));
