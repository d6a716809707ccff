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

// The marks a written position may use, brought to the ASCII ones that
// GeographicLib reads; anything else refuses the text, so that no stray
// character reaches the library's reader.
constexpr std::pair<std::string_view, char> kMarks[] = {
    {"\u00B0", 'd'},  {"\u00BA", 'd'},  {"\u2032", '\''}, {"\u2019", '\''}, {"\u00B4", '\''},
    {"\u2033", '"'},  {"\u201D", '"'},  {"\u00A0", ' '},  {"\u2212", '-'},  {"\u2013", '-'},
};
constexpr std::string_view kPlain = "0123456789.,:+-'\" dNSEWnsew\t\r\n";
// Degrees, minutes and seconds at most, each of a sensible length.
constexpr std::size_t kMostNumbers = 3;
constexpr std::size_t kLongestNumber = 12;

// "," is the decimal mark when no "." is written; otherwise a separator.
std::optional<std::string> Normalised(std::string_view text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        bool marked = false;
        for (const auto& [mark, ascii] : kMarks) {
            if (text.substr(i).starts_with(mark)) {
                plain += ascii;
                i += mark.size();
                marked = true;
                break;
            }
        }
        if (marked)
            continue;
        if (kPlain.find(text[i]) == std::string_view::npos)
            return std::nullopt;
        plain += text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
        ++i;
    }
    // A sign and a hemisphere letter together could only contradict each other.
    const bool signed_ = plain.find_first_of("+-") != std::string::npos;
    const bool lettered = plain.find_first_of("NSEWnsew") != std::string::npos;
    if (signed_ && lettered)
        return std::nullopt;
    const bool dots = plain.find('.') != std::string::npos;
    std::string out;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        const bool between = i > 0 && i + 1 < plain.size() && std::isdigit(static_cast<unsigned char>(plain[i - 1]))
                             && std::isdigit(static_cast<unsigned char>(plain[i + 1]));
        if (c == ',')
            out += !dots && between ? '.' : ' ';
        else
            out += c;
    }
    return out;
}

// One coordinate as GeographicLib reads it, "42d30.5'N" or "-33d52'": at
// most degrees, minutes and seconds, with one sign before them or one
// hemisphere letter; no value for anything else. Written afresh, so that
// no odd spacing or run of marks reaches the library's reader.
std::optional<std::string> Canonical(const std::string& half)
{
    std::vector<std::string> numbers;
    std::string number;
    char sign = 0;
    char letter = 0;
    const auto flush = [&numbers, &number] {
        if (!number.empty())
            numbers.push_back(std::exchange(number, {}));
    };
    for (const char c : half) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            number += c;
            continue;
        }
        flush();
        if (c == '+' || c == '-') {
            if (sign || !numbers.empty())
                return std::nullopt;
            sign = c;
        } else if (IsHemisphere(c, "NSEW")) {
            if (letter)
                return std::nullopt;
            letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else if (std::string_view(" :d'\"").find(c) == std::string_view::npos) {
            return std::nullopt;
        }
    }
    flush();
    if (numbers.empty() || numbers.size() > kMostNumbers)
        return std::nullopt;
    constexpr char kUnits[] = {'d', '\'', '"'};
    std::string out = sign ? std::string(1, sign) : std::string();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string& n = numbers[i];
        if (n.size() > kLongestNumber || n == "." || std::count(n.begin(), n.end(), '.') > 1)
            return std::nullopt;
        out += n + kUnits[i];
    }
    if (letter)
        out += letter;
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

std::string Joined(const std::vector<std::string>& words, std::size_t from, std::size_t to)
{
    std::string out;
    for (std::size_t i = from; i < to; ++i)
        out += (i > from ? " " : "") + words[i];
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
    const auto plain = Normalised(text);
    const auto halves = plain ? Halves(*plain) : std::nullopt;
    const auto latitudeText = halves ? Canonical(halves->first) : std::nullopt;
    const auto longitudeText = halves ? Canonical(halves->second) : std::nullopt;
    if (!latitudeText || !longitudeText)
        return std::nullopt;
    try {
        double latitude = 0.0;
        double longitude = 0.0;
        GeographicLib::DMS::DecodeLatLon(*latitudeText, *longitudeText, latitude, longitude);
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
        // What rounds to nothing has no side to the South or West.
        const char side = degrees < 0 && hundredths > 0 ? negative : positive;
        char text[48];
        std::snprintf(text, sizeof text, "%0*lld\u00B0 %02lld%c%02lld' %c", width, hundredths / perDegree,
                      hundredths % perDegree / 100, decimalMark, hundredths % 100, side);
        return std::string(text);
    };
    return part(p.latitude, 2, 'N', 'S') + "  " + part(p.longitude, 3, 'E', 'W');
}

}  // namespace nav
