#include "nav/currents.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <numbers>

namespace nav {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// A ground speed this small against the speeds that make it is rounding
// error: a current abeam just as fast as the boat leaves no headway.
constexpr double kNoHeadway = 1e-9;

}  // namespace

void CombineVectors(VectorCombination& v)
{
    const double t1 = v.a1 / double{kSecondsPerDegree} * kRadiansPerDegree;
    const double t2 = v.a2 / double{kSecondsPerDegree} * kRadiansPerDegree;
    const double sign = v.mode > 0 ? 1.0 : -1.0;
    const double east = std::sin(t1) * v.s1 + sign * std::sin(t2) * v.s2;
    const double north = std::cos(t1) * v.s1 + sign * std::cos(t2) * v.s2;
    v.speed = std::sqrt(east * east + north * north);
    if (east == 0.0 && north == 0.0) {
        v.direction = 0;
        return;
    }
    const double degrees = std::atan2(east, north) / kRadiansPerDegree;
    v.direction = NormalizeAngle(static_cast<std::int64_t>(RoundHalfEven(degrees * kSecondsPerDegree)));
}

namespace {

// The triangle of the water track, with the leeway already in the heading.
CurrentMissing SolveWaterTriangle(const CurrentFields& given, CurrentTriangle& t, VectorCombination& work)
{
    const bool motionGiven = given.heading && given.ownSpeed;
    const bool currentGiven = given.current && given.currentSpeed;
    const bool groundGiven = given.course && given.groundSpeed;
    const int pairsGiven = int{motionGiven} + int{currentGiven} + int{groundGiven};
    if (pairsGiven == 2) {
        const auto combine = [&work](Angle a1, double s1, Angle a2, double s2, int mode, Angle& direction,
                                     double& speed) {
            work = {a1, s1, a2, s2, mode};
            CombineVectors(work);
            direction = work.direction;
            speed = work.speed;
        };
        if (!motionGiven) {
            combine(t.course, t.groundSpeed, t.current, t.currentSpeed, -1, t.heading, t.ownSpeed);
            return CurrentMissing::Heading;
        }
        if (!currentGiven) {
            combine(t.course, t.groundSpeed, t.heading, t.ownSpeed, -1, t.current, t.currentSpeed);
            return CurrentMissing::Current;
        }
        combine(t.heading, t.ownSpeed, t.current, t.currentSpeed, +1, t.course, t.groundSpeed);
        return CurrentMissing::Course;
    }
    const bool steering = given.ownSpeed && currentGiven && given.course && !given.heading && !given.groundSpeed;
    if (!steering)
        return CurrentMissing::Nothing;
    const auto steered = CourseToSteer(t.course, t.ownSpeed, t.current, t.currentSpeed);
    if (!steered)
        return CurrentMissing::TooStrong;
    t.heading = steered->heading;
    t.groundSpeed = steered->groundSpeed;
    return CurrentMissing::CourseToSteer;
}

// Leeway alone: the motion through the water is the motion over the ground.
CurrentMissing SolveLeeway(const CurrentFields& given, CurrentTriangle& t)
{
    if (!given.leeway || given.current || given.currentSpeed)
        return CurrentMissing::Nothing;
    // One speed, on either side, is the speed of both.
    const auto sameSpeed = [&given, &t] {
        if (given.ownSpeed)
            t.groundSpeed = t.ownSpeed;
        else if (given.groundSpeed)
            t.ownSpeed = t.groundSpeed;
    };
    const bool oneSpeed = !(given.ownSpeed && given.groundSpeed);
    if (given.heading && !given.course && oneSpeed) {
        t.course = t.heading;
        sameSpeed();
        return CurrentMissing::LeewayCourse;
    }
    if (given.course && !given.heading && oneSpeed) {
        t.heading = t.course;
        sameSpeed();
        return CurrentMissing::LeewayHeading;
    }
    return CurrentMissing::Nothing;
}

}  // namespace

Angle WaterTrack(const CurrentTriangle& t)
{
    return NormalizeAngle(std::int64_t{t.heading} + t.leeway);
}

CurrentMissing SolveCurrent(const CurrentFields& given, CurrentTriangle& t, VectorCombination& work)
{
    CurrentTriangle water = t;
    water.heading = WaterTrack(t);
    CurrentMissing missing = SolveWaterTriangle(given, water, work);
    if (missing == CurrentMissing::Nothing)
        missing = SolveLeeway(given, water);
    if (missing == CurrentMissing::TooStrong || missing == CurrentMissing::Nothing)
        return missing;
    t = water;
    t.heading = NormalizeAngle(std::int64_t{water.heading} - t.leeway);
    return missing;
}

CurrentFields Written(CurrentMissing missing, const CurrentFields& given)
{
    CurrentFields w;
    switch (missing) {
    case CurrentMissing::Heading: w.heading = w.ownSpeed = true; break;
    case CurrentMissing::Current: w.current = w.currentSpeed = true; break;
    case CurrentMissing::Course: w.course = w.groundSpeed = true; break;
    case CurrentMissing::CourseToSteer: w.heading = w.groundSpeed = true; break;
    case CurrentMissing::LeewayCourse:
    case CurrentMissing::LeewayHeading:
        w.course = missing == CurrentMissing::LeewayCourse;
        w.heading = !w.course;
        w.ownSpeed = given.groundSpeed && !given.ownSpeed;
        w.groundSpeed = given.ownSpeed && !given.groundSpeed;
        break;
    case CurrentMissing::TooStrong:
    case CurrentMissing::Nothing: break;
    }
    return w;
}

std::optional<SteeredCourse> CourseToSteer(Angle course, double ownSpeed, Angle current, double currentSpeed)
{
    if (!(ownSpeed > 0.0))
        return std::nullopt;
    const double drift = (current - course) / double{kSecondsPerDegree} * kRadiansPerDegree;
    // The sine of the angle off the course that cancels the current's cross component.
    const double offCourse = -currentSpeed * std::sin(drift) / ownSpeed;
    if (!(std::abs(offCourse) <= 1.0))
        return std::nullopt;
    const double correction = std::asin(offCourse);
    const double groundSpeed = ownSpeed * std::cos(correction) + currentSpeed * std::cos(drift);
    if (!(groundSpeed > kNoHeadway * (ownSpeed + currentSpeed)))
        return std::nullopt;
    const double seconds = course + correction / kRadiansPerDegree * kSecondsPerDegree;
    return SteeredCourse{NormalizeAngle(static_cast<std::int64_t>(RoundHalfEven(seconds))), groundSpeed};
}

std::array<int, 3> VectorLengths(double ownSpeed, double currentSpeed, double groundSpeed)
{
    const double longest = std::max({ownSpeed, currentSpeed, groundSpeed});
    if (!(longest > 0.0))
        return {0, 0, 0};
    const auto length = [longest](double speed) {
        return static_cast<int>(RoundHalfEven(speed * kLongestVector / longest));
    };
    return {length(ownSpeed), length(currentSpeed), length(groundSpeed)};
}

}  // namespace nav
