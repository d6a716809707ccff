// Any bytes as a pasted position: the reader never crashes, and a position
// it accepts lies on the globe and can be written as charts print it.

#include "nav/rhumb.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr double kPole = 90.0;
constexpr double kAntimeridian = 180.0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto position = nav::ReadPosition(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!position)
        return 0;
    if (!(std::abs(position->latitude) <= kPole) || !(std::abs(position->longitude) <= kAntimeridian))
        std::abort();
    if (nav::FormatPosition(*position, ',').empty())
        std::abort();
    return 0;
}
