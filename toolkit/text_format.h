#pragma once
// Text and numbers with the platform's rules: Format-style patterns, the
// locale's separators, string-to-number conversions and their error texts.

#include <QChar>
#include <QString>
#include <initializer_list>
#include <optional>
#include <variant>

namespace toolkit {

// The decimal and thousands separators in force. They come from the system
// locale unless a test (or the user's settings) overrides them.
struct FormatSettings {
    QChar decimalSeparator;
    QChar thousandSeparator;
};

FormatSettings CurrentFormatSettings();
QChar DecimalSeparator();
QChar ThousandSeparator();

// Overrides the separators while it lives; restores the previous ones after.
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(FormatSettings settings);
    ~ScopedFormatSettings();
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    std::optional<FormatSettings> previous_;
};

using FormatArg = std::variant<long long, double, QString>;

// Format("%3.0d° %2.0u'", {d, m}): conversions %d %u %f %s with an optional
// "-" (left-justify), width and precision, and "%%". For d and u the
// precision is the minimum number of digits (0 still writes "0"), for f the
// number of decimals (default 2, halves rounded away from zero, the locale's
// decimal separator), for s the maximum length. %u writes the magnitude.
QString Format(const QString& pattern, std::initializer_list<FormatArg> args);

// The platform's string-to-number conversion with the locale's decimal
// separator; no value when the text is not a number.
std::optional<double> StrToFloat(const QString& text);
std::optional<int> StrToInt(const QString& text);

// The conversions' standard error texts.
QString InvalidFloatMessage(const QString& text);
QString InvalidIntegerMessage(const QString& text);

}  // namespace toolkit
