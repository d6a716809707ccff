#include "nav/declination.h"

#include "nav/deviation_table.h"

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

// "-" and digits only, within 32 bits.
std::optional<std::int32_t> ReadLineInteger(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kLargestAngle + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > kLargestAngle || value < -kLargestAngle - 1)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
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
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto read = ReadLineInteger(line);
        if (!read)
            return {std::nullopt, InvalidInteger(line)};
        value = *read;
    }
    const auto base = Magnitude(values[2]);
    const auto change = Magnitude(values[3]);
    ChartDeclination chart{values[0], values[1], base.value_or(0), SignOf(values[2]), change.value_or(0),
                           SignOf(values[3])};
    // Every declination the years of the dialog can ask for must be an angle value.
    constexpr std::int64_t kYearSpan = kLastYear - kFirstYear;
    if (!base || !change || std::int64_t{chart.base} + std::int64_t{chart.change} * kYearSpan > kLargestAngle)
        return {std::nullopt, "Declinazione fuori limite in ORVAN_INI.INI"};
    return {chart, {}};
}

}  // namespace nav
