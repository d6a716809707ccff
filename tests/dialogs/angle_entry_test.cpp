#include "dialogs/angle_entry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;
constexpr DegreeRange kCircle{0, 359};
constexpr DegreeRange kStarboard{0, 180};
constexpr DegreeRange kPort{-180, 0};
constexpr DegreeRange kChange{0, 10};
constexpr DegreeRange kDeviation{-90, 90};

}  // namespace

struct ShowCase {
    const char* what;
    nav::Angle value;
    DegreeRange range;
    DialogAngle shown;
};

class AngleToShowTest : public testing::TestWithParam<ShowCase> {};

TEST_P(AngleToShowTest, SplitsWhatTheRangeCanShow)
{
    EXPECT_EQ(AngleToShow(GetParam().value, GetParam().range), GetParam().shown) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AngleToShowTest,
    testing::Values(ShowCase{"zero", 0, kCircle, {0, 0, 0}},
                    ShowCase{"the last second", 1295999, kCircle, {359, 59, 59}},
                    ShowCase{"45 30 15", 163815, kCircle, {45, 30, 15}},
                    ShowCase{"a port bearing as a direction", -30 * kDeg, kCircle, {330, 0, 0}},
                    ShowCase{"a full turn and more", 370 * kDeg, kCircle, {10, 0, 0}},
                    ShowCase{"port", -(30 * kDeg + 15 * kMin), kPort, {-30, 15, 0}},
                    ShowCase{"half a degree to port", -30 * kMin, kPort, {0, 30, 0}},
                    ShowCase{"a direction to port", 330 * kDeg, kPort, {-30, 0, 0}},
                    ShowCase{"to starboard in the port mode", 30 * kDeg, kPort, {0, 0, 0}},
                    ShowCase{"beyond the starboard half", 200 * kDeg + 15 * kMin, kStarboard, {180, 15, 0}},
                    ShowCase{"to port in the starboard mode", -5 * kDeg, kStarboard, {0, 0, 0}},
                    ShowCase{"a change beyond its degrees", 12 * kDeg + 30, kChange, {10, 0, 30}},
                    ShowCase{"the most negative value", -2147483647 - 1, kPort, {-180, 14, 8}},
                    ShowCase{"the lowest the port rows show", 179 * kDeg + 1, kPort, {-180, 59, 59}},
                    ShowCase{"a deviation to the West", -(5 * kDeg + 12 * kMin), kDeviation, {-5, 12, 0, true}},
                    ShowCase{"West with no degrees", -30 * kMin, kDeviation, {0, 30, 0, true}},
                    ShowCase{"a deviation to the East", 2 * kDeg + 30, kDeviation, {2, 0, 30}}));

struct NumbersCase {
    const char* what;
    double degrees, minutes, seconds;
    DegreeRange range;
    DialogAngle angle;
    nav::Angle value;
    const char* text;
};

class AngleFromNumbersTest : public testing::TestWithParam<NumbersCase> {};

TEST_P(AngleFromNumbersTest, GivesTheValueAndTheText)
{
    const NumbersCase& c = GetParam();
    const DialogAngle angle = AngleFromNumbers(c.degrees, c.minutes, c.seconds, c.range);
    EXPECT_EQ(angle, c.angle) << c.what;
    EXPECT_EQ(AngleValue(angle, c.range), c.value) << c.what;
    EXPECT_EQ(AngleText(angle), QString::fromUtf8(c.text)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AngleFromNumbersTest,
    testing::Values(
        NumbersCase{"zero", 0, 0, 0, kCircle, {0, 0, 0}, 0, "  0\u00B0  0'  0\""},
        NumbersCase{"45 7 3", 45, 7, 3, kCircle, {45, 7, 3}, 45 * kDeg + 7 * kMin + 3, " 45\u00B0  7'  3\""},
        NumbersCase{"the last second", 359, 59, 59, kCircle, {359, 59, 59}, 1295999, "359\u00B0 59' 59\""},
        NumbersCase{"typed 3590", 3590, 0, 0, kCircle, {359, 0, 0}, 359 * kDeg, "359\u00B0  0'  0\""},
        NumbersCase{"typed 359E9", 359e9, 599, -4, kCircle, {359, 59, 0}, 359 * kDeg + 59 * kMin, "359\u00B0 59'  0\""},
        NumbersCase{"halves to even", 10.5, 0.5, 1.5, kCircle, {10, 0, 2}, 10 * kDeg + 2, " 10\u00B0  0'  2\""},
        NumbersCase{"port", -30, 15, 0, kPort, {-30, 15, 0}, -108900, " 30\u00B0 15'  0\""},
        NumbersCase{"half a degree to port", 0, 30, 0, kPort, {0, 30, 0}, -1800, "  0\u00B0 30'  0\""},
        NumbersCase{"beyond the change's degrees", 12, 0, 0, kChange, {10, 0, 0}, 10 * kDeg, " 10\u00B0  0'  0\""},
        NumbersCase{"minus zero in a signed range", -0.0, 30, 0, kDeviation, {0, 30, 0, true}, -30 * kMin,
                    "  0\u00B0 30'  0\""},
        NumbersCase{"minus zero elsewhere", -0.0, 30, 0, kCircle, {0, 30, 0}, 30 * kMin, "  0\u00B0 30'  0\""}));

struct SplitCase {
    const char* what;
    RowSplit (*split)(double);
    double typed;
    double whole;
    int minutes, seconds;
};

class RowSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(RowSplitTest, PutsTheFractionInTheRowsBelow)
{
    const SplitCase& c = GetParam();
    const RowSplit parts = c.split(c.typed);
    EXPECT_EQ(parts.whole, c.whole) << c.what;
    EXPECT_EQ(std::signbit(parts.whole), std::signbit(c.whole)) << c.what;
    EXPECT_EQ(parts.minutes, c.minutes) << c.what;
    EXPECT_EQ(parts.seconds, c.seconds) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RowSplitTest,
    testing::Values(SplitCase{"2.8 degrees", SplitDegreeRow, 2.8, 2, 48, 0},
                    SplitCase{"to the nearest second", SplitDegreeRow, 0.0001, 0, 0, 0},
                    SplitCase{"half a second up to even", SplitDegreeRow, 1.5 / 3600, 0, 0, 2},
                    SplitCase{"a carry", SplitDegreeRow, 2.9999999, 3, 0, 0},
                    SplitCase{"West keeps its sign", SplitDegreeRow, -5.2, -5, 12, 0},
                    SplitCase{"minus zero", SplitDegreeRow, -0.5, -0.0, 30, 0},
                    SplitCase{"48.5 minutes", SplitMinuteRow, 48.5, 48, 0, 30},
                    SplitCase{"far beyond every range", SplitDegreeRow, 1e300, 1e300, 0, 0}));
