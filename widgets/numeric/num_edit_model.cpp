#include "widgets/numeric/num_edit_model.h"

#include "nav/number_text.h"
#include "toolkit/format_float.h"
#include "toolkit/text_format.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kEngineeringStep = 3;
constexpr QChar kExponentMark = QLatin1Char('E');
constexpr QChar kMinus = QLatin1Char('-');
constexpr QChar kZero = QLatin1Char('0');

// People type either mark for the decimal point, whatever the locale, and
// the keypad's key gives one or the other by keyboard layout.
bool IsDecimalMark(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool Exponential(TNumberFormat f)
{
    return f == TNumberFormat::Scientific || f == TNumberFormat::Engineering;
}

QString Repeat(char c, int n)
{
    return QString(std::max(n, 0), QLatin1Char(c));
}

double PowerOfTen(int n)
{
    return nav::ParseDecimal("1E" + std::to_string(n), '.').value_or(std::pow(10.0, n));
}

QString FormatEngineering(double value, int decimals)
{
    const int k = static_cast<int>(std::trunc(std::log(std::fabs(value)) / std::log(10.0) / kEngineeringStep));
    const int n = kEngineeringStep * k;
    const double mantissa = value / PowerOfTen(n);
    int places = kMaxDecimals;
    if (mantissa > 9)
        --places;
    if (mantissa > 99)
        --places;
    if (decimals != kAutoDecimals && decimals < places)
        places = decimals;
    QString pattern = QStringLiteral("0");
    if (decimals == kAutoDecimals)
        pattern += QLatin1Char('.') + Repeat('#', places);
    else if (decimals != 0)
        pattern += QLatin1Char('.') + Repeat('0', places);
    return toolkit::FormatFloat(pattern, mantissa) + kExponentMark + QString::number(n);
}

}  // namespace

QString FormatNumber(double value, int decimals, TNumberFormat format)
{
    if (format == TNumberFormat::Engineering && value != 0.0)
        return FormatEngineering(value, decimals);

    const bool thousands = format == TNumberFormat::Thousands;
    const QString integerPart = thousands ? QStringLiteral(",0") : QStringLiteral("0");
    QString pattern = integerPart;
    if (decimals > 0)
        pattern += QLatin1Char('.') + Repeat('0', decimals);
    else if (decimals == kAutoDecimals)
        pattern += QLatin1Char('.') + Repeat('#', kMaxDecimals);
    if (Exponential(format))
        pattern += QStringLiteral("E-");
    QString text = toolkit::FormatFloat(pattern, value);
    const qsizetype point = text.indexOf(toolkit::DecimalSeparator());
    if (text.contains(kExponentMark) || point < 0)
        return text;

    const int integerDigits =
        static_cast<int>(std::count_if(text.begin(), text.begin() + point, IsDigit));
    const int room = std::max(kSignificantDigits - integerDigits, 0);
    if (decimals == kAutoDecimals) {
        if (thousands)
            text = toolkit::FormatFloat(integerPart + QLatin1Char('.') + Repeat('#', room), value);
    } else if (room < decimals) {
        // Places beyond 15 significant digits are shown as zeros.
        text = toolkit::FormatFloat(integerPart + (room > 0 ? QLatin1Char('.') + Repeat('0', room) : QString()),
                                    value);
        if (room == 0)
            text += toolkit::DecimalSeparator();
        text += Repeat('0', decimals - room);
    }
    return text;
}

QString CleanNumberText(const QString& text)
{
    QString clean = text;
    clean.remove(toolkit::ThousandSeparator());
    if (clean.isEmpty())
        return QStringLiteral("0");
    if (clean == QStringLiteral("-"))
        return QStringLiteral("-0");
    return clean;
}

namespace {

// An exponent beyond this says all there is to say about the magnitude.
constexpr long long kExponentCap = 1000000;

// The power of ten of the first significant digit of integer.fraction E exponent.
long long DecimalMagnitude(const std::string& integer, const std::string& fraction, long long exponent)
{
    const auto first = integer.find_first_not_of('0');
    if (first != std::string::npos)
        return static_cast<long long>(integer.size() - first) - 1 + exponent;
    const auto firstFraction = fraction.find_first_not_of('0');
    return -static_cast<long long>(firstFraction == std::string::npos ? 0 : firstFraction) - 1 + exponent;
}

}  // namespace

std::optional<double> ReadNumberText(const QString& text)
{
    const QString clean = CleanNumberText(text).trimmed();
    const QChar decimal = toolkit::DecimalSeparator();
    qsizetype i = 0;
    bool negative = false;
    if (i < clean.size() && (clean[i] == kMinus || clean[i] == QLatin1Char('+'))) {
        negative = clean[i] == kMinus;
        ++i;
    }
    const auto digitsFrom = [&](std::string& into) {
        for (; i < clean.size() && IsDigit(clean[i]); ++i)
            into += static_cast<char>(clean[i].unicode());
    };
    std::string integer;
    std::string fraction;
    digitsFrom(integer);
    if (i < clean.size() && clean[i] == decimal) {
        ++i;
        digitsFrom(fraction);
    }
    long long exponent = 0;
    if (i < clean.size() && clean[i].toUpper() == kExponentMark) {
        ++i;
        bool negativeExponent = false;
        if (i < clean.size() && (clean[i] == kMinus || clean[i] == QLatin1Char('+'))) {
            negativeExponent = clean[i] == kMinus;
            ++i;
        }
        std::string digits;
        digitsFrom(digits);
        for (const char d : digits)
            exponent = std::min(exponent * 10 + (d - '0'), kExponentCap);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != clean.size())
        return std::nullopt;

    const std::string normal = std::string(negative ? "-" : "") + (integer.empty() ? "0" : integer) + '.'
                               + (fraction.empty() ? "0" : fraction) + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error == std::errc::result_out_of_range || (error == std::errc() && !std::isfinite(value))) {
        // Beyond the range of a double: the largest one or zero, by magnitude.
        const bool huge = DecimalMagnitude(integer, fraction, exponent) > 0;
        value = huge ? DBL_MAX : 0.0;
        if (negative)
            value = -value;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

NumEditModel::NumEditModel(int decimals, TNumberFormat format)
    : decimals_(decimals)
    , format_(format)
{
}

int NumEditModel::Pos(QChar c) const
{
    return static_cast<int>(text.indexOf(c)) + 1;
}

void NumEditModel::ClampCaret()
{
    selStart = std::clamp(selStart, 0, static_cast<int>(text.size()));
    selLength = std::clamp(selLength, 0, static_cast<int>(text.size()) - selStart);
}

bool NumEditModel::TypeChar(QChar c)
{
    const QChar decimal = toolkit::DecimalSeparator();
    if (c == QLatin1Char('e'))
        c = kExponentMark;
    else if (IsDecimalMark(c))
        c = decimal;
    const bool digit = IsDigit(c);
    if (!digit && c != kMinus && c != kExponentMark && !(c == decimal && decimals_ != 0))
        return false;

    ClampCaret();
    // Where a "-" goes is decided on the text before anything changes: over
    // a selection that starts in the mantissa it toggles the mantissa's sign.
    const int s0 = selStart;
    const bool inMantissa = Pos(kExponentMark) == 0 || Pos(kExponentMark) > s0;
    if (c == kExponentMark || c == decimal)
        selLength = 0;
    else
        DeleteSelection();
    ClampCaret();
    // The edits are made where the marks are now. For a digit these give the
    // same rules as the places before: a deletion that moves a mark leaves
    // the caret in front of it.
    const int d = Pos(decimal);
    const int e = Pos(kExponentMark);

    const bool negative = text.startsWith(kMinus);
    const bool exponentNegative = e != 0 && text.mid(e).contains(kMinus);
    // Nothing is ever typed before the sign, nor between "E" and its sign.
    if (negative && selStart == 0)
        selStart = 1;
    if (exponentNegative && selStart == e)
        selStart = e + 1;

    if (c == kMinus) {
        if (inMantissa || e == 0) {
            if (negative) {
                text.remove(0, 1);
                selStart = s0 - 1;
            } else {
                text.prepend(kMinus);
                selStart = s0 + 1;
            }
        } else if (exponentNegative) {
            text.remove(e, 1);
            selStart = s0 - 1;
        } else {
            text.insert(e, kMinus);
            selStart = s0 + 1;
        }
        ClampCaret();
        return true;
    }

    if (c == decimal) {
        if (d != 0) {
            selStart = d;
        } else {
            const int at = decimals_ == kAutoDecimals ? (e != 0 ? e - 1 : static_cast<int>(text.size()))
                                                      : selStart;
            text.insert(at, decimal);
            selStart = at + 1;
        }
        return true;
    }

    if (c == kExponentMark) {
        if (e == 0) {
            text.append(kExponentMark);
            selStart = static_cast<int>(text.size());
        } else {
            selStart = e;
        }
        return true;
    }

    // A digit.
    if (selStart <= 2 && text.size() >= 2 && text[1] == kZero && negative) {
        selStart = 1;  // -0.5 and 3 give -3.5
        selLength = 1;
    } else if (selStart <= 1 && !text.isEmpty() && text[0] == kZero) {
        selStart = 0;  // the leading zero is replaced
        selLength = 1;
    } else if (e != 0 && selStart == e && text.size() > e && text[e] == kZero) {
        selLength = 1;
    } else if (e != 0 && selStart >= e) {
        const QString exponent = text.mid(e, selStart - e) + c + text.mid(selStart);
        const auto value = nav::ParseInteger(exponent.toStdString());
        if (!value || std::abs(*value) > kMaxExponent)
            return false;
    } else if (decimals_ > 0 && d != 0) {
        if (selStart == d + decimals_)
            return false;  // every place is filled
        if (selStart >= d)
            selLength = 1;  // overwrite the next place
    }
    text.replace(selStart, selLength, c);
    ++selStart;
    selLength = 0;
    return true;
}

void NumEditModel::DeleteChar(bool backspace)
{
    const QChar decimal = toolkit::DecimalSeparator();
    const QChar thousand = toolkit::ThousandSeparator();
    const int length = static_cast<int>(text.size());
    const int d = Pos(decimal);
    const int e = Pos(kExponentMark) != 0 ? Pos(kExponentMark) : length + 1;
    const bool negative = text.startsWith(kMinus);
    const auto steppedOver = [&](int b) {
        const QChar c = text[b - 1];
        return c == kExponentMark || c == thousand || c == decimal;
    };

    int b = 0;
    if (backspace) {
        if (selStart == 0)
            return;
        b = selStart;
        if (steppedOver(b))
            --b;
    } else {
        if (selStart + 1 > length)
            return;
        b = selStart + 1;
        if (steppedOver(b))
            ++b;
    }
    if (b == 0 || b > length)
        return;
    // A mark right behind the stepped-over one is deleted, but fixed places
    // keep their separator.
    if (text[b - 1] == decimal && decimals_ > 0)
        return;
    if (d != 0 && d < b && b < e) {
        // A decimal digit: with fixed places a zero closes the gap at the end.
        text.remove(b - 1, 1);
        if (decimals_ > 0)
            text.insert(e <= length ? e - 2 : static_cast<int>(text.size()), kZero);
        selStart = b - 1;
    } else if (b == 1 && negative) {
        text.remove(0, 1);
        if (text.isEmpty())
            text = QString(kZero);
        selStart = 0;
    } else if (b == 1 && (length == 1 || text[1] == decimal || text[1] == kExponentMark)) {
        text[0] = kZero;  // the only integer digit
        selStart = 1;
    } else {
        // An exponent's sign goes with its "E": "1.E-5" gives "1.5".
        const bool withSign = text[b - 1] == kExponentMark && b < length && text[b] == kMinus;
        text.remove(b - 1, withSign ? 2 : 1);
        selStart = b - 1;
        if (Exponential(format_) && text.endsWith(kExponentMark))
            text.append(kZero);
    }
    selLength = 0;
}

void NumEditModel::DeleteSelection()
{
    if (selLength == 0)
        return;
    if (selStart == 0 && selLength == text.size()) {
        text = FormatNumber(0.0, decimals_, format_);
        selStart = 0;
        selLength = 0;
        return;
    }
    const QString selected = text.mid(selStart, selLength);
    const int count = static_cast<int>(CleanNumberText(selected).size())
                      - (selected.contains(toolkit::DecimalSeparator()) ? 1 : 0);
    selStart += selLength;
    selLength = 0;
    for (int i = 0; i < count; ++i)
        DeleteChar(true);
}

void NumEditModel::DeleteKey(bool backspace)
{
    if (selLength > 0)
        DeleteSelection();
    else
        DeleteChar(backspace);
}

QString NumEditModel::SelectionForClipboard() const
{
    return CleanNumberText(text.mid(selStart, selLength));
}

int NumEditModel::Paste(const QString& clipboard)
{
    DeleteSelection();
    int refused = 0;
    for (const QChar c : clipboard)
        refused += TypeChar(c) ? 0 : 1;
    return refused;
}

void NumEditModel::Regroup(bool enterOrSpace)
{
    if (format_ != TNumberFormat::Thousands || selLength != 0)
        return;
    const auto value = ReadNumberText(text);
    if (!value)
        return;
    const QChar thousand = toolkit::ThousandSeparator();
    const QChar decimal = toolkit::DecimalSeparator();
    const QString before = text;
    const QString after = FormatNumber(*value, decimals_, format_);
    const auto countBefore = static_cast<int>(before.count(thousand));
    const auto countAfter = static_cast<int>(after.count(thousand));
    if (countBefore == countAfter && before.indexOf(thousand) == after.indexOf(thousand) && !enterOrSpace)
        return;
    text = after;
    int caret = selStart + countAfter - countBefore;
    if (after.contains(decimal) && !before.contains(decimal))
        ++caret;
    else if (before.contains(decimal) && !after.contains(decimal))
        --caret;
    caret = std::clamp(caret, 0, static_cast<int>(text.size()));
    if (caret < text.size() && text[caret] == thousand)
        ++caret;
    selStart = caret;
}
