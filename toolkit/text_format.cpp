#include "toolkit/text_format.h"

#include "nav/number_text.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace toolkit {

namespace {

std::optional<FormatSettings>& Override()
{
    static std::optional<FormatSettings> settings;
    return settings;
}

// The byte that stands for a non-ASCII separator while the text is parsed.
constexpr char kForeignSeparator = '\x01';

// The text as ASCII for the nav parsers, the decimal separator mapped to a
// single byte; no value when the text holds any other non-ASCII character.
std::optional<std::string> AsciiNumberText(const QString& text, QChar decimal, char* separatorByte)
{
    *separatorByte = decimal.unicode() < 0x80 ? static_cast<char>(decimal.unicode()) : kForeignSeparator;
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c == decimal)
            out += *separatorByte;
        else if (c.unicode() < 0x80 && c.unicode() != static_cast<unsigned char>(kForeignSeparator))
            out += static_cast<char>(c.unicode());
        else
            return std::nullopt;
    }
    return out;
}

struct Conversion {
    bool left = false;
    int width = -1;
    int precision = -1;
    QChar type;
};

long long AsInteger(const FormatArg& arg)
{
    if (const auto* i = std::get_if<long long>(&arg))
        return *i;
    if (const auto* d = std::get_if<double>(&arg))
        return std::llround(*d);
    return std::get<QString>(arg).toLongLong();
}

double AsDouble(const FormatArg& arg)
{
    if (const auto* d = std::get_if<double>(&arg))
        return *d;
    if (const auto* i = std::get_if<long long>(&arg))
        return static_cast<double>(*i);
    return std::get<QString>(arg).toDouble();
}

QString AsString(const FormatArg& arg)
{
    if (const auto* s = std::get_if<QString>(&arg))
        return *s;
    if (const auto* i = std::get_if<long long>(&arg))
        return QString::number(*i);
    return QString::number(std::get<double>(arg));
}

QString Convert(const Conversion& conversion, const FormatArg& arg)
{
    QString body;
    const char type = conversion.type.toLower().toLatin1();
    if (type == 'd' || type == 'u') {
        const long long v = AsInteger(arg);
        const unsigned long long magnitude =
            v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        body = QString::number(magnitude);
        if (conversion.precision > body.size())
            body = QString(conversion.precision - body.size(), QLatin1Char('0')) + body;
        if (type == 'd' && v < 0)
            body.prepend(QLatin1Char('-'));
    } else if (type == 'f') {
        const int decimals = conversion.precision < 0 ? 2 : conversion.precision;
        body = QString::fromStdString(nav::FixedText(AsDouble(arg), decimals));
        body.replace(QLatin1Char('.'), DecimalSeparator());
    } else {
        body = AsString(arg);
        if (conversion.precision >= 0 && body.size() > conversion.precision)
            body.truncate(conversion.precision);
    }
    if (body.size() < conversion.width) {
        const QString fill(conversion.width - body.size(), QLatin1Char(' '));
        body = conversion.left ? body + fill : fill + body;
    }
    return body;
}

}  // namespace

FormatSettings CurrentFormatSettings()
{
    if (Override())
        return *Override();
    const QLocale system = QLocale::system();
    return {system.decimalPoint().at(0), system.groupSeparator().isEmpty()
                                              ? QChar(QLatin1Char(' '))
                                              : system.groupSeparator().at(0)};
}

QChar DecimalSeparator()
{
    return CurrentFormatSettings().decimalSeparator;
}

QChar ThousandSeparator()
{
    return CurrentFormatSettings().thousandSeparator;
}

ScopedFormatSettings::ScopedFormatSettings(FormatSettings settings)
    : previous_(Override())
{
    Override() = settings;
}

ScopedFormatSettings::~ScopedFormatSettings()
{
    Override() = previous_;
}

QString Format(const QString& pattern, std::initializer_list<FormatArg> args)
{
    QString out;
    auto next = args.begin();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i + 1 < pattern.size() && pattern.at(i + 1) == QLatin1Char('%')) {
            out += c;
            ++i;
            continue;
        }
        Conversion conversion;
        qsizetype j = i + 1;
        if (j < pattern.size() && pattern.at(j) == QLatin1Char('-')) {
            conversion.left = true;
            ++j;
        }
        auto readNumber = [&]() {
            int n = -1;
            while (j < pattern.size() && pattern.at(j).isDigit()) {
                n = (n < 0 ? 0 : n * 10) + pattern.at(j).digitValue();
                ++j;
            }
            return n;
        };
        conversion.width = readNumber();
        if (j < pattern.size() && pattern.at(j) == QLatin1Char('.')) {
            ++j;
            conversion.precision = std::max(readNumber(), 0);
        }
        if (j >= pattern.size() || next == args.end()) {
            out += pattern.mid(i);  // an incomplete conversion stays as written
            break;
        }
        conversion.type = pattern.at(j);
        out += Convert(conversion, *next++);
        i = j;
    }
    return out;
}

std::optional<double> StrToFloat(const QString& text)
{
    char separator = '.';
    const auto ascii = AsciiNumberText(text, DecimalSeparator(), &separator);
    if (!ascii)
        return std::nullopt;
    return nav::ParseDecimal(*ascii, separator);
}

std::optional<int> StrToInt(const QString& text)
{
    return nav::ParseInteger(text.toStdString());
}

QString InvalidFloatMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString InvalidIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

}  // namespace toolkit
