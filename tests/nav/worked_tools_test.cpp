#include "nav/worked_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;
constexpr auto kIt = nav::Language::Italian;
constexpr auto kEn = nav::Language::English;

nav::Angle Declination(const nav::ChartDeclination& chart)
{
    return nav::ComputeDeclination(chart).value_or(0);
}

// A swing whose only deviation is +0,8° on north: A = 0,1°, C = E = 0,2°.
std::vector<nav::DeviationRow> OneDeviationOnNorth()
{
    std::vector<nav::DeviationRow> rows;
    for (int h = 0; h < 360; h += 45)
        rows.push_back({double(h), h == 0 ? 0.8 : 0.0, 0.0});
    return rows;
}

nav::Worked Swing(nav::Language language)
{
    const auto rows = OneDeviationOnNorth();
    return nav::WorkedCompassSwing(rows, *nav::FitDeviation(rows).fit, language);
}

const nav::GeoPosition kStart{42.5, 10 + 18.5 / 60};
const nav::GeoPosition kArrival{42.57, 10 + 25.0 / 60};
const nav::Angle kLegCourse = 48 * kDeg + 51 * kMin + 23;

}  // namespace

struct WorkedCase {
    const char* name;
    std::function<nav::Worked()> work;
    std::vector<std::string> steps;
    std::vector<nav::WorkedValue> results;
    std::vector<nav::WorkedValue> lastData = {};  // the last values of the data, when they matter
};

class WorkedToolsTest : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedToolsTest, StepsAndResults)
{
    const nav::Worked w = GetParam().work();
    EXPECT_EQ(w.steps, GetParam().steps);
    EXPECT_EQ(w.results, GetParam().results);
    const auto& tail = GetParam().lastData;
    ASSERT_GE(w.data.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), w.data.end() - std::ptrdiff_t(tail.size())));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedToolsTest,
    testing::Values(
        WorkedCase{"DistanceOffDoubledAngle",
                   [] {
                       const auto off = *nav::DistanceOffFromBearings(30 * kDeg, 60 * kDeg, 3);
                       return nav::WorkedDistanceOff({30 * kDeg, 60 * kDeg, 3}, off, kIt);
                   },
                   {"d₂ = m·sin ρ₁ / sin(ρ₂ − ρ₁) = 3,00 · sin 30° 00' / sin 30° 00' = 3,00 M",
                    "d traverso = d₂·sin ρ₂ = 3,00 · sin 60° 00' = 2,60 M",
                    "m al traverso = d₂·cos ρ₂ = 3,00 · cos 60° 00' = +1,50 M",
                    "Regola dell'angolo doppio: d₂ = m"},
                   {{"Distanza al 2° ril.", "3,00 M"}, {"Distanza al traverso", "2,60 M"},
                    {"Cammino al traverso", "1,50 M"}}},
        WorkedCase{"DistanceOffTimedAndPassed",
                   [] {
                       const auto off = *nav::DistanceOffFromBearings(60 * kDeg, 120 * kDeg, 3);
                       return nav::WorkedDistanceOff({60 * kDeg, 120 * kDeg, 3, true, 30, 6}, off, kIt);
                   },
                   {"m = v·t = 6,0 kn · 30,0 min / 60 = 3,00 M",
                    "d₂ = m·sin ρ₁ / sin(ρ₂ − ρ₁) = 3,00 · sin 60° 00' / sin 60° 00' = 3,00 M",
                    "d traverso = d₂·sin ρ₂ = 3,00 · sin 120° 00' = 2,60 M",
                    "m al traverso = d₂·cos ρ₂ = 3,00 · cos 120° 00' = −1,50 M: il traverso è già passato",
                    "Regola dell'angolo doppio: d₂ = m"},
                   {{"Distanza al 2° ril.", "3,00 M"}, {"Distanza al traverso", "2,60 M"},
                    {"Traverso passato da", "1,50 M"}},
                   {{"t", "30,0 min"}, {"v", "6,0 kn"}}},
        WorkedCase{"GpsSwingRowWithWestDeclination",
                   [] {
                       nav::GpsSwingResult r{nav::GpsSwingRefusal::None, nav::SwingHeadingSource::Hdg, 30, 60,
                                             2 * kDeg, 45.3, 45, 47, 1.7, 0.8, 1.2, 5};
                       return nav::WorkedGpsSwing(r, kIt);
                   },
                   {"Pb = media di 30 prore, scarto massimo 0,8°", "Rv = media di 60 rotte, scarto massimo 1,2°",
                    "Rm = Rv − d = 045° − (−2° 00' W) = 047°", "δ = Rm − Pb = 047° − 45,3° = +1,7°"},
                   {{"δ Pb 45,3°", "+1,7°"}},
                   {{"d", "−2° 00' W", nav::Origin::Declination}}},
        WorkedCase{"LightBelowItsNominalRange",
                   [] { return nav::WorkedLightRange(3, 42, 18, kIt); },
                   {"D = 2,08·√h = 2,08·√3,0 = 2,08·1,73 = 3,60 M",
                    "Pg = 2,08·(√h + √H) = 2,08·(√3,0 + √42,0) = 2,08·(1,73 + 6,48) = 17,08 M",
                    "visibile da = min(Pg, Pn) = min(17,08; 18,00) = 17,08 M"},
                   {{"Distanza dell'orizzonte", "3,60 M"}, {"Portata geografica", "17,08 M"},
                    {"Visibile da", "17,08 M"}}},
        WorkedCase{"LightLimitedByItsPowerInEnglish",
                   [] { return nav::WorkedLightRange(4, 25, 10, kEn); },
                   {"D = 2.08·√h = 2.08·√4.0 = 2.08·2.00 = 4.16 M",
                    "Geo = 2.08·(√h + √H) = 2.08·(√4.0 + √25.0) = 2.08·(2.00 + 5.00) = 14.56 M",
                    "seen from = min(Geo, Nom) = min(14.56, 10.00) = 10.00 M"},
                   {{"Distance of horizon", "4.16 M"}, {"Geographic range", "14.56 M"}, {"Seen from", "10.00 M"}}},
        WorkedCase{"ChartDeclinationCrossingToEast",
                   [] {
                       const nav::ChartDeclination chart{1985, 2026, 1 * kDeg, +1, 4 * kMin, -1};
                       return nav::WorkedChartDeclination(chart, Declination(chart), kIt);
                   },
                   {"anno − anno carta = 2026 − 1985 = 41", "Δd·(anno − anno carta) = (+0° 04' E)·41 = +2° 44' E",
                    "d = d₀ + Δd·(anno − anno carta) = −1° 00' W + (+2° 44' E) = +1° 44' E"},
                   {{"d", "1° 44' E"}},
                   {{"d₀", "1° 00' W"}, {"Δd", "0° 04' E all'anno"}}},
        WorkedCase{"ChartDeclinationBeforeTheChartYear",
                   [] {
                       const nav::ChartDeclination chart{2020, 2015, 2 * kDeg, -1, 6 * kMin, +1};
                       return nav::WorkedChartDeclination(chart, Declination(chart), kIt);
                   },
                   {"anno − anno carta = 2015 − 2020 = −5", "Δd·(anno − anno carta) = (+0° 06' E)·(−5) = −0° 30' W",
                    "d = d₀ + Δd·(anno − anno carta) = +2° 00' E + (−0° 30' W) = +1° 30' E"},
                   {{"d", "1° 30' E"}}},
        WorkedCase{"ChartDeclinationOfThisYearInEnglish",
                   [] {
                       const nav::ChartDeclination chart{2026, 2026, 3 * kDeg, +1, 0, +1};
                       return nav::WorkedChartDeclination(chart, Declination(chart), kEn);
                   },
                   {"year − chart year = 2026 − 2026 = 0", "ΔVar·(year − chart year) = (0° 00')·0 = 0° 00'",
                    "Var = Var₀ + ΔVar·(year − chart year) = −3° 00' W + (0° 00') = −3° 00' W"},
                   {{"Var", "3° 00' W"}}},
        WorkedCase{"ModelDeclination",
                   [] {
                       const nav::ChartDeclination chart{2026, 2026, 2 * kDeg + 51 * kMin, -1, 7 * kMin, +1};
                       return nav::WorkedModelDeclination({44.4, 8 + 56.0 / 60}, "2026-03-01", chart, kIt);
                   },
                   {"d = WMM2025(φ, λ, data) = +2° 51' E, al primo intero",
                    "Δd = WMM2025(φ, λ, data) = +0° 07' E all'anno, al primo intero"},
                   {{"d", "2° 51' E"}, {"Δd", "0° 07' E all'anno"}},
                   {{"Posizione", "44° 24,00' N  008° 56,00' E"}, {"Data", "2026-03-01"}}},
        WorkedCase{"CompassSwingWithOneDeviation",
                   [] { return Swing(kIt); },
                   {"δ = A + B·sin Pb + C·cos Pb + D·sin 2Pb + E·cos 2Pb, minimi quadrati su 8 prore",
                    "δ = +0,1° + (0,0°)·sin Pb + (+0,2°)·cos Pb + (0,0°)·sin 2Pb + (+0,2°)·cos 2Pb",
                    "Pb 000°: osservata +0,8°, curva +0,5°, scarto +0,3°",
                    "Pb 045°: osservata 0,0°, curva +0,2°, scarto −0,2°",
                    "Pb 090°: osservata 0,0°, curva −0,1°, scarto +0,1°",
                    "Pb 135°: osservata 0,0°, curva 0,0°, scarto 0,0°",
                    "Pb 180°: osservata 0,0°, curva +0,1°, scarto −0,1°",
                    "Pb 225°: osservata 0,0°, curva 0,0°, scarto 0,0°",
                    "Pb 270°: osservata 0,0°, curva −0,1°, scarto +0,1°",
                    "Pb 315°: osservata 0,0°, curva +0,2°, scarto −0,2°",
                    "scarto quadratico medio = √(Σ scarto² / 8) = 0,17°"},
                   {{"A", "+0,1°"}, {"B", "0,0°"}, {"C", "+0,2°"}, {"D", "0,0°"}, {"E", "+0,2°"},
                    {"scarto quadratico medio", "0,17°"}},
                   {{"δ Pb 315°", "0,0°"}}},
        WorkedCase{"RhumbLineAsMagneticAndCompass",
                   [] {
                       const nav::Headings h{kLegCourse + 2 * kDeg + 16 * kMin - 90 * kMin, kLegCourse + 2 * kDeg + 16 * kMin,
                                             kLegCourse, 90 * kMin};
                       return nav::WorkedRhumbBetween(kStart, kArrival, nav::RhumbBetween(kStart, kArrival),
                                                      nav::CourseConversion{kLegCourse, h}, kIt);
                   },
                   {"Δφ = φ₂ − φ₁ = 42° 34,20' N − 42° 30,00' N = 0° 04,20' N",
                    "Δλ = λ₂ − λ₁ = 010° 25,00' E − 010° 18,50' E = 0° 06,50' E",
                    "Rv = 048° 51' 23\" (lossodromia sull'ellissoide WGS84)",
                    "m = 6,38 M (lossodromia sull'ellissoide WGS84)",
                    "Rm = Rv − d = 048° 51' 23\" − (−2° 16' W) = 051° 07' 23\"",
                    "Rb = Rm − δ = 051° 07' 23\" − (+1° 30') = 049° 37' 23\""},
                   {{"Rotta vera", "048° 51' 23\""}, {"Distanza", "6,38 M"}, {"Rotta magnetica", "051° 07' 23\""},
                    {"Rotta bussola", "049° 37' 23\""}},
                   {{"d", "−2° 16' W", nav::Origin::Declination}, {"δ", "+1° 30'", nav::Origin::Table}}},
        WorkedCase{"RhumbLineAcrossTheAntimeridianInEnglish",
                   [] {
                       const nav::GeoPosition from{-10, 179.5};
                       const nav::GeoPosition to{-10, -179.5};
                       return nav::WorkedRhumbBetween(from, to, nav::RhumbBetween(from, to), std::nullopt, kEn);
                   },
                   {"Δφ = φ₂ − φ₁ = 10° 00.00' S − 10° 00.00' S = 0° 00.00'",
                    "Δλ = λ₂ − λ₁ = 179° 30.00' W − 179° 30.00' E = 1° 00.00' E",
                    "T = 090° 00' (rhumb line on the WGS84 ellipsoid)", "dist = 59.20 M (rhumb line on the WGS84 ellipsoid)"},
                   {{"True course", "090° 00'"}, {"Distance", "59.20 M"}}},
        WorkedCase{"RhumbArrival",
                   [] {
                       const auto arrival = *nav::RhumbDestination(kStart, kLegCourse, 6.38);
                       return nav::WorkedRhumbArrival(kStart, kLegCourse, 6.38, arrival, std::nullopt, kIt);
                   },
                   {"Arrivo = partenza + 6,38 M per 048° 51' 23\" (lossodromia sull'ellissoide WGS84) = "
                    "42° 34,20' N  010° 25,00' E",
                    "Δφ = φ₂ − φ₁ = 42° 34,20' N − 42° 30,00' N = 0° 04,20' N",
                    "Δλ = λ₂ − λ₁ = 010° 25,00' E − 010° 18,50' E = 0° 06,50' E"},
                   {{"Arrivo", "42° 34,20' N  010° 25,00' E"}}},
        WorkedCase{"PositionFromALightOnTheReciprocal",
                   [] {
                       const nav::GeoPosition light{43, 10};
                       const auto boat = *nav::PositionFromLight(light, 270 * kDeg, 6);
                       return nav::WorkedPositionFromLight(light, 270 * kDeg, 6, boat, kIt);
                   },
                   {"Rlv − 180° = 270° 00' − 180° = 090° 00'",
                    "Nave = faro + 6,00 M per 090° 00' (lossodromia sull'ellissoide WGS84) = "
                    "43° 00,00' N  010° 08,18' E",
                    "Δφ = φ₂ − φ₁ = 43° 00,00' N − 43° 00,00' N = 0° 00,00'",
                    "Δλ = λ₂ − λ₁ = 010° 08,18' E − 010° 00,00' E = 0° 08,18' E"},
                   {{"Nave", "43° 00,00' N  010° 08,18' E"}}}),
    [](const testing::TestParamInfo<WorkedCase>& info) { return std::string(info.param.name); });
