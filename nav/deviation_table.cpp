#include "nav/deviation_table.h"

#include "nav/number_text.h"

#include <cmath>

namespace nav {

namespace {

constexpr char kEndOfFile = '\x1A';
constexpr char kCommentMark = '%';
constexpr char kFieldSeparator = ';';
constexpr std::size_t kMaxDeviationChars = 20;

// Unicode of the Windows-1252 bytes 0x80..0x9F (0 where the code page has none).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The file's decimal mark is "." or ",": the first "." becomes "," and the
// field is read with ",", so "2.5" and "2,5" agree and "1,234.5" is refused.
std::string WithCommaMark(std::string_view field)
{
    std::string text(field);
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text[dot] = ',';
    return text;
}

std::optional<double> ReadField(std::string_view field, std::optional<std::string>* error)
{
    const std::string text = WithCommaMark(field);
    const auto value = ParseDecimal(text, ',');
    if (!value)
        *error = "'" + Cp1252ToUtf8(text) + "' is not a valid floating point value";
    return value;
}

// Distance of two degree numbers on the circle, 0..180.
double CircularDistance(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

template <typename Column>
Angle NearestDeviation(const DeviationTable& table, Angle heading, Column column)
{
    const double k = FloorDegrees(heading);
    constexpr double kFarther = 1000.0;  // beyond any distance on the circle
    double best = kFarther;
    int chosen = 0;
    for (int i = 0; i < table.count; ++i) {
        const double d = CircularDistance(k, column(table.rows[static_cast<std::size_t>(i)]));
        if (d < best) {
            best = d;
            chosen = i;
        }
    }
    return DegreesToAngle(table.rows[static_cast<std::size_t>(chosen)].Dev);
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b < 0x20 || b == 0x7F)
            c = kReplacement;
        else if (b >= 0x80 && b < 0xA0)
            c = kHighControls[b - 0x80] ? kHighControls[b - 0x80] : kReplacement;
        AppendUtf8(out, c);
    }
    return out;
}

DeviationParse ParseDeviationTable(std::string_view bytes)
{
    DeviationParse result;
    if (const auto end = bytes.find(kEndOfFile); end != std::string_view::npos)
        bytes = bytes.substr(0, end);

    DeviationTable& table = result.table;
    std::size_t pos = 0;
    while (pos < bytes.size() && table.count < kDeviationCapacity) {
        std::size_t lineEnd = bytes.find_first_of("\r\n", pos);
        if (lineEnd == std::string_view::npos)
            lineEnd = bytes.size();
        const std::string_view line = bytes.substr(pos, lineEnd - pos);
        pos = lineEnd;
        if (pos < bytes.size() && bytes[pos] == '\r')
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;

        if (line.empty() || line.front() == kCommentMark)
            continue;
        const std::size_t separator = line.find(kFieldSeparator);
        if (separator == std::string_view::npos)
            continue;

        const auto pb = ReadField(line.substr(0, separator), &result.error);
        if (!pb)
            break;
        const auto dev = ReadField(line.substr(separator + 1, kMaxDeviationChars), &result.error);
        if (!dev)
            break;
        DeviationRow& row = table.rows[static_cast<std::size_t>(table.count)];
        row.Pb = *pb;
        row.Dev = *dev;
        row.Pm = WrapDegrees(*pb + *dev);
        ++table.count;
    }
    return result;
}

Angle DeviationForCompass(const DeviationTable& table, Angle compassHeading)
{
    return NearestDeviation(table, compassHeading, [](const DeviationRow& r) { return r.Pb; });
}

Angle DeviationForMagnetic(const DeviationTable& table, Angle magneticHeading)
{
    return NearestDeviation(table, magneticHeading, [](const DeviationRow& r) { return r.Pm; });
}

}  // namespace nav
