#include "widgets/instruments/inst_meter_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kHalfTurn = 180.0;
constexpr double kQuarterTurn = 90.0;
constexpr double kPercent = 0.01;
constexpr int kWholeScale = 100;

// An offset truncated toward zero; held well inside 64 bits.
long long TruncatedOffset(double v)
{
    constexpr double kLimit = 1e15;
    if (!std::isfinite(v))
        return 0;
    return static_cast<long long>(std::trunc(std::clamp(v, -kLimit, kLimit)));
}

}  // namespace

AngularMeterGeometry::AngularMeterGeometry(const MeterLayout& layout)
    : layout_(layout)
{
}

long long AngularMeterGeometry::DialWidth() const
{
    return layout_.radius < 0 ? layout_.width : 2 * layout_.radius;
}

long long AngularMeterGeometry::DialHeight() const
{
    return layout_.radius < 0 ? layout_.height : 2 * layout_.radius;
}

long long AngularMeterGeometry::ScaleRadius() const
{
    if (layout_.radius < 0)
        return std::min(CenterX(), CenterY()) - layout_.spacing;
    return layout_.radius - layout_.spacing;
}

double AngularMeterGeometry::StartAngle() const
{
    return static_cast<double>(layout_.angle) + kHalfTurn;
}

double AngularMeterGeometry::EndAngle() const
{
    return StartAngle() + static_cast<double>(layout_.angleOffset);
}

MeterPoint AngularMeterGeometry::PolarPoint(double degrees, long long rho) const
{
    const double theta = std::isfinite(degrees) ? degrees * std::numbers::pi / kHalfTurn : 0.0;
    const auto r = static_cast<double>(rho);
    return {CenterX() + TruncatedOffset(r * std::sin(theta)), CenterY() - TruncatedOffset(r * std::cos(theta))};
}

std::vector<double> AngularMeterGeometry::MarkAngles(long long intervals) const
{
    if (intervals < 1 || intervals + 1 > kMaxMarks)
        return {};
    const double step = static_cast<double>(layout_.angleOffset) / static_cast<double>(intervals);
    // A sweep of 0 puts every mark on a0.
    if (!std::isfinite(step) || !(step >= 0))
        return {};
    std::vector<double> angles;
    angles.reserve(static_cast<std::size_t>(intervals + 1));
    double a = StartAngle();
    for (long long i = 0; i <= intervals; ++i, a += step)
        angles.push_back(a);
    return angles;
}

std::vector<MeterTick> AngularMeterGeometry::Ticks(long long ticks, long long ticksMin, long long ticksMax,
                                                   long long enlarge) const
{
    const long long r = ScaleRadius();
    std::vector<MeterTick> out;
    long long k = enlarge;
    for (const double a : MarkAngles(ticks)) {
        const bool isLong = enlarge != 0 && k % enlarge == 0;
        ++k;
        out.push_back({PolarPoint(a, r), PolarPoint(a, r + (isLong ? ticksMax : ticksMin)), isLong});
    }
    return out;
}

std::vector<MeterLabel> AngularMeterGeometry::Labels(long long labels, long long offset) const
{
    const std::vector<double> angles = MarkAngles(labels);
    if (angles.empty())
        return {};
    const double dv = (layout_.maxValue - layout_.minValue) / static_cast<double>(labels);
    const long long rho = ScaleRadius() + offset;
    std::vector<MeterLabel> out;
    out.reserve(angles.size());
    for (std::size_t j = 0; j < angles.size(); ++j)
        out.push_back({layout_.minValue + static_cast<double>(j) * dv, PolarPoint(angles[j], rho)});
    return out;
}

std::vector<MeterZone> AngularMeterGeometry::Zones(int percent1, int percent2) const
{
    const auto sweep = static_cast<double>(layout_.angleOffset);
    const double a0 = StartAngle();
    const double z1 = sweep * (percent1 * kPercent) + a0;
    const double z2 = sweep * (percent2 * kPercent) + z1;
    std::vector<MeterZone> out;
    if (percent1 > 0)
        out.push_back({1, a0, z1});
    if (percent2 > 0)
        out.push_back({2, z1, z2});
    if (percent1 + percent2 < kWholeScale)
        out.push_back({3, z2, EndAngle()});
    return out;
}

long long AngularMeterGeometry::ZoneBoundaryDistance(long long ticksMax) const
{
    return (RingBottom(ticksMax) - RingTop(ticksMax)) - ticksMax;
}

double AngularMeterGeometry::NeedleAngle(double position) const
{
    const double range = layout_.maxValue - layout_.minValue;
    const double a0 = StartAngle();
    if (!std::isfinite(range) || range == 0)
        return a0;
    const double b = (position - layout_.minValue) * static_cast<double>(layout_.angleOffset) / range;
    return std::isfinite(b) ? a0 + b : a0;
}

MeterNeedle AngularMeterGeometry::Needle(double position, long long length, long long baseWidth) const
{
    const long long l = length < 0 ? ScaleRadius() : length;
    const double theta = NeedleAngle(position);
    const long long half = baseWidth / 2;
    return {PolarPoint(theta, l), PolarPoint(theta - kQuarterTurn, half), PolarPoint(theta + kQuarterTurn, half)};
}
