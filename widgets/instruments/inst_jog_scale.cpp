#include "widgets/instruments/inst_jog_scale.h"

#include "nav/angle.h"
#include "nav/number_text.h"
#include "toolkit/text_format.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kSignificantDigits = 8;
constexpr double kExponentFrom = 1e8;
// A label's field is at most this wide, whatever width the format asks for.
constexpr int kMaxLabelField = 256;

struct Placeholder {
    bool left = false;
    int width = 0;
    int precision = -1;
};

// Reads the digits at `at`, moving past them; the number held to kMaxLabelField.
int ReadField(const QString& text, qsizetype& at)
{
    int n = 0;
    for (; at < text.size() && text.at(at).isDigit(); ++at)
        n = std::min(n * 10 + text.at(at).digitValue(), kMaxLabelField);
    return n;
}

QString Fill(const QString& number, const Placeholder& p)
{
    QString body = p.precision >= 0 ? number.left(p.precision) : number;
    if (body.size() < p.width) {
        const QString pad(p.width - body.size(), QLatin1Char(' '));
        body = p.left ? body + pad : pad + body;
    }
    return body;
}

}  // namespace

double JogValueToPixel(double offset, double aperture, int extent)
{
    if (!(aperture > 0))
        return 0;
    return nav::RoundHalfEven(extent * offset / aperture);
}

std::vector<JogScaleMark> JogScaleMarks(double value, double aperture, double step, int extent)
{
    if (!std::isfinite(step) || !(step > 0) || !std::isfinite(value) || !std::isfinite(aperture))
        return {};
    const double candidates = std::trunc(aperture / step);
    if (!std::isfinite(candidates) || candidates + 1 > kMaxJogScaleCandidates)
        return {};
    const double d = value - aperture / 2;
    const double first = std::trunc(d / step) * step;
    const double offset0 = first - d;
    std::vector<JogScaleMark> marks;
    const auto count = static_cast<long long>(candidates);
    for (long long i = 0; i <= count; ++i) {
        const double p = JogValueToPixel(offset0 + static_cast<double>(i) * step, aperture, extent);
        if (!(p >= 0))
            continue;
        if (p > extent)
            break;
        marks.push_back({first + static_cast<double>(i) * step, static_cast<int>(p)});
    }
    return marks;
}

QString JogNumberText(double v, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxJogLabelDecimals);
    QString text;
    if (std::isfinite(v) && std::fabs(v) >= kExponentFrom) {
        text = QString::number(v, 'E', kSignificantDigits - 1);
    } else {
        const double rounded = std::isfinite(v) ? QString::number(v, 'e', kSignificantDigits - 1).toDouble() : v;
        text = QString::fromStdString(nav::FixedText(rounded, decimals));
    }
    text.replace(QLatin1Char('.'), toolkit::DecimalSeparator());
    return text;
}

QString JogLabelText(const QString& formatText, const QString& number)
{
    QString out;
    std::optional<Placeholder> used;
    for (qsizetype i = 0; i < formatText.size(); ++i) {
        const QChar c = formatText.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        if (j < formatText.size() && formatText.at(j) == QLatin1Char('%')) {
            out += c;
            i = j;
            continue;
        }
        Placeholder p;
        if (j < formatText.size() && formatText.at(j) == QLatin1Char('-')) {
            p.left = true;
            ++j;
        }
        p.width = ReadField(formatText, j);
        if (j < formatText.size() && formatText.at(j) == QLatin1Char('.')) {
            ++j;
            p.precision = ReadField(formatText, j);
        }
        if (used || j >= formatText.size() || formatText.at(j).toLower() != QLatin1Char('s'))
            return number;
        used = p;
        out += Fill(number, p);
        i = j;
    }
    return out;
}
