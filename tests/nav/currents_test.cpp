#include "nav/currents.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

}  // namespace

struct VectorCase {
    const char* what;
    nav::Angle a1;
    double s1;
    nav::Angle a2;
    double s2;
    int mode;
    nav::Angle direction;
    double speed;
};

class CombineVectorsTest : public testing::TestWithParam<VectorCase> {};

TEST_P(CombineVectorsTest, GivesTheResultVector)
{
    const VectorCase& c = GetParam();
    nav::VectorCombination v{c.a1, c.s1, c.a2, c.s2, c.mode};
    nav::CombineVectors(v);
    EXPECT_EQ(v.direction, c.direction) << c.what;
    EXPECT_NEAR(v.speed, c.speed, 1e-9) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CombineVectorsTest,
    testing::Values(
        VectorCase{"worked example", 90 * kDeg, 6, 180 * kDeg, 2, +1, 390366, std::sqrt(40.0)},
        VectorCase{"north and east", 0, 5, 90 * kDeg, 5, +1, 45 * kDeg, std::sqrt(50.0)},
        VectorCase{"30 at 8 and 120 at 3", 30 * kDeg, 8, 120 * kDeg, 3, +1, 182002, std::sqrt(73.0)},
        VectorCase{"current from two headings", 30 * kDeg, 6, 0, 6, -1, 105 * kDeg, 12 * std::sin(15 * std::acos(-1.0) / 180)},
        // On the axes the result's own direction, not the faster input's.
        VectorCase{"difference dominated by the second", 0, 5, 0, 7, -1, 180 * kDeg, 2},
        VectorCase{"difference of one line", 0, 7, 0, 5, -1, 0, 2},
        VectorCase{"due west", 270 * kDeg, 3, 0, 0, +1, 270 * kDeg, 3},
        VectorCase{"nothing left", 45 * kDeg, 4, 45 * kDeg, 4, -1, 0, 0},
        VectorCase{"all zero", 0, 0, 0, 0, +1, 0, 0}));

// Published cases of the current triangle, to a tenth of a degree and knot.
TEST(CurrentTriangle, AgreesWithWorkedCasesOfTheTextbooks)
{
    nav::VectorCombination course{90 * kDeg, 10, 0, 2, +1};
    nav::CombineVectors(course);
    EXPECT_NEAR(course.direction / double{kDeg}, 78.7, 0.05);
    EXPECT_NEAR(course.speed, 10.2, 0.05);

    nav::VectorCombination current{90 * kDeg, 3.69, 69 * kDeg + 42 * kMin, 5, -1};
    nav::CombineVectors(current);
    EXPECT_NEAR(current.direction / double{kDeg}, 210, 0.5);
    EXPECT_NEAR(current.speed, 2.0, 0.05);
}

struct SolveCase {
    const char* what;
    nav::CurrentFields given;
    nav::CurrentMissing missing;
};

class SolveCurrentTest : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveCurrentTest, ComputesTheMissingPairFromTheGivenOnes)
{
    const SolveCase& c = GetParam();
    // 30 at 8 plus 120 at 3 is 50 33' 22" at sqrt(73): whatever is solved gives them back.
    nav::CurrentTriangle t{30 * kDeg, 8, 120 * kDeg, 3, 182002, std::sqrt(73.0)};
    const nav::CurrentTriangle before = t;
    nav::VectorCombination work;
    EXPECT_EQ(nav::SolveCurrent(c.given, t, work), c.missing) << c.what;
    EXPECT_NEAR(t.heading, before.heading, 1) << c.what;
    EXPECT_NEAR(t.ownSpeed, before.ownSpeed, 1e-4) << c.what;
    EXPECT_NEAR(t.current, before.current, 1) << c.what;
    EXPECT_NEAR(t.currentSpeed, before.currentSpeed, 1e-4) << c.what;
    EXPECT_EQ(t.course, before.course) << c.what;
    EXPECT_NEAR(t.groundSpeed, before.groundSpeed, 1e-4) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SolveCurrentTest,
    testing::Values(SolveCase{"heading", {false, true, true, true, true, true}, nav::CurrentMissing::Heading},
                    SolveCase{"current", {true, true, true, false, true, true}, nav::CurrentMissing::Current},
                    SolveCase{"course", {true, true, true, true, false, false}, nav::CurrentMissing::Course},
                    SolveCase{"course to steer", {false, true, true, true, true, false}, nav::CurrentMissing::CourseToSteer},
                    SolveCase{"all given", {true, true, true, true, true, true}, nav::CurrentMissing::Nothing},
                    SolveCase{"nothing given", {}, nav::CurrentMissing::Nothing},
                    SolveCase{"heading and own speed only", {true, true}, nav::CurrentMissing::Nothing},
                    SolveCase{"steering without the current's speed", {false, true, true, false, true, false},
                              nav::CurrentMissing::Nothing}));

struct LeewayCase {
    const char* what;
    nav::CurrentFields given;
    nav::CurrentTriangle in;
    nav::CurrentMissing missing;
    nav::Angle heading, course;
    double ownSpeed, groundSpeed;
    nav::CurrentFields written;
};

class LeewayTest : public testing::TestWithParam<LeewayCase> {};

// The water track is heading + leeway; with no current it is the course.
TEST_P(LeewayTest, WorksTheTriangleOnTheWaterTrack)
{
    const LeewayCase& c = GetParam();
    nav::CurrentTriangle t = c.in;
    nav::VectorCombination work;
    const nav::CurrentMissing missing = nav::SolveCurrent(c.given, t, work);
    ASSERT_EQ(missing, c.missing) << c.what;
    EXPECT_NEAR(t.heading, c.heading, 2) << c.what;
    EXPECT_NEAR(t.course, c.course, 2) << c.what;
    EXPECT_NEAR(t.ownSpeed, c.ownSpeed, 1e-3) << c.what;
    EXPECT_NEAR(t.groundSpeed, c.groundSpeed, 1e-3) << c.what;
    const nav::CurrentFields w = nav::Written(missing, c.given);
    EXPECT_EQ((std::array{w.heading, w.ownSpeed, w.current, w.currentSpeed, w.course, w.groundSpeed}),
              (std::array{c.written.heading, c.written.ownSpeed, c.written.current, c.written.currentSpeed,
                          c.written.course, c.written.groundSpeed}))
        << c.what;
}

namespace {

constexpr nav::CurrentFields kHeadingOnly{true, false, false, false, false, false, true};
constexpr nav::CurrentFields kCourseOnly{false, false, false, false, true, false, true};
// 090 at 6 with leeway +10 (water track 100) and the current 180 at 2 make good 117 14' 22" at 6.6459.
constexpr nav::Angle kMadeGood = 117 * kDeg + 14 * kMin + 22;
constexpr double kGround = 6.64587;

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Table, LeewayTest,
    testing::Values(
        LeewayCase{"course 095, leeway -4", kCourseOnly, {0, 0, 0, 0, 95 * kDeg, 0, -4 * kDeg},
                   nav::CurrentMissing::LeewayHeading, 99 * kDeg, 95 * kDeg, 0, 0, {true}},
        LeewayCase{"heading 186, leeway -2", kHeadingOnly, {186 * kDeg, 0, 0, 0, 0, 0, -2 * kDeg},
                   nav::CurrentMissing::LeewayCourse, 186 * kDeg, 184 * kDeg, 0, 0, {.course = true}},
        LeewayCase{"course 046, leeway +5", kCourseOnly, {0, 0, 0, 0, 46 * kDeg, 0, 5 * kDeg},
                   nav::CurrentMissing::LeewayHeading, 41 * kDeg, 46 * kDeg, 0, 0, {true}},
        LeewayCase{"across north to port", {true, true, false, false, false, false, true},
                   {2 * kDeg, 5, 0, 0, 0, 0, -5 * kDeg}, nav::CurrentMissing::LeewayCourse, 2 * kDeg, 357 * kDeg, 5, 5,
                   {.course = true, .groundSpeed = true}},
        LeewayCase{"steering across north", {false, true, false, false, true, false, true},
                   {0, 5, 0, 0, 2 * kDeg, 0, 5 * kDeg}, nav::CurrentMissing::LeewayHeading, 357 * kDeg, 2 * kDeg, 5, 5,
                   {.heading = true, .groundSpeed = true}},
        LeewayCase{"heading and ground speed", {true, false, false, false, false, true, true},
                   {186 * kDeg, 0, 0, 0, 0, 5, -2 * kDeg}, nav::CurrentMissing::LeewayCourse, 186 * kDeg, 184 * kDeg, 5,
                   5, {.ownSpeed = true, .course = true}},
        LeewayCase{"course with leeway and current", {true, true, true, true, false, false, true},
                   {90 * kDeg, 6, 180 * kDeg, 2, 0, 0, 10 * kDeg}, nav::CurrentMissing::Course, 90 * kDeg, kMadeGood,
                   6, kGround, {.course = true, .groundSpeed = true}},
        LeewayCase{"heading with leeway and current", {false, false, true, true, true, true, true},
                   {0, 0, 180 * kDeg, 2, kMadeGood, kGround, 10 * kDeg}, nav::CurrentMissing::Heading, 90 * kDeg,
                   kMadeGood, 6, kGround, {true, true}},
        LeewayCase{"course to steer with leeway and current", {false, true, true, true, true, false, true},
                   {0, 6, 180 * kDeg, 2, kMadeGood, 0, 10 * kDeg}, nav::CurrentMissing::CourseToSteer, 90 * kDeg,
                   kMadeGood, 6, kGround, {.heading = true, .groundSpeed = true}},
        LeewayCase{"a current half given", {true, false, true, false, false, false, true},
                   {186 * kDeg, 0, 0, 0, 0, 0, -2 * kDeg}, nav::CurrentMissing::Nothing, 186 * kDeg, 0, 0, 0, {}},
        LeewayCase{"no leeway, a heading alone", {true}, {186 * kDeg, 0, 0, 0, 0, 0, 0}, nav::CurrentMissing::Nothing,
                   186 * kDeg, 0, 0, 0, {}}));

struct SteerCase {
    const char* what;
    nav::Angle course;
    double ownSpeed;
    nav::Angle current;
    double currentSpeed;
    std::optional<nav::SteeredCourse> steered;
};

class CourseToSteerTest : public testing::TestWithParam<SteerCase> {};

TEST_P(CourseToSteerTest, HeadsIntoTheCurrentToMakeGoodTheCourse)
{
    const SteerCase& c = GetParam();
    const auto steered = nav::CourseToSteer(c.course, c.ownSpeed, c.current, c.currentSpeed);
    ASSERT_EQ(steered.has_value(), c.steered.has_value()) << c.what;
    if (!steered)
        return;
    EXPECT_NEAR(steered->heading, c.steered->heading, 2) << c.what;
    EXPECT_NEAR(steered->groundSpeed, c.steered->groundSpeed, 0.05) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CourseToSteerTest,
    testing::Values(
        SteerCase{"current from the right", 90 * kDeg, 6, 180 * kDeg, 2, nav::SteeredCourse{70 * kDeg + 31 * kMin + 44, 5.66}},
        SteerCase{"current from the left", 90 * kDeg, 6, 0, 2, nav::SteeredCourse{109 * kDeg + 28 * kMin + 16, 5.66}},
        SteerCase{"across north", 45 * kDeg, 5, 270 * kDeg, 1.5, nav::SteeredCourse{57 * kDeg + 14 * kMin + 50, 3.8}},
        SteerCase{"cross current beyond own speed", 0, 2, 90 * kDeg, 3, std::nullopt},
        SteerCase{"head current beyond own speed", 0, 2, 180 * kDeg, 2.5, std::nullopt},
        SteerCase{"abeam as fast as the boat", 0, 2, 90 * kDeg, 2, std::nullopt},
        SteerCase{"no own speed", 0, 0, 0, 2, std::nullopt}));

struct LengthCase {
    double own, current, ground;
    std::array<int, 3> lengths;
};

class VectorLengthsTest : public testing::TestWithParam<LengthCase> {};

TEST_P(VectorLengthsTest, TheFastestIsEightyPixelsLong)
{
    EXPECT_EQ(nav::VectorLengths(GetParam().own, GetParam().current, GetParam().ground), GetParam().lengths);
}

INSTANTIATE_TEST_SUITE_P(Table, VectorLengthsTest,
                         testing::Values(LengthCase{4, 2, 5, {64, 32, 80}}, LengthCase{3, 4, 3.5, {60, 80, 70}},
                                         LengthCase{6, 2, 6.3, {76, 25, 80}}, LengthCase{0, 2, 2, {0, 80, 80}},
                                         LengthCase{8, 1, 0, {80, 10, 0}}, LengthCase{0, 0, 0, {0, 0, 0}}));
