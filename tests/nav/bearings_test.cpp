#include "nav/bearings.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

}  // namespace

struct BearingCase {
    const char* what;
    const char* table;
    nav::Angle declination;
    bool compassGiven, trueGiven;
    nav::CompassBearing in;
    nav::BearingStart start;
    nav::CompassBearing out;
    std::optional<nav::Angle> givenDeviation = std::nullopt;
};

class ConvertBearingTest : public testing::TestWithParam<BearingCase> {};

TEST_P(ConvertBearingTest, CorrectsByTheHeadingsDeviationAndTheDeclination)
{
    const BearingCase& c = GetParam();
    nav::CompassBearing b = c.in;
    EXPECT_EQ(nav::ConvertBearing(nav::ParseDeviationTable(c.table).table, c.declination, c.compassGiven,
                                  c.trueGiven, b, c.givenDeviation),
              c.start)
        << c.what;
    EXPECT_EQ(b.compass, c.out.compass) << c.what;
    EXPECT_EQ(b.trueBearing, c.out.trueBearing) << c.what;
    EXPECT_EQ(b.deviation, c.out.deviation) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertBearingTest,
    testing::Values(
        BearingCase{"compass to true", "0;1.5\n", 0, true, false, {0, 10 * kDeg, 0, 0}, nav::BearingStart::Compass,
                    {0, 10 * kDeg, 11 * kDeg + 30 * kMin, 90 * kMin}},
        BearingCase{"true to compass across north", "0;1\n", 0, false, true, {0, 0, 30 * kMin, 0},
                    nav::BearingStart::True, {0, 359 * kDeg + 30 * kMin, 30 * kMin, kDeg}},
        // the heading's row, not the bearing's: a bearing of 90 would take 90;-3
        BearingCase{"deviation of the heading", "0;2\n90;-3\n", 5 * kDeg, true, true, {0, 90 * kDeg, 0, 0},
                    nav::BearingStart::Compass, {0, 90 * kDeg, 87 * kDeg, 2 * kDeg}},
        BearingCase{"East declination taken back", "90;-3\n", -2 * kDeg, false, true, {90 * kDeg, 0, 100 * kDeg, 0},
                    nav::BearingStart::True, {90 * kDeg, 101 * kDeg, 100 * kDeg, -3 * kDeg}},
        // Sums beyond 32 bits are formed in 64 before they come onto the circle.
        BearingCase{"sums beyond 32 bits", "0;1\n", -2147483647, true, false, {0, 2147483647, 0, 0},
                    nav::BearingStart::Compass, {0, 2147483647, (2 * 2147483647LL + 3600) % 1296000, kDeg}},
        BearingCase{"nothing given", "0;1\n", 0, false, false, {1, 2, 3, 4}, nav::BearingStart::Nothing,
                    {1, 2, 3, 4}},
        BearingCase{"a given deviation, not the table's", "0;5\n", 0, true, false, {0, 100 * kDeg, 0, 0},
                    nav::BearingStart::Compass, {0, 100 * kDeg, 98 * kDeg, -2 * kDeg}, -2 * kDeg},
        BearingCase{"back with a given deviation", "0;5\n", kDeg, false, true, {0, 0, 100 * kDeg, 0},
                    nav::BearingStart::True, {0, 103 * kDeg, 100 * kDeg, -2 * kDeg}, -2 * kDeg}));

TEST(ConvertBearing, ThereAndBackGivesTheCompassBearingAgain)
{
    const auto table = nav::ParseDeviationTable("0;3\n45;-2.5\n90;1\n").table;
    for (nav::Angle heading : {0, 40 * kDeg, 88 * kDeg})
        for (nav::Angle bearing : {0, 1, 179 * kDeg + 59 * kMin, 359 * kDeg + 59 * kMin + 59}) {
            nav::CompassBearing b{heading, bearing, 0, 0};
            nav::ConvertBearing(table, 18000, true, false, b);
            b.compass = 0;
            nav::ConvertBearing(table, 18000, false, true, b);
            EXPECT_EQ(b.compass, bearing) << heading << " " << bearing;
        }
}

struct PolarCase {
    const char* what;
    nav::PolarMode mode;
    bool headingGiven, bearingGiven, relativeGiven;
    nav::PolarBearing in;
    nav::PolarMissing missing;
    nav::PolarBearing out;
};

class SolvePolarTest : public testing::TestWithParam<PolarCase> {};

TEST_P(SolvePolarTest, ComputesTheFirstMissing)
{
    const PolarCase& c = GetParam();
    nav::PolarBearing p = c.in;
    EXPECT_EQ(nav::SolvePolar(c.mode, c.headingGiven, c.bearingGiven, c.relativeGiven, p), c.missing) << c.what;
    EXPECT_EQ(p.heading, c.out.heading) << c.what;
    EXPECT_EQ(p.bearing, c.out.bearing) << c.what;
    EXPECT_EQ(p.relative, c.out.relative) << c.what;
}

constexpr auto kCirc = nav::PolarMode::Circular;
constexpr auto kRight = nav::PolarMode::Starboard;
constexpr auto kLeft = nav::PolarMode::Port;

INSTANTIATE_TEST_SUITE_P(
    Table, SolvePolarTest,
    testing::Values(
        PolarCase{"bearing across north", kCirc, true, false, true, {350 * kDeg, 0, 20 * kDeg},
                  nav::PolarMissing::Bearing, {350 * kDeg, 10 * kDeg, 20 * kDeg}},
        PolarCase{"relative bearing", kCirc, true, true, false, {10 * kDeg, 350 * kDeg, 0},
                  nav::PolarMissing::Relative, {10 * kDeg, 350 * kDeg, 340 * kDeg}},
        PolarCase{"starboard mode past 180", kRight, true, true, false, {90 * kDeg, 60 * kDeg, 0},
                  nav::PolarMissing::Relative, {90 * kDeg, 60 * kDeg, 330 * kDeg}},
        PolarCase{"heading from the stored values", kCirc, false, false, false, {5, 0, 0},
                  nav::PolarMissing::Heading, {0, 0, 0}},
        PolarCase{"port: bearing", kLeft, true, false, true, {10 * kDeg, 0, -(30 * kDeg + 15 * kMin)},
                  nav::PolarMissing::Bearing, {10 * kDeg, 339 * kDeg + 45 * kMin, -(30 * kDeg + 15 * kMin)}},
        PolarCase{"port: heading", kLeft, false, true, true, {0, 339 * kDeg + 45 * kMin, -(30 * kDeg + 15 * kMin)},
                  nav::PolarMissing::Heading, {10 * kDeg, 339 * kDeg + 45 * kMin, -(30 * kDeg + 15 * kMin)}},
        PolarCase{"port: relative bearing", kLeft, true, true, false, {10 * kDeg, 339 * kDeg + 45 * kMin, 0},
                  nav::PolarMissing::Relative, {10 * kDeg, 339 * kDeg + 45 * kMin, -(30 * kDeg + 15 * kMin)}},
        PolarCase{"port: dead ahead stays 0", kLeft, true, true, false, {10 * kDeg, 10 * kDeg, 7},
                  nav::PolarMissing::Relative, {10 * kDeg, 10 * kDeg, 0}},
        PolarCase{"sums beyond 32 bits", kCirc, true, false, true, {2147483647, 0, 2147483647},
                  nav::PolarMissing::Bearing, {2147483647, static_cast<nav::Angle>(2 * 2147483647LL % 1296000), 2147483647}},
        PolarCase{"all given", kCirc, true, true, true, {1, 2, 3}, nav::PolarMissing::Nothing, {1, 2, 3}}));
