#include "nav/magnetic_model.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/MagneticModel.hpp>
#include <GeographicLib/SphericalHarmonic.hpp>
#include <GeographicLib/SphericalHarmonic1.hpp>

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>

namespace nav {

// The WMM.COF text, built from resources/WMM2025.COF.
extern const std::string_view kWmm2025Cof;

namespace {

// The radius the Gauss coefficients of the WMM refer to.
constexpr double kReferenceRadiusMetres = 6371200.0;
// Bounds the arrays a malformed file could ask for; the WMM has degree 12.
constexpr int kLargestDegree = 200;

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos)
            return words;
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

template <typename T>
std::optional<T> Number(std::string_view word)
{
    T value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    return value;
}

struct Term {
    int n = 0, m = 0;
    double g = 0, h = 0, gRate = 0, hRate = 0;
};

std::optional<Term> ReadTerm(const std::vector<std::string_view>& words)
{
    if (words.size() != 6)
        return std::nullopt;
    const auto n = Number<int>(words[0]);
    const auto m = Number<int>(words[1]);
    std::array<std::optional<double>, 4> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = Number<double>(words[i + 2]);
    if (!n || !m || !c[0] || !c[1] || !c[2] || !c[3] || *n < 1 || *n > kLargestDegree || *m < 0 || *m > *n)
        return std::nullopt;
    // There is no sine term of order 0.
    if (*m == 0 && (*c[1] != 0 || *c[3] != 0))
        return std::nullopt;
    return Term{*n, *m, *c[0], *c[1], *c[2], *c[3]};
}

int CosineIndex(int maxDegree, int n, int m)
{
    return m * maxDegree - m * (m - 1) / 2 + n;
}

}  // namespace

std::optional<GaussModel> ReadCof(std::string_view text)
{
    GaussModel model;
    std::vector<Term> terms;
    bool header = true;
    bool ended = false;
    while (!text.empty() && !ended) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::vector<std::string_view> words = Words(line);
        if (words.empty())
            continue;
        if (header) {
            const auto epoch = Number<double>(words[0]);
            if (!epoch || words.size() < 2)
                return std::nullopt;
            model.epoch = *epoch;
            model.name = std::string(words[1]);
            header = false;
        } else if (words[0].starts_with("9999")) {
            ended = true;
        } else {
            const auto term = ReadTerm(words);
            if (!term)
                return std::nullopt;
            terms.push_back(*term);
            model.maxDegree = std::max(model.maxDegree, term->n);
        }
    }
    const int n = model.maxDegree;
    // Every term of degree 1..n once: n (n + 3) / 2 of them.
    if (!ended || n < 1 || terms.size() != static_cast<std::size_t>(n * (n + 3) / 2))
        return std::nullopt;
    const std::size_t cosines = static_cast<std::size_t>((n + 1) * (n + 2) / 2);
    const std::size_t sines = cosines - static_cast<std::size_t>(n + 1);
    model.g.assign(cosines, 0.0);
    model.gRate.assign(cosines, 0.0);
    model.h.assign(sines, 0.0);
    model.hRate.assign(sines, 0.0);
    std::vector<bool> seen(cosines, false);
    for (const Term& t : terms) {
        const auto k = static_cast<std::size_t>(CosineIndex(n, t.n, t.m));
        if (seen[k])
            return std::nullopt;
        seen[k] = true;
        model.g[k] = t.g;
        model.gRate[k] = t.gRate;
        if (t.m > 0) {
            model.h[k - static_cast<std::size_t>(n + 1)] = t.h;
            model.hRate[k - static_cast<std::size_t>(n + 1)] = t.hRate;
        }
    }
    return model;
}

const GaussModel* Wmm2025()
{
    static const std::optional<GaussModel> model = ReadCof(kWmm2025Cof);
    return model ? &*model : nullptr;
}

ModelAnswer MagneticDeclination(const GaussModel& model, double latitudeDeg, double longitudeDeg,
                                double decimalYear)
{
    if (!std::isfinite(latitudeDeg) || !std::isfinite(longitudeDeg) || !std::isfinite(decimalYear))
        return ModelRefusal::NotANumber;
    if (std::abs(latitudeDeg) > 90.0 || std::abs(longitudeDeg) > 180.0)
        return ModelRefusal::PositionOutOfRange;
    const double validEnd = model.epoch + kModelValidYears;
    if (decimalYear < model.epoch - kModelGraceYears || decimalYear > validEnd + kModelGraceYears)
        return ModelRefusal::DateOutOfRange;

    using namespace GeographicLib;
    try {
        const int n = model.maxDegree;
        const SphericalHarmonic1 field(model.g, model.h, n, model.gRate, model.hRate, n, kReferenceRadiusMetres,
                                       SphericalHarmonic1::SCHMIDT);
        const SphericalHarmonic rate(model.gRate, model.hRate, n, kReferenceRadiusMetres, SphericalHarmonic::SCHMIDT);

        // Sea level on the ellipsoid, and the rotation from east-north-up to geocentric axes.
        std::vector<double> rotation(9);
        double x = 0, y = 0, z = 0;
        Geocentric::WGS84().Forward(latitudeDeg, longitudeDeg, 0.0, x, y, z, rotation);

        // The potential is a times the sum, and the field its negative gradient.
        std::array<double, 3> b{}, bRate{};
        field(decimalYear - model.epoch, x, y, z, b[0], b[1], b[2]);
        rate(x, y, z, bRate[0], bRate[1], bRate[2]);
        const auto local = [&rotation](const std::array<double, 3>& v, int axis) {
            return -kReferenceRadiusMetres
                   * (rotation[axis] * v[0] + rotation[3 + axis] * v[1] + rotation[6 + axis] * v[2]);
        };
        double horizontal = 0, total = 0, east = 0, inclination = 0;
        double horizontalRate = 0, totalRate = 0, eastRate = 0, inclinationRate = 0;
        MagneticModel::FieldComponents(local(b, 0), local(b, 1), local(b, 2), local(bRate, 0), local(bRate, 1),
                                       local(bRate, 2), horizontal, total, east, inclination, horizontalRate,
                                       totalRate, eastRate, inclinationRate);
        if (!(horizontal >= kUnreliableHorizontalNt))
            return ModelRefusal::NearMagneticPole;
        const bool outside = decimalYear < model.epoch || decimalYear > validEnd;
        // GeographicLib gives degrees East of north; the program counts West positive.
        return ModelDeclination{DegreesToAngle(-east), DegreesToAngle(-eastRate), outside};
    } catch (const GeographicErr&) {
        return ModelRefusal::NoModel;
    }
}

ModelAnswer MagneticDeclination(double latitudeDeg, double longitudeDeg, double decimalYear)
{
    const GaussModel* model = Wmm2025();
    if (!model)
        return ModelRefusal::NoModel;
    return MagneticDeclination(*model, latitudeDeg, longitudeDeg, decimalYear);
}

double DecimalYear(int year, unsigned month, unsigned day)
{
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
    const sys_days first{std::chrono::year{year} / January / 1};
    const sys_days next{std::chrono::year{year + 1} / January / 1};
    return year + static_cast<double>((date - first).count()) / static_cast<double>((next - first).count());
}

}  // namespace nav
