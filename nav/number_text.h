#pragma once
// Decimal numbers as the platform's string-to-number conversion reads them.

#include <optional>
#include <string>
#include <string_view>

namespace nav {

// Reads blanks, an optional sign, digits with at most one decimal separator
// (at least one digit in all), an optional exponent ("E" or "e", optional
// sign, digits) and blanks. Nothing else may stand in the text. Returns no
// value for any other text and for numbers beyond the double range.
std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator);

// Reads blanks, an optional sign, decimal digits and blanks into a 32-bit
// integer; no value when out of range or not such a text.
std::optional<int> ParseInteger(std::string_view text);

// Digits of |x| rounded half away from zero at `decimals` places (0..30),
// working from its 15 significant digits, so that binary noise never shows:
// 2.25 -> "2.3", 0.125 -> "0.13", 199.92 with 14 places -> "199.92000000000000".
// The point is "."; a sign is added only when a non-zero digit remains.
std::string FixedText(double x, int decimals);

}  // namespace nav
