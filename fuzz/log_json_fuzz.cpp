// Any bytes as the calculation log's file: the reader never crashes, keeps
// at most the log's entries, and what it accepts writes back to the same
// entries.

#include "worksheet/log_json.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = worksheet::ReadLogJson(bytes);
    if (!read)
        return 0;
    if (read->size() > worksheet::kMaxEntries)
        std::abort();
    const auto again = worksheet::ReadLogJson(worksheet::LogJson(*read));
    if (!again || again->size() != read->size())
        std::abort();
    for (std::size_t i = 0; i < read->size(); ++i) {
        if ((*again)[i].worked != (*read)[i].worked || (*again)[i].time != (*read)[i].time)
            std::abort();
    }
    return 0;
}
