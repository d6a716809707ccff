#include "nav/gps_swing.h"

#include "nav/deviation_file.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nav {

namespace {

constexpr double kFullTurn = 360.0;
constexpr double kTenths = 10.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

double Tenths(double x)
{
    return std::round(x * kTenths) / kTenths;
}

double Radians(Angle a)
{
    return static_cast<double>(a) / kSecondsPerDegree / kDegreesPerRadian;
}

// Signed distance on the circle, [-180, 180].
double Turn(double from, double to)
{
    return std::remainder(to - from, kFullTurn);
}

}  // namespace

DirectionMean MeanDirection(const std::vector<Angle>& directions)
{
    double east = 0;
    double north = 0;
    for (const Angle a : directions) {
        east += std::sin(Radians(a));
        north += std::cos(Radians(a));
    }
    DirectionMean m;
    m.mean = OnCircle(std::atan2(east, north) * kDegreesPerRadian);
    for (const Angle a : directions)
        m.spread = std::max(m.spread, std::abs(Turn(m.mean, static_cast<double>(a) / kSecondsPerDegree)));
    return m;
}

std::optional<std::size_t> SameHeadingRow(const std::vector<std::optional<double>>& headings, double heading)
{
    std::optional<std::size_t> nearest;
    double nearestDistance = kSameHeadingDegrees;
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (!headings[i])
            continue;
        const double distance = std::abs(Turn(heading, *headings[i]));
        if (distance <= nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void GpsSwing::Start(std::int64_t now)
{
    *this = GpsSwing();
    running_ = true;
    start_ = now;
}

void GpsSwing::Cancel()
{
    running_ = false;
}

std::int64_t GpsSwing::Remaining(std::int64_t now) const
{
    return running_ ? std::clamp<std::int64_t>(start_ + kGpsSwingMillis - now, 0, kGpsSwingMillis) : 0;
}

void GpsSwing::Add(const NmeaNews& news, std::int64_t time)
{
    if (!running_ || time < start_ || time >= start_ + kGpsSwingMillis)
        return;
    if (news.sensorHeading)
        sensorHeadings_.push_back(*news.sensorHeading);
    if (news.magneticHeading)
        magneticHeadings_.push_back(*news.magneticHeading);
    if (news.groundCourse && news.groundSpeed) {
        courses_.push_back(*news.groundCourse);
        speedSum_ += *news.groundSpeed;
    }
}

std::optional<GpsSwingResult> GpsSwing::Finish(std::int64_t now, Angle declination)
{
    if (!running_ || Remaining(now) > 0)
        return std::nullopt;
    running_ = false;

    GpsSwingResult r;
    const bool hdg = !sensorHeadings_.empty();
    r.source = hdg ? SwingHeadingSource::Hdg : SwingHeadingSource::Hdm;
    const std::vector<Angle>& headings = hdg ? sensorHeadings_ : magneticHeadings_;
    r.headingSamples = static_cast<int>(headings.size());
    r.courseSamples = static_cast<int>(courses_.size());
    if (headings.empty()) {
        r.refusal = GpsSwingRefusal::NoHeading;
        return r;
    }
    if (courses_.empty()) {
        r.refusal = GpsSwingRefusal::NoCourse;
        return r;
    }
    const DirectionMean heading = MeanDirection(headings);
    const DirectionMean course = MeanDirection(courses_);
    r.declination = declination;
    r.compassHeading = OnCircle(Tenths(heading.mean));
    r.trueCourse = OnCircle(Tenths(course.mean));
    r.magneticCourse = OnCircle(Tenths(r.trueCourse + static_cast<double>(declination) / kSecondsPerDegree));
    // From the rounded figures, so that the worked steps add up.
    r.deviation = Tenths(Turn(r.compassHeading, r.magneticCourse));
    r.headingSpread = Tenths(heading.spread);
    r.courseSpread = Tenths(course.spread);
    r.speed = Tenths(speedSum_ / r.courseSamples);

    if (speedSum_ / r.courseSamples < kGpsSwingMinSpeed)
        r.refusal = GpsSwingRefusal::TooSlow;
    else if (heading.spread > kGpsSwingMaxSpread)
        r.refusal = GpsSwingRefusal::HeadingWandered;
    else if (course.spread > kGpsSwingMaxSpread)
        r.refusal = GpsSwingRefusal::CourseWandered;
    else if (std::abs(r.deviation) > kMaxRowDeviation)
        r.refusal = GpsSwingRefusal::TooLarge;
    return r;
}

}  // namespace nav
