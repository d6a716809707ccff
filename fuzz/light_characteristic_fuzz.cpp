// Any bytes as a light's characteristic: the reader never crashes, keeps
// every value it accepts within its bounds, and whatever it accepts has
// words in both languages with either decimal mark. Texts longer than the
// reader takes are refused unread, so memory stays small.

#include "nav/light_characteristic.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

bool Within(const std::optional<double>& value, double least, double most)
{
    return !value || (*value >= least && *value <= most);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto light = nav::ReadCharacteristic(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!light)
        return 0;
    for (const int group : light->groups)
        if (group < 1 || group > nav::kMaxLightGroup)
            std::abort();
    if (!Within(light->period, 0, nav::kMaxLightPeriod) || !Within(light->height, 0, nav::kMaxLightHeight) ||
        !Within(light->range, 0, nav::kMaxLightRange))
        std::abort();
    for (const nav::Language language : {nav::Language::Italian, nav::Language::English})
        for (const char mark : {'.', ','})
            if (nav::DescribeCharacteristic(*light, language, mark).empty())
                std::abort();
    return 0;
}
