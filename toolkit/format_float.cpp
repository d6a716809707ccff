#include "toolkit/format_float.h"

#include "nav/number_text.h"
#include "toolkit/text_format.h"

#include <cmath>
#include <algorithm>
#include <cstdlib>

namespace toolkit {

namespace {

constexpr int kGroupSize = 3;

struct Pattern {
    int integerZeros = 0;    // "0" before the point
    int fractionZeros = 0;   // "0" after the point
    int fractionHashes = 0;  // "#" after the point
    bool thousands = false;
    bool scientific = false;
    bool exponentPlus = false;
    int exponentDigits = 0;  // "0" after "E-" / "E+"
};

Pattern Parse(const QString& pattern)
{
    Pattern p;
    bool afterPoint = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < pattern.size()
            && (pattern.at(i + 1) == QLatin1Char('-') || pattern.at(i + 1) == QLatin1Char('+'))) {
            p.scientific = true;
            p.exponentPlus = pattern.at(i + 1) == QLatin1Char('+');
            for (i += 2; i < pattern.size() && pattern.at(i) == QLatin1Char('0'); ++i)
                ++p.exponentDigits;
            break;
        }
        if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',') && !afterPoint) {
            p.thousands = true;
        } else if (c == QLatin1Char('0')) {
            afterPoint ? ++p.fractionZeros : ++p.integerZeros;
        } else if (c == QLatin1Char('#') && afterPoint) {
            ++p.fractionHashes;
        }
    }
    return p;
}

QString Group(const QString& digits, QChar separator)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % kGroupSize == 0)
            out += separator;
        out += digits.at(i);
    }
    return out;
}

// The fixed text of |value| laid out by the pattern, without a sign.
QString Digits(const Pattern& p, double magnitude, bool* nonZero)
{
    const int places = p.fractionZeros + p.fractionHashes;
    const QString fixed = QString::fromStdString(nav::FixedText(magnitude, places));
    qsizetype point = fixed.indexOf(QLatin1Char('.'));
    QString integer = point < 0 ? fixed : fixed.left(point);
    QString fraction = point < 0 ? QString() : fixed.mid(point + 1);
    *nonZero = std::any_of(fixed.begin(), fixed.end(),
                           [](QChar c) { return c.isDigit() && c != QLatin1Char('0'); });
    while (fraction.size() > p.fractionZeros && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (integer == QLatin1String("0") && p.integerZeros == 0)
        integer.clear();
    while (integer.size() < p.integerZeros)
        integer.prepend(QLatin1Char('0'));
    if (p.thousands)
        integer = Group(integer, ThousandSeparator());
    return fraction.isEmpty() ? integer : integer + DecimalSeparator() + fraction;
}

}  // namespace

QString FormatFloat(const QString& pattern, double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const Pattern p = Parse(pattern);
    double magnitude = std::fabs(value);
    QString exponentText;
    if (p.scientific) {
        const int integerDigits = std::max(p.integerZeros, 1);
        int exponent = 0;
        if (magnitude != 0.0) {
            exponent = static_cast<int>(std::floor(std::log10(magnitude))) - (integerDigits - 1);
            magnitude /= std::pow(10.0, exponent);
            // Rounding may carry into one more integer digit (9.99 -> 10.0).
            const double limit = std::pow(10.0, integerDigits);
            const double rounded =
                nav::ParseDecimal(nav::FixedText(magnitude, p.fractionZeros + p.fractionHashes), '.')
                    .value_or(0.0);
            if (rounded >= limit) {
                magnitude /= 10.0;
                ++exponent;
            }
        }
        QString number = QString::number(std::abs(exponent));
        while (number.size() < p.exponentDigits)
            number.prepend(QLatin1Char('0'));
        const QString sign = exponent < 0 ? QStringLiteral("-") : (p.exponentPlus ? QStringLiteral("+") : QString());
        exponentText = QLatin1Char('E') + sign + number;
    }
    bool nonZero = false;
    const QString digits = Digits(p, magnitude, &nonZero);
    return (value < 0 && nonZero ? QStringLiteral("-") : QString()) + digits + exponentText;
}

}  // namespace toolkit
