#include "nav/value_text.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace nav {

namespace {

// The marks of the three numbers, after the text is brought to plain ASCII.
constexpr char kDegreeMark = 'd';
constexpr char kMinuteMark = 'm';
constexpr char kSecondMark = 's';
constexpr char kMarks[] = {kDegreeMark, kMinuteMark, kSecondMark};
constexpr int kMaxNumbers = 3;
// More whole digits than this are no angle of any field, and the arithmetic stays in range.
constexpr std::size_t kMaxWholeDigits = 9;
constexpr std::int64_t kMaxPart = 59;
constexpr int kMinutesPerDegree = 60;
// Room for the longest angle's copy text.
constexpr std::size_t kCopyTextBytes = 32;

// The UTF-8 signs a copied angle may carry, as the ASCII the reader works on.
struct Spelling {
    std::string_view utf8;
    char plain;
};
constexpr Spelling kSpellings[] = {
    {"\u2212", '-'},        // minus sign
    {"\u00B0", kDegreeMark}, {"\u00BA", kDegreeMark},  // degree sign, and the ordinal often typed for it
    {"''", kSecondMark},    {"'", kMinuteMark},  {"\u2032", kMinuteMark}, {"\u2019", kMinuteMark},
    {"\"", kSecondMark},    {"\u2033", kSecondMark}, {"\u201D", kSecondMark},
    {"\u00A0", ' '},        {"\t", ' '}, {"\r", ' '}, {"\n", ' '},
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text with every accepted sign as one ASCII character; none when the
// text is too long or holds anything else.
std::optional<std::string> Plain(std::string_view text)
{
    if (text.size() > kMaxValueTextBytes)
        return std::nullopt;
    std::string plain;
    while (!text.empty()) {
        const char c = text.front();
        if (IsDigit(c) || c == '.' || c == ',' || c == '+' || c == '-' || c == ' ') {
            plain += c;
            text.remove_prefix(1);
            continue;
        }
        bool known = false;
        for (const Spelling& s : kSpellings) {
            if (text.starts_with(s.utf8)) {
                plain += s.plain;
                text.remove_prefix(s.utf8.size());
                known = true;
                break;
            }
        }
        if (!known)
            return std::nullopt;
    }
    return plain;
}

struct Number {
    double value = 0;
    bool fraction = false;
};

void SkipBlanks(std::string_view& text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
}

// Digits, optionally a point or a comma and more digits.
std::optional<Number> ReadNumber(std::string_view& text)
{
    std::string normal;
    std::size_t whole = 0;
    while (whole < text.size() && IsDigit(text[whole]))
        ++whole;
    if (whole == 0 || whole > kMaxWholeDigits)
        return std::nullopt;
    normal = text.substr(0, whole);
    text.remove_prefix(whole);
    Number number;
    if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
        std::size_t digits = 1;
        while (digits < text.size() && IsDigit(text[digits]))
            ++digits;
        if (digits == 1)
            return std::nullopt;
        normal += '.';
        normal += text.substr(1, digits - 1);
        text.remove_prefix(digits);
        number.fraction = true;
    }
    std::from_chars(normal.data(), normal.data() + normal.size(), number.value);
    return number;
}

std::int64_t Seconds(double value, Angle secondsPerUnit)
{
    return static_cast<std::int64_t>(RoundHalfEven(value * secondsPerUnit));
}

}  // namespace

std::optional<Angle> ReadAngleText(std::string_view text, int lowestDegrees, int highestDegrees)
{
    const auto plain = Plain(text);
    if (!plain)
        return std::nullopt;
    std::string_view rest = *plain;
    SkipBlanks(rest);
    char sign = 0;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        sign = rest.front();
        rest.remove_prefix(1);
        SkipBlanks(rest);
    }
    Number numbers[kMaxNumbers];
    int count = 0;
    while (!rest.empty()) {
        if (count == kMaxNumbers || (count > 0 && numbers[count - 1].fraction))
            return std::nullopt;
        const auto number = ReadNumber(rest);
        if (!number)
            return std::nullopt;
        SkipBlanks(rest);
        if (!rest.empty() && !IsDigit(rest.front())) {
            if (rest.front() != kMarks[count])
                return std::nullopt;
            rest.remove_prefix(1);
            SkipBlanks(rest);
        }
        numbers[count++] = *number;
    }
    if (count == 0)
        return std::nullopt;
    const Number& minutes = numbers[1];
    const std::int64_t seconds = static_cast<std::int64_t>(RoundHalfEven(numbers[2].value));
    if (minutes.value >= kMinutesPerDegree || seconds > kMaxPart)
        return std::nullopt;
    const std::int64_t total = Seconds(numbers[0].value, kSecondsPerDegree) + Seconds(minutes.value, kSecondsPerMinute)
                               + seconds;
    const std::int64_t degrees = total / kSecondsPerDegree;
    if (highestDegrees <= 0 && lowestDegrees < 0) {
        if ((sign == '+' && total > 0) || degrees > -std::int64_t{lowestDegrees})
            return std::nullopt;
        return static_cast<Angle>(-total);
    }
    const bool negative = sign == '-' && total > 0;
    if (negative ? lowestDegrees >= 0 || -degrees < lowestDegrees : degrees > highestDegrees || degrees < lowestDegrees)
        return std::nullopt;
    return static_cast<Angle>(negative ? -total : total);
}

std::optional<double> ReadSpeedText(std::string_view text, double highest)
{
    const auto plain = Plain(text);
    if (!plain)
        return std::nullopt;
    std::string_view rest = *plain;
    SkipBlanks(rest);
    const auto number = ReadNumber(rest);
    SkipBlanks(rest);
    if (!number || !rest.empty() || number->value > highest)
        return std::nullopt;
    return number->value;
}

std::string AngleCopyText(Angle a, int lowestDegrees, int highestDegrees)
{
    const bool direction = lowestDegrees == 0 && highestDegrees == kHighestDirectionDegrees;
    const Dms dms = SplitAngle(a);
    char text[kCopyTextBytes];
    if (direction)
        std::snprintf(text, sizeof text, "%03d\u00B0 %02d' %02d\"", dms.degrees, dms.minutes, dms.seconds);
    else
        std::snprintf(text, sizeof text, "%s%d\u00B0 %02d' %02d\"", a < 0 ? "-" : "", dms.degrees, dms.minutes,
                      dms.seconds);
    return text;
}

}  // namespace nav
