// Random key sequences on the numeric edit box's rules (Standard and
// Thousands, both separator pairs): the text must always read as a number
// and the caret and selection must stay inside the text.

#include "toolkit/text_format.h"
#include "widgets/numeric/num_edit_model.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(const NumEditModel& m)
{
    if (!ReadNumberText(m.text).has_value())
        std::abort();
    if (m.selStart < 0 || m.selLength < 0 || m.selStart + m.selLength > m.text.size())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool italian = data[0] & 1;
    const TNumberFormat format = (data[0] & 2) ? TNumberFormat::Thousands : TNumberFormat::Standard;
    const int decimals = static_cast<int>(data[0] >> 2) % 5 - 1;  // -1 .. 3
    toolkit::ScopedFormatSettings locale(italian ? toolkit::FormatSettings{QLatin1Char(','), QLatin1Char('.')}
                                                 : toolkit::FormatSettings{QLatin1Char('.'), QLatin1Char(',')});
    NumEditModel m(decimals, format);
    m.text = FormatNumber(static_cast<double>(data[1]) / 7.0, decimals, format);
    const QString keys = QStringLiteral("0123456789-Ee.,x ");
    for (std::size_t i = 2; i < size; ++i) {
        const std::uint8_t b = data[i];
        const int length = static_cast<int>(m.text.size());
        switch (b % 8) {
        case 0:
            m.selStart = (b / 8) % (length + 1);
            m.selLength = 0;
            break;
        case 1:
            m.selStart = (b / 8) % (length + 1);
            m.selLength = (b / 64) % (length - m.selStart + 1);
            break;
        case 2:
            m.DeleteKey(true);
            break;
        case 3:
            m.DeleteKey(false);
            break;
        case 4:
            m.Regroup(b & 8);
            break;
        case 5:
            m.Paste(keys.mid((b / 8) % keys.size(), 3));
            break;
        default:
            m.TypeChar(keys.at((b / 8) % keys.size()));
            break;
        }
        Check(m);
    }
    return 0;
}
