#include "nav/coastal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nav {

namespace {

constexpr Angle kHalfCircle = 180 * kSecondsPerDegree;
constexpr Angle kAbeam = 90 * kSecondsPerDegree;
constexpr Angle kFortyFive = 45 * kSecondsPerDegree;
constexpr Angle kTwentyTwoAndHalf = 22 * kSecondsPerDegree + 30 * kSecondsPerMinute;

double Radians(Angle a)
{
    return a / double{kSecondsPerDegree} * std::numbers::pi / 180.0;
}

}  // namespace

std::optional<DistanceOff> DistanceOffFromBearings(Angle first, Angle second, double run)
{
    if (!(first > 0 && first < second && second < kHalfCircle))
        return std::nullopt;
    DistanceOff d;
    d.atSecond = run * std::sin(Radians(first)) / std::sin(Radians(second - first));
    d.abeam = d.atSecond * std::sin(Radians(second));
    d.toAbeam = d.atSecond * std::cos(Radians(second));
    return d;
}

DistanceOffRule NamedRule(Angle first, Angle second)
{
    if (first == kFortyFive && second == kAbeam)
        return DistanceOffRule::FortyFiveAbeam;
    if (first == kTwentyTwoAndHalf && second == kFortyFive)
        return DistanceOffRule::SevenTenths;
    if (first > 0 && second == 2 * first && second < kHalfCircle)
        return DistanceOffRule::DoubledAngle;
    return DistanceOffRule::None;
}

double HorizonDistance(double height)
{
    return kRangePerRootMetre * std::sqrt(std::max(height, 0.0));
}

double GeographicRange(double eye, double light)
{
    return HorizonDistance(eye) + HorizonDistance(light);
}

}  // namespace nav
