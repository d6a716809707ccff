#include "widgets/numeric/spin_stepper.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

constexpr SpinRange kDegrees{0, 359};
constexpr SpinRange kMinutes{0, 59};
constexpr SpinRange kNoRange{0, 0};
constexpr std::uint32_t kPress = 100000;  // some time after start

}  // namespace

TEST(SpinStepper, StopsAtTheBoundWithoutWrap)
{
    SpinStepper s;
    EXPECT_TRUE(s.Step(true, 359, kPress, kDegrees, false).invalid);
    EXPECT_TRUE(s.Step(false, 0, kPress + 1000, kDegrees, false).invalid);
    const auto r = s.Step(true, 358, kPress + 2000, kDegrees, false);
    EXPECT_FALSE(r.invalid);
    EXPECT_EQ(r.value, 359);
}

TEST(SpinStepper, AnOvershootingFastStepFallsBackToOneIncrement)
{
    SpinStepper s;
    std::uint32_t t = kPress;
    while (s.CurrentStep() < 5) {
        s.Step(true, 0, t, kDegrees, false);
        t += 100;
    }
    ASSERT_EQ(s.CurrentStep(), 5);
    // The next step would grow or stay at 5: both pass 359 from 358.
    const auto r = s.Step(true, 358, t, kDegrees, false);
    EXPECT_EQ(r.value, 359);
    EXPECT_EQ(s.CurrentStep(), 1);
}

struct WrapCase {
    bool up;
    double from, to;
};

class SpinWrapTest : public testing::TestWithParam<WrapCase> {};

TEST_P(SpinWrapTest, WrapsToTheOtherBound)
{
    SpinStepper s;
    const auto r = s.Step(GetParam().up, GetParam().from, kPress, kMinutes, true);
    EXPECT_FALSE(r.invalid);
    EXPECT_EQ(r.value, GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinWrapTest,
                         testing::Values(WrapCase{true, 59, 0}, WrapCase{false, 0, 59},
                                         WrapCase{true, 58, 59}, WrapCase{false, 1, 0}));

TEST(SpinStepper, AValueOutsideTheRangeIsLeftToTheInvalidEntryReaction)
{
    SpinStepper s;
    EXPECT_TRUE(s.Step(true, -5, kPress, kDegrees, false).invalid);
    EXPECT_TRUE(s.Step(false, 400, kPress + 1000, kDegrees, false).invalid);
}

// The tick count at the first repeat of a held arrow.
class SpinHeldArrowTest : public testing::TestWithParam<std::uint32_t> {};

TEST_P(SpinHeldArrowTest, AcceleratesUpToAFifthOfTheRange)
{
    SpinStepper s;
    // Repeats every 100 ms.
    const std::uint32_t first = GetParam();
    std::vector<double> steps;
    for (int k = 0; k < 160; ++k) {
        const auto r = s.Step(true, 0, first + 100 * static_cast<std::uint32_t>(k), kDegrees, false);
        steps.push_back(r.value);
    }
    const std::vector<double> start(steps.begin(), steps.begin() + 12);
    EXPECT_EQ(start, (std::vector<double>{1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4}));
    EXPECT_EQ(steps.back(), 72);  // the first step of 71.8 or more, then no growth
    EXPECT_EQ(*std::max_element(steps.begin(), steps.end()), 72);

    // A pause of more than 200 ms starts again at one increment.
    EXPECT_EQ(s.Step(true, 0, first + 100 * 159 + 201, kDegrees, false).value, 1);
}

// The first step of a session is no rapid one, also while the clock still reads 0.
INSTANTIATE_TEST_SUITE_P(Table, SpinHeldArrowTest, testing::Values(kPress + 400, 0u));

TEST(SpinStepper, AccelerationSurvivesTheTickCountWrap)
{
    SpinStepper s;
    for (std::uint32_t t : {0xFFFFFF00u, 0xFFFFFF64u, 0xFFFFFFC8u, 0x0000002Cu, 0x00000090u, 0x000000F4u, 0x00000158u})
        s.Step(true, 0, t, kDegrees, false);
    EXPECT_EQ(s.CurrentStep(), 2);  // seven steps 100 ms apart across the wrap
}

TEST(SpinStepper, WithoutRangeTheStepNeverGrows)
{
    SpinStepper s(5);
    for (std::uint32_t k = 0; k < 30; ++k)
        s.Step(true, 0, kPress + 100 * k, kNoRange, false);
    EXPECT_EQ(s.CurrentStep(), 5);
}

struct SnapCase {
    double increment;
    SpinRange range;
    double in, out;
};

class SpinSnapTest : public testing::TestWithParam<SnapCase> {};

TEST_P(SpinSnapTest, PutsTheValueOnTheGrid)
{
    SpinStepper s(GetParam().increment);
    EXPECT_DOUBLE_EQ(s.Snap(GetParam().in, GetParam().range), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinSnapTest,
                         testing::Values(SnapCase{5, kNoRange, 237, 235}, SnapCase{5, kNoRange, 238, 240},
                                         SnapCase{1, kNoRange, 150.5, 150}, SnapCase{1, kNoRange, 151.5, 152},
                                         SnapCase{5, kNoRange, 237.5, 240},
                                         SnapCase{10, SpinRange{0, 359}, 357, 350},   // not past the maximum
                                         SnapCase{2, SpinRange{1, 9}, 4, 5}));

TEST(SpinStepper, IncrementSetterRules)
{
    SpinStepper s;
    EXPECT_FALSE(s.SetIncrement(400, kDegrees));  // larger than the range
    EXPECT_EQ(s.Increment(), 1);
    EXPECT_FALSE(s.SetIncrement(1, kDegrees));    // equal
    EXPECT_TRUE(s.SetIncrement(400, kNoRange));
    EXPECT_EQ(s.CurrentStep(), 400);
}

TEST(SpinStepper, AnIncrementThatIsNoPositiveNumberIsIgnored)
{
    for (double bad : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
        SpinStepper s(5);
        EXPECT_FALSE(s.SetIncrement(bad, kNoRange)) << bad;
        EXPECT_EQ(s.Increment(), 5);
        EXPECT_EQ(s.Snap(237, kNoRange), 235);
    }
}

TEST(SpinStepper, NeitherAStepNorTheGridLeavesTheRangeOfADouble)
{
    SpinStepper s(1e308);
    EXPECT_TRUE(s.Step(true, DBL_MAX, kPress, kNoRange, false).invalid);
    EXPECT_TRUE(s.Step(false, -DBL_MAX, kPress + 1000, kNoRange, false).invalid);
    EXPECT_EQ(SpinStepper(1e-310).Snap(DBL_MAX, kNoRange), DBL_MAX);
}
