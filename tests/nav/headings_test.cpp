#include "nav/headings.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

nav::DeviationTable Table(const char* text)
{
    return nav::ParseDeviationTable(text).table;
}

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

}  // namespace

struct HeadingCase {
    const char* table;
    nav::Angle declination;
    bool pbGiven, pmGiven, pvGiven;
    nav::Headings in;
    nav::HeadingStart start;
    nav::Headings out;
    std::optional<nav::Angle> givenDeviation = std::nullopt;
};

class ConvertHeadingsTest : public testing::TestWithParam<HeadingCase> {};

TEST_P(ConvertHeadingsTest, ComputesTheOtherHeadings)
{
    const auto& c = GetParam();
    nav::Headings h = c.in;
    EXPECT_EQ(nav::ConvertHeadings(Table(c.table), c.declination, c.pbGiven, c.pmGiven, c.pvGiven, h,
                                   c.givenDeviation),
              c.start);
    EXPECT_EQ(h.compass, c.out.compass);
    EXPECT_EQ(h.magnetic, c.out.magnetic);
    EXPECT_EQ(h.trueHeading, c.out.trueHeading);
    EXPECT_EQ(h.deviation, c.out.deviation);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertHeadingsTest,
    testing::Values(
        // compass 0 deg 10 min, deviation 1 deg 30 min
        HeadingCase{"0;1.5\n", 0, true, false, false, {10 * kMin, 0, 0, 0}, nav::HeadingStart::Compass,
                    {10 * kMin, 100 * kMin, 100 * kMin, 90 * kMin}},
        // 359 + 2 wraps to 1 degree; 5 deg W is subtracted, across north
        HeadingCase{"0;2\n", 5 * kDeg, true, false, false, {359 * kDeg, 0, 0, 0},
                    nav::HeadingStart::Compass, {359 * kDeg, 1 * kDeg, 356 * kDeg, 2 * kDeg}},
        // magnetic 100 with 5 deg W: true 95
        HeadingCase{"0;0\n", 5 * kDeg, false, true, false, {0, 100 * kDeg, 0, 0}, nav::HeadingStart::Magnetic,
                    {100 * kDeg, 100 * kDeg, 95 * kDeg, 0}},
        // magnetic 0 at Cagliari, 3 deg 21 min E: true 3 deg 21 min
        HeadingCase{"0;0\n", -(3 * kDeg + 21 * kMin), false, true, false, {0, 0, 0, 0},
                    nav::HeadingStart::Magnetic, {0, 0, 3 * kDeg + 21 * kMin, 0}},
        // magnetic 0 deg 30 min with +1: compass 359 deg 30 min
        HeadingCase{"0;1\n", 0, false, true, false, {0, 30 * kMin, 0, 0}, nav::HeadingStart::Magnetic,
                    {359 * kDeg + 30 * kMin, 30 * kMin, 30 * kMin, 1 * kDeg}},
        // compass and true both given: the true heading is recomputed
        HeadingCase{"0;1\n", 0, true, false, true, {0, 0, 200 * kDeg, 0}, nav::HeadingStart::Compass,
                    {0, 1 * kDeg, 1 * kDeg, 1 * kDeg}},
        // true heading with an East declination (negative): magnetic = true - East
        HeadingCase{"100;-2\n", -3 * kDeg, false, false, true, {0, 0, 100 * kDeg, 0},
                    nav::HeadingStart::True, {99 * kDeg, 97 * kDeg, 100 * kDeg, -2 * kDeg}},
        // the magnetic column decides when starting from the magnetic heading
        HeadingCase{"0;15\n10;-4\n", 0, false, true, false, {0, 14 * kDeg, 0, 0},
                    nav::HeadingStart::Magnetic, {359 * kDeg, 14 * kDeg, 14 * kDeg, 15 * kDeg}},
        // from the true heading the magnetic column decides too (compass 14 would take 10;-4)
        HeadingCase{"0;15\n10;-4\n", 0, false, false, true, {0, 0, 14 * kDeg, 0}, nav::HeadingStart::True,
                    {359 * kDeg, 14 * kDeg, 14 * kDeg, 15 * kDeg}},
        // a given compass heading wins over a given magnetic one
        HeadingCase{"0;1\n", 0, true, true, false, {0, 200 * kDeg, 0, 0}, nav::HeadingStart::Compass,
                    {0, 1 * kDeg, 1 * kDeg, 1 * kDeg}},
        // nothing given: nothing changes
        HeadingCase{"0;1\n", 0, false, false, false, {1, 2, 3, 4}, nav::HeadingStart::Nothing,
                    {1, 2, 3, 4}},
        // an exam's data: true 000, d 2.8 E, deviation -5.2 given: magnetic 357 12, compass 002 24
        HeadingCase{"0;9\n", -(2 * kDeg + 48 * kMin), false, false, true, {0, 0, 0, 0}, nav::HeadingStart::True,
                    {2 * kDeg + 24 * kMin, 357 * kDeg + 12 * kMin, 0, -(5 * kDeg + 12 * kMin)},
                    -(5 * kDeg + 12 * kMin)},
        // a given deviation wins over the table's, from the compass and the magnetic heading
        HeadingCase{"0;15\n", 0, true, false, false, {10 * kDeg, 0, 0, 0}, nav::HeadingStart::Compass,
                    {10 * kDeg, 11 * kDeg, 11 * kDeg, kDeg}, kDeg},
        HeadingCase{"0;15\n", 0, false, true, false, {0, 10 * kDeg, 0, 0}, nav::HeadingStart::Magnetic,
                    {9 * kDeg, 10 * kDeg, 10 * kDeg, kDeg}, kDeg}));
