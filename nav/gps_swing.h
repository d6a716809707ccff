#pragma once
// The compass swing from the GPS, in slack water and with no leeway: the
// course over the ground is then the heading through the water, so the
// magnetic course less the compass heading held is the deviation on that
// heading. Samples are gathered for a fixed time; directions are averaged
// as unit vectors (350° and 010° average to 000°).
//
// Units and signs: times are milliseconds on one clock (the sentences'
// clock); headings and courses are angle values; the declination is West
// positive (magnetic = true + declination); the deviation East positive
// (magnetic = compass + deviation); speeds are knots; results are degrees
// rounded to a tenth, as much as a compass and a GPS can tell.
//
// The compass heading is HDG's sensor heading. Only when no HDG came during
// the measurement is the HDM (or VHW) magnetic heading taken in its place:
// a fluxgate's HDM already applies the fluxgate's own correction, so the row
// then holds the deviation that remains in that instrument's reading, and
// the result says it came from HDM.
//
// A course counts with its speed, from a sentence that gives both (RMC,
// VTG). The spread of a set of directions is the largest angular distance
// of one sample from their mean, not a standard deviation: one second off
// course is enough to refuse.

#include "nav/angle.h"
#include "nav/nmea.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace nav {

inline constexpr std::int64_t kGpsSwingMillis = 30'000;
// Below this mean speed the GPS course is too loose to read a deviation.
inline constexpr double kGpsSwingMinSpeed = 2.0;
// Degrees of spread, for the heading and for the course.
inline constexpr double kGpsSwingMaxSpread = 3.0;
// A row whose heading is this near (degrees, on the circle) is the same
// heading observed again: the new observation replaces it.
inline constexpr double kSameHeadingDegrees = 3.0;

// TooLarge: a deviation beyond what a table row may hold, which says the
// declination or an instrument is wrong rather than the compass.
enum class GpsSwingRefusal { None, NoHeading, NoCourse, TooSlow, HeadingWandered, CourseWandered, TooLarge };

enum class SwingHeadingSource { Hdg, Hdm };

struct GpsSwingResult {
    GpsSwingRefusal refusal = GpsSwingRefusal::None;
    // As far as the samples go, also with a refusal, for its message.
    SwingHeadingSource source = SwingHeadingSource::Hdg;
    int headingSamples = 0;
    int courseSamples = 0;
    Angle declination = 0;      // as applied
    double compassHeading = 0;  // [0, 360)
    double trueCourse = 0;      // [0, 360)
    double magneticCourse = 0;  // [0, 360)
    double deviation = 0;       // [-180, 180], magneticCourse - compassHeading as rounded
    double headingSpread = 0;
    double courseSpread = 0;
    double speed = 0;  // mean
};

struct DirectionMean {
    double mean = 0;    // degrees, [0, 360)
    double spread = 0;  // degrees, largest distance of a sample from the mean
};

// Of at least one direction.
DirectionMean MeanDirection(const std::vector<Angle>& directions);

// The row among `headings` (degrees; none where a row has no heading yet)
// nearest to `heading` within kSameHeadingDegrees.
std::optional<std::size_t> SameHeadingRow(const std::vector<std::optional<double>>& headings, double heading);

// One measurement on one heading: started, fed, finished once its time is up.
class GpsSwing {
public:
    // Forgets any samples and starts the time at `now`.
    void Start(std::int64_t now);
    void Cancel();
    bool Running() const { return running_; }
    // Milliseconds left; 0 when over or not running.
    std::int64_t Remaining(std::int64_t now) const;
    // A sentence read at `time`; outside the measurement's time it does not count.
    void Add(const NmeaNews& news, std::int64_t time);
    // Once the time is up, the result (and the measurement ends); before, nothing.
    std::optional<GpsSwingResult> Finish(std::int64_t now, Angle declination);

private:
    bool running_ = false;
    std::int64_t start_ = 0;
    std::vector<Angle> sensorHeadings_;
    std::vector<Angle> magneticHeadings_;
    std::vector<Angle> courses_;
    double speedSum_ = 0;
};

}  // namespace nav
