#include "nav/coastal.h"
#include "nav/rhumb.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

}  // namespace

struct DistanceOffCase {
    nav::Angle first, second;
    double run;
    std::optional<nav::DistanceOff> off;
    nav::DistanceOffRule rule;
};

class DistanceOffTest : public testing::TestWithParam<DistanceOffCase> {};

TEST_P(DistanceOffTest, FromTwoBearingsAndTheRunBetween)
{
    const DistanceOffCase& c = GetParam();
    const auto off = nav::DistanceOffFromBearings(c.first, c.second, c.run);
    EXPECT_EQ(nav::NamedRule(c.first, c.second), c.rule);
    ASSERT_EQ(off.has_value(), c.off.has_value());
    if (!off)
        return;
    EXPECT_NEAR(off->atSecond, c.off->atSecond, 0.005);
    EXPECT_NEAR(off->abeam, c.off->abeam, 0.005);
    EXPECT_NEAR(off->toAbeam, c.off->toAbeam, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DistanceOffTest,
    testing::Values(
        DistanceOffCase{45 * kDeg, 90 * kDeg, 2.2, nav::DistanceOff{2.2, 2.2, 0}, nav::DistanceOffRule::FortyFiveAbeam},
        DistanceOffCase{30 * kDeg, 60 * kDeg, 3, nav::DistanceOff{3, 2.60, 1.50}, nav::DistanceOffRule::DoubledAngle},
        DistanceOffCase{20 * kDeg, 50 * kDeg, 4, nav::DistanceOff{2.74, 2.10, 1.76}, nav::DistanceOffRule::None},
        DistanceOffCase{60 * kDeg, 120 * kDeg, 3, nav::DistanceOff{3, 2.60, -1.50}, nav::DistanceOffRule::DoubledAngle},
        DistanceOffCase{22 * kDeg + 30 * kMin, 45 * kDeg, 10, nav::DistanceOff{10, 7.07, 7.07},
                        nav::DistanceOffRule::SevenTenths},
        DistanceOffCase{60 * kDeg, 60 * kDeg, 3, std::nullopt, nav::DistanceOffRule::None},
        DistanceOffCase{60 * kDeg, 30 * kDeg, 3, std::nullopt, nav::DistanceOffRule::None},
        DistanceOffCase{90 * kDeg, 180 * kDeg, 3, std::nullopt, nav::DistanceOffRule::None},
        DistanceOffCase{0, 30 * kDeg, 3, std::nullopt, nav::DistanceOffRule::None}));

struct LightRangeCase {
    double eye, light, horizon, geographic;
};

class LightRangeTest : public testing::TestWithParam<LightRangeCase> {};

TEST_P(LightRangeTest, TwoPointZeroEightTimesTheRootsOfTheHeights)
{
    EXPECT_NEAR(nav::HorizonDistance(GetParam().eye), GetParam().horizon, 0.005);
    EXPECT_NEAR(nav::GeographicRange(GetParam().eye, GetParam().light), GetParam().geographic, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Table, LightRangeTest,
                         testing::Values(LightRangeCase{3, 42, 3.60, 17.08}, LightRangeCase{4, 0, 4.16, 4.16},
                                         LightRangeCase{-2, 9, 0, 6.24}));

struct RhumbCase {
    const char* what;
    nav::GeoPosition from, to;
    double course;  // degrees
    double miles;
};

class RhumbTest : public testing::TestWithParam<RhumbCase> {};

// On the ellipsoid, and back again to the start within a hundredth of a minute.
TEST_P(RhumbTest, CourseAndDistanceAndThePointReached)
{
    const RhumbCase& c = GetParam();
    const nav::RhumbLeg leg = nav::RhumbBetween(c.from, c.to);
    EXPECT_NEAR(leg.course / double{kDeg}, c.course, 0.05) << c.what;
    EXPECT_NEAR(leg.miles, c.miles, 0.005) << c.what;
    const nav::RhumbLeg back = nav::RhumbBetween(c.to, c.from);
    const auto start = nav::RhumbDestination(c.to, back.course, back.miles);
    ASSERT_TRUE(start) << c.what;
    EXPECT_NEAR(start->latitude, c.from.latitude, 0.01 / 60) << c.what;
    EXPECT_NEAR(start->longitude, c.from.longitude, 0.01 / 60) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RhumbTest,
    testing::Values(RhumbCase{"exam chart", {42.5, 10 + 18.5 / 60}, {42 + 34.2 / 60, 10 + 25.0 / 60}, 48.9, 6.38},
                    // One degree of the equator, 2 pi a / 360 = 111319.49 m.
                    RhumbCase{"across the antimeridian", {0, 179.5}, {0, -179.5}, 90, 60.11},
                    // Two degrees of the meridian at the equator, 2 x 110574.3 m.
                    RhumbCase{"across the equator", {1, 0}, {-1, 0}, 180, 119.41}));

TEST(RhumbDestinationTest, NoPointBeyondThePoleAndTheLightSeenFromTheBoat)
{
    EXPECT_FALSE(nav::RhumbDestination({89, 0}, 0, 120));
    // The light bears 090 from the boat: the boat lies due West of it.
    const auto boat = nav::PositionFromLight({0, 0}, 90 * kDeg, 60.11);
    ASSERT_TRUE(boat);
    EXPECT_NEAR(boat->latitude, 0, 1e-9);
    EXPECT_NEAR(boat->longitude, -1, 1e-4);
}

struct PositionTextCase {
    const char* text;
    std::optional<nav::GeoPosition> position;
};

class ReadPositionTest : public testing::TestWithParam<PositionTextCase> {};

TEST_P(ReadPositionTest, TheUsualWrittenForms)
{
    const auto read = nav::ReadPosition(GetParam().text);
    ASSERT_EQ(read.has_value(), GetParam().position.has_value()) << GetParam().text;
    if (!read)
        return;
    EXPECT_NEAR(read->latitude, GetParam().position->latitude, 1e-9) << GetParam().text;
    EXPECT_NEAR(read->longitude, GetParam().position->longitude, 1e-9) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadPositionTest,
    testing::Values(PositionTextCase{"42\u00B0 30,0' N 010\u00B0 18,5' E", nav::GeoPosition{42.5, 10 + 18.5 / 60}},
                    PositionTextCase{"42 30.0N 10 18.5E", nav::GeoPosition{42.5, 10 + 18.5 / 60}},
                    PositionTextCase{"N42\u00B030' E10\u00B018.5'", nav::GeoPosition{42.5, 10 + 18.5 / 60}},
                    PositionTextCase{"S 33 52.5 W 151 12", nav::GeoPosition{-33.875, -151.2}},
                    PositionTextCase{"42.5 10.25", nav::GeoPosition{42.5, 10.25}},
                    PositionTextCase{"42,5 10,25", nav::GeoPosition{42.5, 10.25}},
                    PositionTextCase{"-33.9, 151.2", nav::GeoPosition{-33.9, 151.2}},
                    PositionTextCase{"42 30 10 18", nav::GeoPosition{42.5, 10.3}},
                    PositionTextCase{"", std::nullopt}, PositionTextCase{"42.5", std::nullopt},
                    PositionTextCase{"95 10", std::nullopt}, PositionTextCase{"faro di Genova", std::nullopt},
                    PositionTextCase{"42 30 N", std::nullopt},
                    PositionTextCase{"42\u00A030.0N\n10\u00A018.5E", nav::GeoPosition{42.5, 10 + 18.5 / 60}},
                    // A sign beside a hemisphere letter would turn East into West.
                    PositionTextCase{"42 30 N - 10 18 E", std::nullopt},
                    // More numbers than degrees, minutes and seconds.
                    PositionTextCase{"S 33 520,12 312 3 52.5 W12", std::nullopt},
                    PositionTextCase{"S3.1500\u00B4'130,154 :::::::::: E2W11", std::nullopt},
                    PositionTextCase{"42 30 N; 10 18 E", std::nullopt}));

struct PositionFormatCase {
    nav::GeoPosition position;
    char mark;
    const char* text;
};

class FormatPositionTest : public testing::TestWithParam<PositionFormatCase> {};

TEST_P(FormatPositionTest, AsChartsPrintIt)
{
    EXPECT_EQ(nav::FormatPosition(GetParam().position, GetParam().mark), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatPositionTest,
    testing::Values(PositionFormatCase{{42.5, 10 + 18.5 / 60}, ',', "42\u00B0 30,00' N  010\u00B0 18,50' E"},
                    // 59.9994' carries into the degrees.
                    PositionFormatCase{{-0.99999, -179.99999}, '.', "01\u00B0 00.00' S  180\u00B0 00.00' W"},
                    PositionFormatCase{{0, 0}, '.', "00\u00B0 00.00' N  000\u00B0 00.00' E"},
                    PositionFormatCase{{-1e-9, -1e-9}, '.', "00\u00B0 00.00' N  000\u00B0 00.00' E"}));
