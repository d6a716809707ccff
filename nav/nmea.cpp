#include "nav/nmea.h"

#include <charconv>
#include <cmath>

namespace nav {

namespace {

// The most fields any sentence read here has, with room for newer additions.
constexpr std::size_t kMaxFields = 24;
constexpr std::size_t kAddressLength = 5;  // talker (2) and kind (3)
constexpr std::size_t kChecksumDigits = 2;
constexpr double kFullTurnDegrees = 360.0;
constexpr double kHalfTurnDegrees = 180.0;
constexpr double kQuarterTurnDegrees = 90.0;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kKilometresPerMile = 1.852;
// No instrument on a small craft reads more; beyond, the field is garbage.
constexpr double kFastestKnots = 200.0;
// Latitudes are ddmm.mmm, longitudes dddmm.mmm: degrees before two minute digits.
constexpr double kDegreesScale = 100.0;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool TalkerChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

class Fields {
public:
    explicit Fields(std::string_view body)
    {
        std::size_t start = 0;
        while (count_ < kMaxFields) {
            const std::size_t comma = body.find(',', start);
            fields_[count_++] = body.substr(start, comma == std::string_view::npos ? comma : comma - start);
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
    }

    std::string_view operator[](std::size_t i) const { return i < count_ ? fields_[i] : std::string_view(); }

private:
    std::array<std::string_view, kMaxFields> fields_{};
    std::size_t count_ = 0;
};

// Reads the fields of one sentence; any field that cannot be what its place
// says marks the whole sentence malformed.
class FieldReader {
public:
    explicit FieldReader(const Fields& fields)
        : fields_(fields)
    {
    }

    bool Malformed() const { return malformed_; }
    void Expect(bool wellFormed) { malformed_ = malformed_ || !wellFormed; }

    std::optional<double> Number(std::size_t i)
    {
        const std::string_view text = fields_[i];
        if (text.empty())
            return std::nullopt;
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                                  std::chars_format::fixed);
        if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
            return Fail<double>();
        return value;
    }

    // A heading or course, 0..360 degrees.
    std::optional<Angle> Direction(std::size_t i)
    {
        const auto degrees = Number(i);
        if (!degrees)
            return std::nullopt;
        if (*degrees < 0.0 || *degrees > kFullTurnDegrees)
            return Fail<Angle>();
        return NormalizeAngle(DegreesToAngle(*degrees));
    }

    // A direction followed by its reference letter (T or M); the letter may
    // be left out, but not be another.
    std::optional<Angle> Direction(std::size_t i, char reference)
    {
        const std::string_view letter = fields_[i + 1];
        if (!letter.empty() && letter != std::string_view(&reference, 1))
            return Fail<Angle>();
        return Direction(i);
    }

    // A magnitude and its side: East positive when eastSign is 1.
    std::optional<Angle> Sided(std::size_t i, int eastSign)
    {
        const auto degrees = Number(i);
        if (!degrees)
            return std::nullopt;
        const std::string_view side = fields_[i + 1];
        if (*degrees < 0.0 || *degrees > kHalfTurnDegrees || (side != "E" && side != "W"))
            return Fail<Angle>();
        return DegreesToAngle(side == "E" ? eastSign * *degrees : -eastSign * *degrees);
    }

    std::optional<double> Speed(std::size_t i)
    {
        const auto knots = Number(i);
        if (knots && (*knots < 0.0 || *knots > kFastestKnots))
            return Fail<double>();
        return knots;
    }

    // Knots at i, else kilometres an hour at i + 2 (VHW, VTG).
    std::optional<double> SpeedKnotsOrKilometres(std::size_t i)
    {
        if (const auto knots = Speed(i))
            return knots;
        const auto kmh = Number(i + 2);
        if (kmh && (*kmh < 0.0 || *kmh > kFastestKnots * kKilometresPerMile))
            return Fail<double>();
        return kmh ? std::optional(*kmh / kKilometresPerMile) : std::nullopt;
    }

    // ddmm.mmm,N,dddmm.mmm,E from field i.
    std::optional<GeoPosition> Position(std::size_t i)
    {
        const auto lat = Coordinate(i, kQuarterTurnDegrees, 'N', 'S');
        const auto lon = Coordinate(i + 2, kHalfTurnDegrees, 'E', 'W');
        if (!lat || !lon)
            return std::nullopt;
        return GeoPosition{*lat, *lon};
    }

private:
    template <typename T>
    std::optional<T> Fail()
    {
        malformed_ = true;
        return std::nullopt;
    }

    std::optional<double> Coordinate(std::size_t i, double largest, char positive, char negative)
    {
        const auto packed = Number(i);
        if (!packed)
            return std::nullopt;
        const double degrees = std::floor(*packed / kDegreesScale);
        const double minutes = *packed - degrees * kDegreesScale;
        const double value = degrees + minutes / kMinutesPerDegree;
        const std::string_view side = fields_[i + 1];
        const bool sideRead = side.size() == 1 && (side[0] == positive || side[0] == negative);
        if (*packed < 0.0 || minutes >= kMinutesPerDegree || value > largest || !sideRead)
            return Fail<double>();
        return side[0] == positive ? value : -value;
    }

    const Fields& fields_;
    bool malformed_ = false;
};

std::optional<NmeaKind> KindOf(std::string_view id)
{
    static constexpr std::array<std::pair<std::string_view, NmeaKind>, 8> kKinds{{
        {"HDG", NmeaKind::HDG},
        {"HDM", NmeaKind::HDM},
        {"HDT", NmeaKind::HDT},
        {"VHW", NmeaKind::VHW},
        {"VTG", NmeaKind::VTG},
        {"RMC", NmeaKind::RMC},
        {"GGA", NmeaKind::GGA},
        {"GLL", NmeaKind::GLL},
    }};
    for (const auto& [name, kind] : kKinds)
        if (name == id)
            return kind;
    return std::nullopt;
}

// The FAA mode letter that newer senders add: N says the data are not valid.
bool ModeValid(std::string_view mode)
{
    return mode != "N";
}

void ReadFields(NmeaKind kind, FieldReader& r, const Fields& f, NmeaNews& n)
{
    switch (kind) {
    case NmeaKind::HDG:
        n.sensorHeading = r.Direction(1);
        n.deviation = r.Sided(2, 1);
        n.variation = r.Sided(4, -1);
        break;
    case NmeaKind::HDM:
        n.magneticHeading = r.Direction(1, 'M');
        break;
    case NmeaKind::HDT:
        n.trueHeading = r.Direction(1, 'T');
        break;
    case NmeaKind::VHW:
        n.trueHeading = r.Direction(1, 'T');
        n.magneticHeading = r.Direction(3, 'M');
        n.waterSpeed = r.SpeedKnotsOrKilometres(5);
        break;
    case NmeaKind::VTG:
        if (ModeValid(f[9])) {
            n.groundCourse = r.Direction(1, 'T');
            n.groundSpeed = r.SpeedKnotsOrKilometres(5);
        }
        break;
    case NmeaKind::RMC:
        n.variation = r.Sided(10, -1);
        r.Expect(f[2] == "A" || f[2] == "V");
        if (f[2] == "A" && ModeValid(f[12])) {
            n.position = r.Position(3);
            n.groundSpeed = r.Speed(7);
            n.groundCourse = r.Direction(8);
        }
        break;
    case NmeaKind::GGA:
        if (!f[6].empty() && f[6] != "0")
            n.position = r.Position(2);
        break;
    case NmeaKind::GLL:
        r.Expect(f[6] == "A" || f[6] == "V");
        if (f[6] == "A" && ModeValid(f[7]))
            n.position = r.Position(1);
        break;
    }
}

}  // namespace

NmeaVerdict ReadSentence(std::string_view line, NmeaNews& news)
{
    if (line.size() > kMaxSentenceLength)
        return NmeaVerdict::TooLong;
    if (line.empty() || line[0] != '$')
        return NmeaVerdict::Unknown;
    const std::size_t star = line.rfind('*');
    if (star == std::string_view::npos)
        return NmeaVerdict::NoChecksum;
    if (line.size() - star - 1 != kChecksumDigits)
        return NmeaVerdict::BadChecksum;
    const int high = HexDigit(line[star + 1]);
    const int low = HexDigit(line[star + 2]);
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i)
        sum ^= static_cast<unsigned char>(line[i]);
    if (high < 0 || low < 0 || sum != static_cast<unsigned>(high * 16 + low))
        return NmeaVerdict::BadChecksum;

    const Fields fields(line.substr(1, star - 1));
    const std::string_view address = fields[0];
    if (address.size() != kAddressLength || !TalkerChar(address[0]) || !TalkerChar(address[1]))
        return NmeaVerdict::Unknown;
    const auto kind = KindOf(address.substr(2));
    if (!kind)
        return NmeaVerdict::Unknown;

    NmeaNews read;
    read.talker = {address[0], address[1]};
    read.kind = *kind;
    FieldReader reader(fields);
    ReadFields(*kind, reader, fields, read);
    if (reader.Malformed())
        return NmeaVerdict::Malformed;
    news = read;
    return NmeaVerdict::Read;
}

}  // namespace nav
