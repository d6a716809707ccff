#include "nav/declination.h"

#include "nav/deviation_table.h"
#include "nav/number_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace nav {

namespace {

constexpr int kSettingsLines = 4;
// A longer line is shown cut in a message.
constexpr std::size_t kShownCharacters = 40;
constexpr std::int64_t kLargestAngle = std::numeric_limits<Angle>::max();

std::string InvalidInteger(std::string_view text)
{
    std::string shown = Cp1252ToUtf8(text.substr(0, kShownCharacters));
    if (text.size() > kShownCharacters)
        shown += "\u2026";
    return "'" + shown + "' is not a valid integer value";
}

// The next line and the rest after it; a line ends at CR LF, LF, a lone CR
// or the end of the bytes.
std::string_view NextLine(std::string_view& bytes)
{
    const std::size_t end = bytes.find_first_of("\r\n");
    const std::string_view line = bytes.substr(0, end);
    if (end == std::string_view::npos) {
        bytes = {};
        return line;
    }
    const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    bytes.remove_prefix(end + (crlf ? 2 : 1));
    return line;
}

int SignOf(std::int32_t v)
{
    return v < 0 ? -1 : +1;
}

// The magnitude of a 32-bit value; the most negative one has none within 32 bits.
std::optional<Angle> Magnitude(std::int32_t v)
{
    if (v == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<Angle>(std::abs(v));
}

// A zero base reads back as West: its change is written as seen from West,
// so that it moves the declination the same way.
int ChangeSignOnWest(const ChartDeclination& chart)
{
    return chart.base == 0 ? chart.changeSign * chart.baseSign : chart.changeSign;
}

}  // namespace

std::optional<Angle> ComputeDeclination(const ChartDeclination& chart)
{
    const std::int64_t years = std::int64_t{chart.currentYear} - chart.baseYear;
    std::int64_t drift = 0;
    std::int64_t onItsSide = 0;
    if (__builtin_mul_overflow(std::int64_t{chart.change} * chart.changeSign, years, &drift)
        || __builtin_add_overflow(std::int64_t{chart.base}, drift, &onItsSide)
        || onItsSide > kLargestAngle || onItsSide < -kLargestAngle)
        return std::nullopt;
    return static_cast<Angle>(onItsSide * chart.baseSign);
}

int ChangeSignToward(int baseSign, int towardSign)
{
    return towardSign == baseSign ? +1 : -1;
}

int ChangeToward(int baseSign, int changeSign)
{
    return changeSign > 0 ? baseSign : -baseSign;
}

std::string FormatDeclination(Angle declination)
{
    const Angle magnitude = declination < 0 ? -declination : declination;
    std::string text = FormatAngle(magnitude);
    if (declination != 0)
        text += declination < 0 ? " E" : " W";
    return text;
}

std::string WriteSettings(const ChartDeclination& chart)
{
    std::string text;
    for (const std::int64_t v : {std::int64_t{chart.baseYear}, std::int64_t{chart.currentYear},
                                 std::int64_t{chart.base} * chart.baseSign,
                                 std::int64_t{chart.change} * ChangeSignOnWest(chart)})
        text += std::to_string(v) + "\r\n";
    return text;
}

SettingsRead ReadSettings(std::string_view bytes)
{
    std::int32_t values[kSettingsLines] = {};
    for (std::int32_t& value : values) {
        const std::string_view line = NextLine(bytes);
        const auto read = ParseInteger(line);
        if (!read)
            return {std::nullopt, InvalidInteger(line)};
        value = *read;
    }
    const auto base = Magnitude(values[2]);
    const auto change = Magnitude(values[3]);
    ChartDeclination chart{values[0], values[1], base.value_or(0), SignOf(values[2]), change.value_or(0),
                           SignOf(values[3])};
    // Every declination must be an angle value for the file's years and
    // for any the dialog's year spin edits can ask for.
    const std::int64_t yearSpan = std::int64_t{std::max({kLastYear, chart.baseYear, chart.currentYear})}
                                  - std::min({kFirstYear, chart.baseYear, chart.currentYear});
    if (!base || !change || std::int64_t{chart.base} + std::int64_t{chart.change} * yearSpan > kLargestAngle)
        return {std::nullopt, "Declinazione fuori limite in ORVAN_INI.INI"};
    return {chart, {}};
}

}  // namespace nav
