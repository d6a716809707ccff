#pragma once
// Pattern-based number formatting with the locale's separators. Pattern
// elements: "0" a digit always shown, "#" a digit shown only when
// significant, "." the place of the decimal separator, "," (before the
// point) grouping of the integer digits in threes, "E-" or "E+" scientific
// notation (after "E-" the exponent carries a sign only when negative). The
// number is rounded, halves away from zero, to the digits the pattern shows.

#include <QString>

namespace toolkit {

QString FormatFloat(const QString& pattern, double value);

}  // namespace toolkit
