#include "nav/nmea.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using V = nav::NmeaVerdict;
using K = nav::NmeaKind;
using OptD = std::optional<double>;

// Degrees (East positive for the deviation, West positive for the
// variation, as the program keeps them) to angle values.
std::optional<nav::Angle> Deg(OptD degrees)
{
    return degrees ? std::optional(nav::DegreesToAngle(*degrees)) : std::nullopt;
}

constexpr double kPositionTolerance = 1e-9;
constexpr double kSpeedTolerance = 1e-9;

}  // namespace

struct SentenceCase {
    std::string line;
    V verdict;
    K kind = K::HDG;
    OptD sensor = {}, deviation = {}, variation = {}, magnetic = {}, trueHeading = {};
    OptD water = {}, groundCourse = {}, groundSpeed = {}, latitude = {}, longitude = {};
};

class ReadSentenceTest : public testing::TestWithParam<SentenceCase> {};

TEST_P(ReadSentenceTest, ReadsEachFieldWithItsSignOrLeavesItEmpty)
{
    const SentenceCase& c = GetParam();
    nav::NmeaNews news;
    ASSERT_EQ(nav::ReadSentence(c.line, news), c.verdict) << c.line;
    if (c.verdict != V::Read)
        return;
    EXPECT_EQ(news.kind, c.kind) << c.line;
    EXPECT_EQ(news.talker[0], c.line[1]);
    EXPECT_EQ(news.talker[1], c.line[2]);
    EXPECT_EQ(news.sensorHeading, Deg(c.sensor)) << c.line;
    EXPECT_EQ(news.deviation, Deg(c.deviation)) << c.line;
    EXPECT_EQ(news.variation, Deg(c.variation)) << c.line;
    EXPECT_EQ(news.magneticHeading, Deg(c.magnetic)) << c.line;
    EXPECT_EQ(news.trueHeading, Deg(c.trueHeading)) << c.line;
    EXPECT_EQ(news.groundCourse, Deg(c.groundCourse)) << c.line;
    ASSERT_EQ(news.waterSpeed.has_value(), c.water.has_value()) << c.line;
    if (c.water) {
        EXPECT_NEAR(*news.waterSpeed, *c.water, kSpeedTolerance) << c.line;
    }
    ASSERT_EQ(news.groundSpeed.has_value(), c.groundSpeed.has_value()) << c.line;
    if (c.groundSpeed) {
        EXPECT_NEAR(*news.groundSpeed, *c.groundSpeed, kSpeedTolerance) << c.line;
    }
    ASSERT_EQ(news.position.has_value(), c.latitude.has_value()) << c.line;
    if (c.latitude) {
        EXPECT_NEAR(news.position->latitude, *c.latitude, kPositionTolerance) << c.line;
        EXPECT_NEAR(news.position->longitude, *c.longitude, kPositionTolerance) << c.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadSentenceTest,
    testing::Values(
        // The well-known examples: 48° 07.038' N 011° 31.000' E, variation 3.1° W.
        SentenceCase{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", V::Read, K::RMC,
                     {}, {}, 3.1, {}, {}, {}, 84.4, 22.4, 48 + 7.038 / 60, 11 + 31.0 / 60},
        SentenceCase{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,E*78", V::Read, K::RMC,
                     {}, {}, -3.1, {}, {}, {}, 84.4, 22.4, 48 + 7.038 / 60, 11 + 31.0 / 60},
        SentenceCase{"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", V::Read, K::GGA,
                     {}, {}, {}, {}, {}, {}, {}, {}, 48 + 7.038 / 60, 11 + 31.0 / 60},
        SentenceCase{"$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48", V::Read, K::VTG, {}, {}, {}, {}, {}, {}, 54.7, 5.5},
        // South and West are negative.
        SentenceCase{"$GPGLL,4916.45,N,12311.12,W,225444,A,*1D", V::Read, K::GLL, {}, {}, {}, {}, {}, {}, {}, {},
                     49 + 16.45 / 60, -(123 + 11.12 / 60)},
        SentenceCase{"$GNRMC,001031.00,A,4404.13993,N,12118.86023,W,0.146,,100117,,,A*7B", V::Read, K::RMC, {},
                     {}, {}, {}, {}, {}, {}, 0.146, 44 + 4.13993 / 60, -(121 + 18.86023 / 60)},
        // Deviation East positive, variation West positive; empty fields stay empty.
        SentenceCase{"$HCHDG,98.3,0.0,E,12.6,W*57", V::Read, K::HDG, 98.3, 0.0, 12.6},
        SentenceCase{"$HCHDG,101.1,,,7.1,W*3C", V::Read, K::HDG, 101.1, {}, 7.1},
        SentenceCase{"$GPHDG,,,,,*70", V::Read, K::HDG},
        SentenceCase{"$HCHDM,238.5,M*25", V::Read, K::HDM, {}, {}, {}, 238.5},
        SentenceCase{"$GPHDT,274.07,T*03", V::Read, K::HDT, {}, {}, {}, {}, 274.07},
        SentenceCase{"$VWVHW,045.0,T,041.0,M,6.0,N,,K*78", V::Read, K::VHW, {}, {}, {}, 41.0, 45.0, 6.0},
        SentenceCase{"$IIVHW,,T,,M,06.12,N,11.33,K*50", V::Read, K::VHW, {}, {}, {}, {}, {}, 6.12},
        // Kilometres an hour when the knots are missing.
        SentenceCase{"$IIVHW,,T,,M,,N,11.112,K*49", V::Read, K::VHW, {}, {}, {}, {}, {}, 6.0},
        // Invalid fixes tell no position, course or speed.
        SentenceCase{"$GPRMC,,V,,,,,,,,,,N*53", V::Read, K::RMC},
        SentenceCase{"$GPGGA,002153.000,3342.6618,S,11751.3858,E,0,10,1.2,27.0,M,-34.2,M,,0000*50", V::Read,
                     K::GGA},
        SentenceCase{"$GPGLL,3751.65,S,14507.36,E,225444,V,*0C", V::Read, K::GLL},
        SentenceCase{"$GPVTG,,T,,M,,N,,K,N*2C", V::Read, K::VTG},
        // Dropped, never guessed.
        SentenceCase{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6B", V::BadChecksum},
        SentenceCase{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6", V::BadChecksum},
        SentenceCase{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6a", V::Read, K::RMC,
                     {}, {}, 3.1, {}, {}, {}, 84.4, 22.4, 48 + 7.038 / 60, 11 + 31.0 / 60},
        SentenceCase{"$HCHDM,238.5,M", V::NoChecksum},
        SentenceCase{"$GPXTE,A,A,0.67,L,N*6F", V::Unknown},
        SentenceCase{"!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0*5C", V::Unknown},
        SentenceCase{"$GPHDG,361.0,,,,*5A", V::Malformed},
        SentenceCase{"$GPHDG,98.3,1.5,X,,*1E", V::Malformed},
        SentenceCase{"$" + std::string(nav::kMaxSentenceLength, 'A'), V::TooLong}));

TEST(NmeaLinesTest, CutsAtEveryEndOfLineWhateverThePieces)
{
    const std::string stream = "$A*00\r\n$B*00\n\n$C*00\r$D";
    for (std::size_t piece = 1; piece <= stream.size(); ++piece) {
        nav::NmeaLines lines;
        std::vector<std::string> got;
        for (std::size_t at = 0; at < stream.size(); at += piece)
            lines.Feed(std::string_view(stream).substr(at, piece), [&](std::string_view l) { got.emplace_back(l); });
        EXPECT_EQ(got, (std::vector<std::string>{"$A*00", "$B*00", "$C*00"})) << piece;
    }
}

TEST(NmeaLinesTest, DropsAnOverlongLineWholeAndGoesOn)
{
    nav::NmeaLines lines;
    std::vector<std::string> got;
    const std::string megabyte(1 << 20, 'x');
    lines.Feed(megabyte, [&](std::string_view l) { got.emplace_back(l); });
    lines.Feed("tail\n$OK*00\n", [&](std::string_view l) { got.emplace_back(l); });
    EXPECT_EQ(got, std::vector<std::string>{"$OK*00"});
    EXPECT_EQ(lines.Dropped(), 1U);
}
