// Any bytes as ORVAN_INI.INI: the reader never crashes and never reads past
// the bytes; what it accepts writes back to the same data, and gives a
// declination for every pair of years the dialog can hold.

#include "nav/declination.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const nav::SettingsRead read = nav::ReadSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.chart) {
        if (read.error.empty())
            std::abort();
        return 0;
    }
    if (nav::ReadSettings(nav::WriteSettings(*read.chart)).chart != read.chart)
        std::abort();
    nav::ChartDeclination chart = *read.chart;
    for (const int base : {nav::kFirstYear, nav::kLastYear})
        for (const int current : {nav::kFirstYear, nav::kLastYear}) {
            chart.baseYear = base;
            chart.currentYear = current;
            if (!nav::ComputeDeclination(chart))
                std::abort();
        }
    return 0;
}
