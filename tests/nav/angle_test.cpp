#include "nav/angle.h"

#include <gtest/gtest.h>

#include <climits>

using nav::Angle;

struct FormatCase {
    Angle a;
    const char* text;
};

class FormatAngleTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatAngleTest, WritesFixedWidthText)
{
    EXPECT_EQ(nav::FormatAngle(GetParam().a), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatAngleTest,
                         testing::Values(FormatCase{0, "  0\u00B0  0'  0\""},
                                         FormatCase{163815, " 45\u00B0 30' 15\""},
                                         FormatCase{1295999, "359\u00B0 59' 59\""},
                                         FormatCase{-9000, "-  2\u00B0 30'  0\""},
                                         FormatCase{-1, "-  0\u00B0  0'  1\""},
                                         FormatCase{-3600, "-  1\u00B0  0'  0\""},
                                         FormatCase{3600000, "1000\u00B0  0'  0\""},
                                         FormatCase{INT_MIN, "-596523\u00B0 14'  8\""}));

TEST(FormatAngle, IsTwelveCharactersWithTheDegreeSignCountedOnce)
{
    const std::string text = nav::FormatAngle(163815);
    // UTF-8: the degree sign takes two bytes but is one character.
    EXPECT_EQ(text.size(), 13U);
    EXPECT_EQ(nav::FormatAngle(-9000).size(), 14U);
}

struct NormalizeCase {
    std::int64_t in;
    Angle out;
};

class NormalizeAngleTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeAngleTest, BringsOntoTheCircle)
{
    EXPECT_EQ(nav::NormalizeAngle(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, NormalizeAngleTest,
                         testing::Values(NormalizeCase{0, 0}, NormalizeCase{1295999, 1295999},
                                         NormalizeCase{1296000, 0}, NormalizeCase{-1, 1295999},
                                         NormalizeCase{-1296000, 0}, NormalizeCase{-1296001, 1295999},
                                         NormalizeCase{2600000, 8000},
                                         NormalizeCase{-2600000, 1288000},
                                         // sums beyond 32 bits never overflow
                                         NormalizeCase{std::int64_t{INT_MAX} + 1295999, 11646}));

struct WrapCase {
    double in;
    double out;
};

class WrapDegreesTest : public testing::TestWithParam<WrapCase> {};

TEST_P(WrapDegreesTest, BringsDegreesOntoTheCircle)
{
    EXPECT_DOUBLE_EQ(nav::WrapDegrees(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, WrapDegreesTest,
                         testing::Values(WrapCase{370.5, 10.5}, WrapCase{360.0, 0.0},
                                         WrapCase{-2.5, 357.5}, WrapCase{359.9, 359.9},
                                         WrapCase{-0.5, 359.5}, WrapCase{0.0, 0.0},
                                         WrapCase{719.5, 359.5}));

class OnCircleTest : public testing::TestWithParam<WrapCase> {};

TEST_P(OnCircleTest, BringsAnyNumberOfTurnsOntoTheCircle)
{
    EXPECT_DOUBLE_EQ(nav::OnCircle(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, OnCircleTest,
                         testing::Values(WrapCase{360.0, 0.0}, WrapCase{1090.5, 10.5},
                                         WrapCase{-730.0, 350.0}, WrapCase{-1e-17, 0.0},
                                         WrapCase{0.0, 0.0}, WrapCase{359.5, 359.5}));

TEST(WholeDegrees, FloorForTheTableAndTruncationForTheDiagrams)
{
    EXPECT_EQ(nav::FloorDegrees(-9000), -3);
    EXPECT_EQ(nav::TruncDegrees(-9000), -2);
    EXPECT_EQ(nav::FloorDegrees(39540), 10);  // 10 deg 59 min
    EXPECT_EQ(nav::TruncDegrees(165540), 45);  // 45 deg 59 min
}

TEST(DegreesToAngle, RoundsHalfToEvenAndSaturates)
{
    EXPECT_EQ(nav::DegreesToAngle(0.00025), 1);  // 0.9 seconds
    EXPECT_EQ(nav::DegreesToAngle(-2.5), -9000);
    EXPECT_EQ(nav::DegreesToAngle(0.5 / 3600), 0);    // half a second: to even
    EXPECT_EQ(nav::DegreesToAngle(1.5 / 3600), 2);
    EXPECT_EQ(nav::DegreesToAngle(1e300), INT_MAX);
    EXPECT_EQ(nav::DegreesToAngle(-1e300), INT_MIN);
}

TEST(SplitAngle, UsesTheMagnitude)
{
    const nav::Dms d = nav::SplitAngle(-163815);
    EXPECT_EQ(d.degrees, 45);
    EXPECT_EQ(d.minutes, 30);
    EXPECT_EQ(d.seconds, 15);
}
