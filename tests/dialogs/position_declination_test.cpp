#include "dialogs/position_declination.h"

#include "nav/declination.h"

#include <gtest/gtest.h>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

nav::ModelDeclination Model(const nav::ModelAnswer& answer)
{
    const auto* value = std::get_if<nav::ModelDeclination>(&answer);
    EXPECT_NE(value, nullptr);
    return value ? *value : nav::ModelDeclination{};
}

}  // namespace

struct RoundingCase {
    const char* what;
    nav::Angle declination, change;  // West positive, seconds of arc
    ChartFields chart;
};

class ChartFromModelTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(ChartFromModelTest, RoundsToWholeMinutesWithTheChartsSides)
{
    const RoundingCase& c = GetParam();
    EXPECT_EQ(ChartFromModel({c.declination, c.change, false}, 2027), c.chart) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChartFromModelTest,
    testing::Values(
        RoundingCase{"East, moving East", -(3 * kDeg + 37 * kMin + 1), -401,
                     {2027, 3 * kDeg + 37 * kMin, -1, 7 * kMin, +1}},
        RoundingCase{"East, moving West", -2 * kDeg, 120, {2027, 2 * kDeg, -1, 2 * kMin, -1}},
        RoundingCase{"West, moving West", 13 * kDeg + 55 * kMin + 29, 100, {2027, 13 * kDeg + 55 * kMin, +1, 2 * kMin, +1}},
        RoundingCase{"West, moving East", 13 * kDeg + 54 * kMin + 31, -255, {2027, 13 * kDeg + 55 * kMin, +1, 4 * kMin, -1}},
        RoundingCase{"half a minute to even, down", 2 * kMin + 30, 150, {2027, 2 * kMin, +1, 2 * kMin, +1}},
        RoundingCase{"half a minute to even, up", -(kMin + 30), -90, {2027, 2 * kMin, -1, 2 * kMin, +1}},
        RoundingCase{"carries into the degree", -(4 * kDeg + 59 * kMin + 45), 0, {2027, 5 * kDeg, -1, 0, +1}},
        RoundingCase{"East under half a minute is zero, so West", -29, -29, {2027, 0, +1, 0, +1}},
        RoundingCase{"a zero moving East is East and growing", -25, -40, {2027, 0, -1, kMin, +1}}));

struct FiguresCase {
    const char* what;
    ChartFields chart;
    ResultFigures figures;
};

class FiguresOfTest : public testing::TestWithParam<FiguresCase> {};

TEST_P(FiguresOfTest, NameTheSideTheDeclinationMovesTo)
{
    EXPECT_EQ(FiguresOf(GetParam().chart), GetParam().figures) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FiguresOfTest,
    testing::Values(FiguresCase{"Genova", {2027, 3 * kDeg + 37 * kMin, -1, 7 * kMin, +1}, {3, 37, 'E', 7, 'E'}},
                    FiguresCase{"West Aumento moves West", {2027, 13 * kDeg + 55 * kMin, +1, 4 * kMin, +1}, {13, 55, 'W', 4, 'W'}},
                    FiguresCase{"East Diminuzione moves West", {2027, 1 * kDeg, -1, 3 * kMin, -1}, {1, 0, 'E', 3, 'W'}},
                    FiguresCase{"zeros have no side", {2027, 0, +1, 0, +1}, {0, 0, 0, 0, 0}},
                    FiguresCase{"a change beyond a degree stays in minutes", {2027, 120 * kDeg, +1, 75 * kMin, -1},
                                {120, 0, 'W', 75, 'E'}}));

struct PlaceCase {
    const char* what;
    PositionEntry entry;
    double latitude, longitude;  // signed
};

class DeclinationAtTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(DeclinationAtTest, TakesTheHemispheresFromTheRadioButtons)
{
    const PlaceCase& c = GetParam();
    EXPECT_EQ(Model(DeclinationAt(c.entry, 2027.0)), Model(nav::MagneticDeclination(c.latitude, c.longitude, 2027.0)))
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, DeclinationAtTest,
                         testing::Values(PlaceCase{"North West", {42.36, false, 71.05, true}, 42.36, -71.05},
                                         PlaceCase{"South East", {33.9, true, 18.4, false}, -33.9, 18.4}));

TEST(DeclinationAtTest, ANegativeMagnitudeIsOutOfRange)
{
    for (const PositionEntry& entry : {PositionEntry{-1, false, 8, false}, PositionEntry{44, true, -0.5, true}})
        EXPECT_EQ(std::get<nav::ModelRefusal>(DeclinationAt(entry, 2027.0)), nav::ModelRefusal::PositionOutOfRange);
}

TEST(ChartFromModelTest, CagliariIsEastAndGrowing)
{
    const ChartFields chart =
        ChartFromModel(Model(DeclinationAt({39.22, false, 9.12, false}, nav::DecimalYear(2026, 12, 9))), 2026);
    EXPECT_EQ(chart.baseSign, -1);    // RBEST
    EXPECT_EQ(chart.changeSign, +1);  // RBAUM: moving East, away from zero
    EXPECT_EQ(chart.base, 3 * kDeg + 21 * kMin);
    EXPECT_EQ(chart.change, 6 * kMin);
}

struct NextYearCase {
    const char* what;
    PositionEntry entry;
    double year;
};

class ChartsNextYearTest : public testing::TestWithParam<NextYearCase> {};

// What the chart fields compute a year on, through the dialog's own
// arithmetic, is the model's value then, within a minute.
TEST_P(ChartsNextYearTest, ReproduceTheModelWithinAMinute)
{
    const NextYearCase& c = GetParam();
    const int year = static_cast<int>(c.year);
    const ChartFields chart = ChartFromModel(Model(DeclinationAt(c.entry, c.year)), year);
    const auto computed = nav::ComputeDeclination(
        {chart.year, chart.year + 1, chart.base, chart.baseSign, chart.change, chart.changeSign});
    ASSERT_TRUE(computed.has_value());
    const nav::ModelDeclination later = Model(DeclinationAt(c.entry, c.year + 1));
    EXPECT_NEAR(*computed, later.declination, kMin) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, ChartsNextYearTest,
                         testing::Values(NextYearCase{"Genova", {44.40, false, 8.93, false}, 2027.0},
                                         NextYearCase{"Boston", {42.36, false, 71.05, true}, 2027.0},
                                         NextYearCase{"Auckland", {36.8, true, 174.8, false}, 2029.0},
                                         NextYearCase{"Cagliari", {39.22, false, 9.12, false}, 2026.0}));
