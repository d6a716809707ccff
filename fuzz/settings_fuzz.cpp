// Any bytes as ORVAN_INI.INI: the reader never crashes and never reads past
// the bytes; what it accepts writes back to the same data, and gives a
// declination for every pair of years the dialog can hold and the file's own.

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
    const int years[] = {nav::kFirstYear, nav::kLastYear, read.chart->baseYear, read.chart->currentYear};
    for (const int base : years)
        for (const int current : years) {
            chart.baseYear = base;
            chart.currentYear = current;
            if (!nav::ComputeDeclination(chart))
                std::abort();
        }
    return 0;
}
