// Any bytes as an instrument stream, cut at every size the network might
// cut it: the reader never crashes, holds no more than one sentence's length,
// and what it reads lies within the ranges its header promises.

#include "nav/nmea.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr double kPole = 90.0;
constexpr double kAntimeridian = 180.0;
constexpr double kHalfTurn = 180 * nav::kSecondsPerDegree;

void Check(const nav::NmeaNews& n)
{
    for (const auto& direction : {n.sensorHeading, n.magneticHeading, n.trueHeading, n.groundCourse})
        if (direction && (*direction < 0 || *direction >= nav::kFullCircle))
            std::abort();
    for (const auto& sided : {n.deviation, n.variation})
        if (sided && (*sided < -kHalfTurn || *sided > kHalfTurn))
            std::abort();
    for (const auto& speed : {n.waterSpeed, n.groundSpeed})
        if (speed && !(*speed >= 0.0))
            std::abort();
    if (n.position && !(std::abs(n.position->latitude) <= kPole && std::abs(n.position->longitude) <= kAntimeridian))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the size of the pieces the stream arrives in.
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
    nav::NmeaLines lines;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        lines.Feed(stream.substr(at, piece), [](std::string_view line) {
            if (line.size() > nav::kMaxSentenceLength)
                std::abort();
            nav::NmeaNews news;
            if (nav::ReadSentence(line, news) == nav::NmeaVerdict::Read)
                Check(news);
        });
    }
    return 0;
}
