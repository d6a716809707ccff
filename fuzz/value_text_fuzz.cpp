// Any bytes as a pasted value: the reader never crashes, an angle it takes
// lies within the field's degrees and reads back the same from its copy
// text, and a speed lies within its range. Texts longer than the reader
// takes are refused unread.

#include "nav/value_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr double kHighestKnots = 50.0;

// The degree ranges of the fields: directions, a deviation, a leeway, and
// the polar bearing's three modes.
struct Degrees {
    int lowest;
    int highest;
};
constexpr Degrees kRanges[] = {{0, 359}, {-90, 90}, {-45, 45}, {0, 180}, {-180, 0}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Degrees& range : kRanges) {
        const auto angle = nav::ReadAngleText(text, range.lowest, range.highest);
        if (!angle)
            continue;
        if (size > nav::kMaxValueTextBytes)
            std::abort();
        const int degrees = *angle / nav::kSecondsPerDegree;
        if (degrees < range.lowest || degrees > range.highest)
            std::abort();
        const std::string copy = nav::AngleCopyText(*angle, range.lowest, range.highest);
        if (nav::ReadAngleText(copy, range.lowest, range.highest) != angle)
            std::abort();
    }
    if (const auto knots = nav::ReadSpeedText(text, kHighestKnots); knots && !(*knots >= 0 && *knots <= kHighestKnots))
        std::abort();
    return 0;
}
