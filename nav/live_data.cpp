#include "nav/live_data.h"

#include "nav/headings.h"

#include <cmath>
#include <numbers>

namespace nav {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

double Radians(Angle a)
{
    return static_cast<double>(a) / kSecondsPerDegree * kRadiansPerDegree;
}

template <typename T>
void Report(LiveValue<T>& live, const std::optional<T>& value, const NmeaNews& news, std::int64_t now)
{
    if (!value)
        return;
    live = {value, news.kind, news.talker, now, false};
}

// A derived heading gives way to a reported one while that is fresh.
void Derive(LiveValue<Angle>& live, Angle value, const NmeaNews& news, std::int64_t now)
{
    if (!live.derived && live.At(now) == Freshness::Fresh)
        return;
    live = {value, news.kind, news.talker, now, true};
}

struct Vector {
    double north;
    double east;
};

// Ground − water: where the water carries the boat.
Vector CurrentVector(Angle trueHeading, double waterSpeed, Angle groundCourse, double groundSpeed)
{
    return {groundSpeed * std::cos(Radians(groundCourse)) - waterSpeed * std::cos(Radians(trueHeading)),
            groundSpeed * std::sin(Radians(groundCourse)) - waterSpeed * std::sin(Radians(trueHeading))};
}

CurrentEstimate FromVector(double north, double east, std::size_t samples)
{
    CurrentEstimate c;
    c.samples = samples;
    c.drift = std::hypot(north, east);
    // A still current keeps 0°, as CombineVectors does.
    if (c.drift > 0.0)
        c.set = NormalizeAngle(DegreesToAngle(std::atan2(east, north) / kRadiansPerDegree));
    return c;
}

}  // namespace

Freshness FreshnessOf(std::int64_t ageMs)
{
    if (ageMs < kLiveStaleMs)
        return Freshness::Fresh;
    return ageMs < kLiveBlankMs ? Freshness::Stale : Freshness::Blank;
}

CurrentEstimate CurrentOf(Angle trueHeading, double waterSpeed, Angle groundCourse, double groundSpeed)
{
    const Vector v = CurrentVector(trueHeading, waterSpeed, groundCourse, groundSpeed);
    return FromVector(v.north, v.east, 1);
}

void LiveData::Take(const NmeaNews& news, std::int64_t now, const DeviationTable& table, Angle declination)
{
    Report(variation, news.variation, news, now);
    Report(waterSpeed, news.waterSpeed, news, now);
    Report(groundCourse, news.groundCourse, news, now);
    Report(groundSpeed, news.groundSpeed, news, now);
    Report(position, news.position, news, now);
    Report(compass, news.sensorHeading, news, now);
    Report(magnetic, news.magneticHeading, news, now);
    Report(trueHeading, news.trueHeading, news, now);
    // The other frames of the heading reported, as "Prore" works them.
    Headings h;
    HeadingStart start = HeadingStart::Nothing;
    if (news.sensorHeading) {
        h.compass = *news.sensorHeading;
        start = ConvertHeadings(table, declination, true, false, false, h);
    } else if (news.magneticHeading) {
        h.magnetic = *news.magneticHeading;
        start = ConvertHeadings(table, declination, false, true, false, h);
    } else if (news.trueHeading) {
        h.trueHeading = *news.trueHeading;
        start = ConvertHeadings(table, declination, false, false, true, h);
    }
    if (start != HeadingStart::Nothing) {
        if (!news.sensorHeading)
            Derive(compass, h.compass, news, now);
        if (!news.magneticHeading)
            Derive(magnetic, h.magnetic, news, now);
        if (!news.trueHeading)
            Derive(trueHeading, h.trueHeading, news, now);
    }
    AddSample(now);
}

void LiveData::AddSample(std::int64_t now)
{
    const CurrentInputs in = ForCorrenti(now);
    if (!in.trueHeading || !in.waterSpeed || !in.groundCourse || !in.groundSpeed)
        return;
    if (!samples_.empty() && now - samples_.back().at < kCurrentSampleMs && now >= samples_.back().at)
        return;
    const Vector v = CurrentVector(*in.trueHeading, *in.waterSpeed, *in.groundCourse, *in.groundSpeed);
    samples_.push_back({now, v.north, v.east});
    while (samples_.size() > kMaxCurrentSamples || now - samples_.front().at >= kCurrentWindowMs)
        samples_.pop_front();
}

CurrentEstimate LiveData::Current(std::int64_t now) const
{
    double north = 0.0;
    double east = 0.0;
    std::size_t count = 0;
    for (const CurrentSample& s : samples_) {
        const std::int64_t age = now - s.at;
        if (age < 0 || age >= kCurrentWindowMs)
            continue;
        north += s.north;
        east += s.east;
        ++count;
    }
    if (count == 0)
        return {};
    return FromVector(north / static_cast<double>(count), east / static_cast<double>(count), count);
}

CurrentInputs LiveData::ForCorrenti(std::int64_t now) const
{
    return {trueHeading.FreshAt(now), waterSpeed.FreshAt(now), groundCourse.FreshAt(now), groundSpeed.FreshAt(now)};
}

void LiveData::Clear()
{
    *this = LiveData();
}

}  // namespace nav
