#pragma once
// The boat's instruments as they last spoke: each value with the sentence
// and talker it came from and when, and the current (set and drift) as the
// vector mean of the last minute. Times are milliseconds on any clock the
// caller keeps (the program's is milliseconds since the epoch), so tests
// drive them.
//
// Frames: HDG's sensor heading is a compass heading, turned into magnetic
// and true with the program's deviation table and declination as "Prore"
// does; HDM and VHW's magnetic heading are magnetic, HDT and VHW's true
// heading true, and a magnetic heading reaches true through the program's
// declination. A heading a sentence reports wins over one derived from
// another frame while it is fresh. Courses over the ground are true.

#include "nav/angle.h"
#include "nav/deviation_table.h"
#include "nav/nmea.h"
#include "nav/rhumb.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace nav {

// A value turns grey after this long without news, and is blanked after the second.
inline constexpr std::int64_t kLiveStaleMs = 5000;
inline constexpr std::int64_t kLiveBlankMs = 30000;
// The current is the mean over this long, so that yawing averages out;
// one sample a second at most, so that a fast stream weighs as a slow one.
inline constexpr std::int64_t kCurrentWindowMs = 60000;
inline constexpr std::int64_t kCurrentSampleMs = 1000;
inline constexpr std::size_t kMaxCurrentSamples = kCurrentWindowMs / kCurrentSampleMs + 1;

enum class Freshness { Fresh, Stale, Blank };

// Fresh below kLiveStaleMs, stale below kLiveBlankMs, then blank. A clock
// set back (a negative age) counts as fresh.
Freshness FreshnessOf(std::int64_t ageMs);

template <typename T>
struct LiveValue {
    std::optional<T> value;
    NmeaKind sentence = NmeaKind::HDG;
    std::array<char, 2> talker{};
    std::int64_t at = 0;
    bool derived = false;  // worked out from another frame, not reported

    Freshness At(std::int64_t now) const { return value ? FreshnessOf(now - at) : Freshness::Blank; }
    // The value while it is fresh.
    std::optional<T> FreshAt(std::int64_t now) const
    {
        return At(now) == Freshness::Fresh ? value : std::nullopt;
    }
};

// Set (true, where the water goes) and drift (knots), from `samples` samples.
struct CurrentEstimate {
    Angle set = 0;
    double drift = 0.0;
    std::size_t samples = 0;
};

// What "Correnti" takes: each value while it is fresh.
struct CurrentInputs {
    std::optional<Angle> trueHeading;
    std::optional<double> waterSpeed;
    std::optional<Angle> groundCourse;
    std::optional<double> groundSpeed;
};

// The current from one pair of vectors: ground − water, in knots.
CurrentEstimate CurrentOf(Angle trueHeading, double waterSpeed, Angle groundCourse, double groundSpeed);

class LiveData {
public:
    // Takes one sentence read at `now`; the table and declination (West
    // positive) are the program's, for the compass and magnetic frames.
    void Take(const NmeaNews& news, std::int64_t now, const DeviationTable& table, Angle declination);

    // The mean current of the samples of the last kCurrentWindowMs; no
    // samples when none is that recent.
    CurrentEstimate Current(std::int64_t now) const;
    CurrentInputs ForCorrenti(std::int64_t now) const;
    void Clear();

    LiveValue<Angle> compass;
    LiveValue<Angle> magnetic;
    LiveValue<Angle> trueHeading;
    LiveValue<double> waterSpeed;
    LiveValue<Angle> groundCourse;
    LiveValue<double> groundSpeed;
    LiveValue<GeoPosition> position;
    LiveValue<Angle> variation;  // West positive, as the instruments report it

private:
    struct CurrentSample {
        std::int64_t at;
        double north;
        double east;
    };
    void AddSample(std::int64_t now);

    std::deque<CurrentSample> samples_;
};

}  // namespace nav
