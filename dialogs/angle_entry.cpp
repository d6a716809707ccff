#include "dialogs/angle_entry.h"

#include "toolkit/text_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kFullCircleMaxDegrees = 359;
constexpr int kMaxMinutes = 59;
constexpr int kMaxSeconds = 59;
constexpr int kMinutesPerDegree = 60;
constexpr std::int64_t kLastSecondOfADegree = nav::kSecondsPerDegree - 1;
// Far beyond every row's range: there a fraction no longer matters.
constexpr double kLargestSplit = 1e9;

// The smallest angle value the three rows can show.
std::int64_t LowestShown(DegreeRange r)
{
    return std::int64_t{r.lowest} * nav::kSecondsPerDegree - (r.lowest < 0 ? kLastSecondOfADegree : 0);
}

}  // namespace

bool DegreeRange::FullCircle() const
{
    return lowest == 0 && highest == kFullCircleMaxDegrees;
}

DialogAngle AngleToShow(nav::Angle value, DegreeRange range)
{
    std::int64_t v = value;
    if (range.FullCircle())
        v = nav::NormalizeAngle(v);
    else if (range.Port() && v > 0 && v - nav::kFullCircle >= LowestShown(range))
        v -= nav::kFullCircle;
    const std::int64_t magnitude = v < 0 ? -v : v;
    const std::int64_t degrees = magnitude / nav::kSecondsPerDegree;
    // Only the degree row has the opener's range: minutes and seconds keep
    // theirs, and outside the port mode a negative part stops at 0.
    const bool keepParts = v >= 0 || range.Port() || range.Signed();
    const std::int64_t signedDegrees = v < 0 ? -degrees : degrees;
    return {static_cast<int>(std::clamp<std::int64_t>(signedDegrees, range.lowest, range.highest)),
            keepParts ? static_cast<int>(magnitude / nav::kSecondsPerMinute % kMinutesPerDegree) : 0,
            keepParts ? static_cast<int>(magnitude % nav::kSecondsPerMinute) : 0, range.Signed() && v < 0};
}

namespace {

RowSplit Split(double value, int secondsPerUnit)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude < kLargestSplit))
        return {value, 0, 0};
    const auto total = static_cast<std::int64_t>(nav::RoundHalfEven(magnitude * secondsPerUnit));
    const auto rest = static_cast<int>(total % secondsPerUnit);
    return {std::copysign(static_cast<double>(total / secondsPerUnit), value), rest / nav::kSecondsPerMinute,
            rest % nav::kSecondsPerMinute};
}

}  // namespace

RowSplit SplitDegreeRow(double degrees)
{
    return Split(degrees, nav::kSecondsPerDegree);
}

RowSplit SplitMinuteRow(double minutes)
{
    return Split(minutes, nav::kSecondsPerMinute);
}

bool HasFraction(double value)
{
    return std::isfinite(value) && value != std::trunc(value);
}

QString WholeText(double whole)
{
    const QString digits = QString::number(std::fabs(whole), 'f', 0);
    return std::signbit(whole) ? QLatin1Char('-') + digits : digits;
}

int RowPosition(double value, int lowest, int highest)
{
    if (std::isnan(value))
        return lowest;
    return static_cast<int>(nav::RoundHalfEven(std::clamp(value, static_cast<double>(lowest), static_cast<double>(highest))));
}

DialogAngle AngleFromNumbers(double degrees, double minutes, double seconds, DegreeRange range)
{
    return {RowPosition(degrees, range.lowest, range.highest), RowPosition(minutes, 0, kMaxMinutes),
            RowPosition(seconds, 0, kMaxSeconds), range.Signed() && std::signbit(degrees)};
}

nav::Angle AngleValue(const DialogAngle& angle, DegreeRange range)
{
    const nav::Angle magnitude =
        std::abs(angle.degrees) * nav::kSecondsPerDegree + angle.minutes * nav::kSecondsPerMinute + angle.seconds;
    return range.Port() || angle.negative || angle.degrees < 0 ? -magnitude : magnitude;
}

QString FieldText(nav::Angle value, DegreeRange range)
{
    return range.Signed() ? QString::fromStdString(nav::FormatAngle(value)) : AngleText(AngleToShow(value, range));
}

QString AngleText(const DialogAngle& angle)
{
    return toolkit::Format(QString::fromUtf8("%3.0d\u00B0 %2.0u' %2.0u\""),
                           {static_cast<long long>(std::abs(angle.degrees)), static_cast<long long>(angle.minutes),
                            static_cast<long long>(angle.seconds)});
}
