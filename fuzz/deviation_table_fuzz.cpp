// Any bytes as DEVIAZIONI.TXT: the parser must never crash, never write past
// the table, and every row it keeps must answer both lookups.

#include "nav/deviation_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const nav::DeviationParse parsed = nav::ParseDeviationTable(bytes);
    if (parsed.table.count < 0 || parsed.table.count > nav::kDeviationCapacity)
        std::abort();
    for (nav::Angle heading : {0, 1295999, -1, 648000}) {
        (void)nav::DeviationForCompass(parsed.table, heading);
        (void)nav::DeviationForMagnetic(parsed.table, heading);
    }
    return 0;
}
