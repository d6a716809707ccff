#include "dialogs/speed_entry.h"

#include "toolkit/text_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

struct TenthsCase {
    double knots;
    int tenths;
};

class SpeedTenthsTest : public testing::TestWithParam<TenthsCase> {};

TEST_P(SpeedTenthsTest, RoundsTheSpeedToTenthsWithinTheSlider)
{
    EXPECT_EQ(SpeedTenths(GetParam().knots), GetParam().tenths) << GetParam().knots;
}

INSTANTIATE_TEST_SUITE_P(Table, SpeedTenthsTest,
                         testing::Values(TenthsCase{0, 0}, TenthsCase{12.34, 123}, TenthsCase{12.25, 122},
                                         TenthsCase{12.35, 124}, TenthsCase{50, 500}, TenthsCase{63, 500},
                                         TenthsCase{-1, 0}, TenthsCase{DBL_MAX, 500}, TenthsCase{NAN, 0}));

TEST(ConfirmedSpeed, StaysWithinTheLogsRangeAndIsNeverNegativeZero)
{
    EXPECT_EQ(ConfirmedSpeed(7.5), 7.5);
    EXPECT_EQ(ConfirmedSpeed(63), 50);
    EXPECT_FALSE(std::signbit(ConfirmedSpeed(-0.0)));
    EXPECT_EQ(ConfirmedSpeed(-3), 0);
}

TEST(SpeedText, HasOneDecimalAndTheLocalesSeparator)
{
    toolkit::ScopedFormatSettings italian({QLatin1Char(','), QLatin1Char('.')});
    EXPECT_EQ(SpeedText(0), QStringLiteral("0,0"));
    EXPECT_EQ(SpeedText(7.5), QStringLiteral("7,5"));
    EXPECT_EQ(SpeedText(50), QStringLiteral("50,0"));
}
