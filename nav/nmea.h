#pragma once
// NMEA 0183 sentences from the boat's instruments: the compass (HDG, HDM,
// HDT), the log (VHW) and the GPS (VTG, RMC, GGA, GLL), from any talker.
// Written here because Debian's gpsd reads positions but not the compass
// and log sentences, and this reader must stay small enough to read a
// million sentences a second.
//
// Units and signs: headings and courses are angle values on 0..1295999
// (seconds of arc, clockwise from north); the deviation is East positive
// (magnetic = compass + deviation); the variation West positive, as the
// program's declination; speeds are knots; positions decimal degrees, North
// and East positive. A field the sentence leaves empty has no value: never 0.

#include "nav/angle.h"
#include "nav/rhumb.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nav {

// Longer lines are dropped whole, however they go on.
inline constexpr std::size_t kMaxSentenceLength = 200;

enum class NmeaKind { HDG, HDM, HDT, VHW, VTG, RMC, GGA, GLL };

// What one sentence tells. A fix the sender marks invalid (RMC or GLL
// status V, GGA quality 0) tells nothing of its position, course or speed.
struct NmeaNews {
    std::array<char, 2> talker{};
    NmeaKind kind = NmeaKind::HDG;
    std::optional<Angle> sensorHeading;    // HDG: the compass's own heading
    std::optional<Angle> deviation;        // HDG
    std::optional<Angle> variation;        // HDG, RMC
    std::optional<Angle> magneticHeading;  // HDM, VHW
    std::optional<Angle> trueHeading;      // HDT, VHW
    std::optional<double> waterSpeed;      // VHW
    std::optional<Angle> groundCourse;     // VTG, RMC: true
    std::optional<double> groundSpeed;     // VTG, RMC
    std::optional<GeoPosition> position;   // RMC, GGA, GLL
};

enum class NmeaVerdict {
    Read,
    TooLong,
    NoChecksum,
    BadChecksum,
    Unknown,    // not a sentence, or of a kind not read here
    Malformed,  // a field that cannot be what its place says
};

// One line, without its end of line. `news` is written afresh only when
// the verdict is Read.
NmeaVerdict ReadSentence(std::string_view line, NmeaNews& news);

// Cuts a stream into lines at CR or LF, as bytes arrive in pieces of any
// size. A line beyond kMaxSentenceLength is dropped whole and counted, and
// holds no more memory than that.
class NmeaLines {
public:
    template <typename OnLine>
    void Feed(std::string_view bytes, OnLine&& onLine)
    {
        for (const char c : bytes) {
            if (c == '\r' || c == '\n') {
                if (overlong_)
                    ++dropped_;
                else if (!line_.empty())
                    onLine(std::string_view(line_));
                line_.clear();
                overlong_ = false;
            } else if (!overlong_) {
                if (line_.size() < kMaxSentenceLength)
                    line_.push_back(c);
                else {
                    overlong_ = true;
                    line_.clear();
                }
            }
        }
    }

    // Overlong lines dropped so far.
    std::size_t Dropped() const { return dropped_; }

private:
    std::string line_;
    bool overlong_ = false;
    std::size_t dropped_ = 0;
};

}  // namespace nav
