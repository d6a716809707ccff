#include "nav/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace nav {

namespace {

constexpr int kReliableDigits = 15;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator)
{
    text = TrimBlanks(text);
    std::string normal;  // the same number with "." as its point, for from_chars
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            normal += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            ++digits;
            normal += c;
        } else if (c == decimalSeparator && !point) {
            point = true;
            normal += '.';
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        int exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits)
            normal += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    double value = 0.0;
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view text)
{
    text = TrimBlanks(text);
    // from_chars reads a "-" but no "+"; one sign at most.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && !IsDigit(text.front()))
            return std::nullopt;
    }
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::string FixedText(double x, int decimals)
{
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    decimals = decimals < 0 ? 0 : (decimals > 30 ? 30 : decimals);

    // The 15 significant digits a double holds reliably: d.dddddddddddddde+XX
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*e", kReliableDigits - 1, std::fabs(x));
    std::string digits;
    const char* p = scientific;
    for (; *p != 'e'; ++p)
        if (IsDigit(*p))
            digits += *p;
    const int exponent = std::atoi(p + 1);

    // digits = d1 d2 ... d15, value = 0.d1d2... x 10^(exponent + 1)
    int integerDigits = exponent + 1;
    const int keep = integerDigits + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            int k = keep - 1;
            while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9')
                digits[static_cast<std::size_t>(k--)] = '0';
            if (k >= 0) {
                ++digits[static_cast<std::size_t>(k)];
            } else {
                digits.insert(digits.begin(), '1');
                ++integerDigits;
            }
        }
    }
    // Pad so that there are integerDigits + decimals digits, with at least
    // one integer digit.
    if (integerDigits < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
        integerDigits = 1;
    }
    // A value rounded away altogether has only zeros, as many as the places.
    const auto total = static_cast<std::size_t>(integerDigits + decimals);
    digits.resize(total, '0');

    std::string text = digits.substr(0, static_cast<std::size_t>(integerDigits));
    if (decimals > 0)
        text += '.' + digits.substr(static_cast<std::size_t>(integerDigits));
    const bool nonZero = digits.find_first_not_of('0') != std::string::npos;
    return (x < 0 && nonZero) ? '-' + text : text;
}

}  // namespace nav
