#include "nav/rhumb.h"

#include <GeographicLib/DMS.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace nav {

namespace {

const GeographicLib::Rhumb& Wgs84()
{
    return GeographicLib::Rhumb::WGS84();
}

constexpr double kReciprocal = 180.0;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kHundredths = 100.0;
// A written position is short; longer texts are refused before any work.
constexpr std::size_t kLongestPosition = 80;

bool IsHemisphere(char c, std::string_view letters)
{
    return letters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c)))) != std::string_view::npos;
}

// "," is the decimal mark when no "." is written; otherwise a separator.
std::string Normalised(std::string_view text)
{
    const bool dots = text.find('.') != std::string_view::npos;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool between = i > 0 && i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i - 1]))
                             && std::isdigit(static_cast<unsigned char>(text[i + 1]));
        if (c == ',')
            out += !dots && between ? '.' : ' ';
        else
            out += c;
    }
    return out;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(std::exchange(word, {}));
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// Bare numbers side by side are degrees and minutes: "42 30.0" as 42:30.0.
std::string Joined(const std::vector<std::string>& words, std::size_t from, std::size_t to)
{
    std::string out;
    for (std::size_t i = from; i < to; ++i) {
        if (i > from && std::isdigit(static_cast<unsigned char>(out.back()))
            && std::isdigit(static_cast<unsigned char>(words[i].front())))
            out += ':';
        out += words[i];
    }
    return out;
}

// The latitude and longitude halves of a written position. With hemisphere
// letters the latitude ends at its letter ("42 30N 10 18E") or the
// longitude starts at its own ("N 42 30 E 10 18"); without, the words split
// evenly.
std::optional<std::pair<std::string, std::string>> Halves(const std::string& text)
{
    const std::vector<std::string> words = Words(text);
    std::size_t split = 0;
    for (std::size_t i = 0; i < words.size() && split == 0; ++i) {
        const std::string& w = words[i];
        const bool trailing = IsHemisphere(w.back(), "NS") && (w.size() > 1 || i > 0);
        if (trailing) {
            split = i + 1;
        } else if (IsHemisphere(w.front(), "NS")) {
            split = i + 1;
            while (split < words.size() && !IsHemisphere(words[split].front(), "EW"))
                ++split;
        }
    }
    if (split == 0) {
        if (words.empty() || words.size() % 2 != 0)
            return std::nullopt;
        split = words.size() / 2;
    }
    if (split >= words.size())
        return std::nullopt;
    return std::pair{Joined(words, 0, split), Joined(words, split, words.size())};
}

}  // namespace

RhumbLeg RhumbBetween(GeoPosition from, GeoPosition to)
{
    double metres = 0.0;
    double azimuth = 0.0;
    Wgs84().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, metres, azimuth);
    const double miles = metres / kMetresPerMile;
    return {miles > 0.0 ? NormalizeAngle(DegreesToAngle(OnCircle(azimuth))) : 0, miles};
}

std::optional<GeoPosition> RhumbDestination(GeoPosition from, Angle course, double miles)
{
    double latitude = 0.0;
    double longitude = 0.0;
    Wgs84().Direct(from.latitude, from.longitude, course / double{kSecondsPerDegree}, miles * kMetresPerMile,
                   latitude, longitude);
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) >= 90.0)
        return std::nullopt;
    return GeoPosition{latitude, GeographicLib::Math::AngNormalize(longitude)};
}

std::optional<GeoPosition> PositionFromLight(GeoPosition light, Angle bearing, double miles)
{
    const Angle reciprocal = NormalizeAngle(std::int64_t{bearing} + DegreesToAngle(kReciprocal));
    return RhumbDestination(light, reciprocal, miles);
}

std::optional<GeoPosition> ReadPosition(std::string_view text)
{
    if (text.size() > kLongestPosition)
        return std::nullopt;
    const auto halves = Halves(Normalised(text));
    if (!halves)
        return std::nullopt;
    try {
        double latitude = 0.0;
        double longitude = 0.0;
        GeographicLib::DMS::DecodeLatLon(halves->first, halves->second, latitude, longitude);
        if (!std::isfinite(latitude) || !std::isfinite(longitude))
            return std::nullopt;
        return GeoPosition{latitude, GeographicLib::Math::AngNormalize(longitude)};
    } catch (const GeographicLib::GeographicErr&) {
        return std::nullopt;
    }
}

std::string FormatPosition(GeoPosition p, char decimalMark)
{
    const auto part = [decimalMark](double degrees, int width, char positive, char negative) {
        // Hundredths of a minute, rounded once, so that 59.996' carries into the degrees.
        const auto hundredths = static_cast<long long>(std::llround(std::abs(degrees) * kMinutesPerDegree * kHundredths));
        const long long perDegree = static_cast<long long>(kMinutesPerDegree * kHundredths);
        char text[48];
        std::snprintf(text, sizeof text, "%0*lld\u00B0 %02lld%c%02lld' %c", width, hundredths / perDegree,
                      hundredths % perDegree / 100, decimalMark, hundredths % 100, degrees < 0 ? negative : positive);
        return std::string(text);
    };
    return part(p.latitude, 2, 'N', 'S') + "  " + part(p.longitude, 3, 'E', 'W');
}

}  // namespace nav
