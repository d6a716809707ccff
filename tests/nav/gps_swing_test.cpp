// One row of the compass swing from the GPS: the averages, the signs, the
// refusals and the measurement's thirty seconds.

#include "nav/gps_swing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using R = nav::GpsSwingRefusal;
constexpr std::int64_t kSecond = 1000;

}  // namespace

// Directions in degrees, one a second; the declination West positive.
struct GpsSwingCase {
    std::string name;
    std::vector<double> sensor, magnetic, courses;
    double speed = 5, declination = 0;
    R refusal = R::None;
    double heading = 0, deviation = 0;
    nav::SwingHeadingSource source = nav::SwingHeadingSource::Hdg;
};

class GpsSwingTest : public testing::TestWithParam<GpsSwingCase> {};

TEST_P(GpsSwingTest, GivesTheRowOrSaysWhyNot)
{
    const GpsSwingCase& c = GetParam();
    nav::GpsSwing swing;
    swing.Start(0);
    std::int64_t t = 0;
    const auto add = [&](const std::vector<double>& degrees, std::optional<nav::Angle> nav::NmeaNews::*field) {
        for (const double d : degrees) {
            nav::NmeaNews news;
            news.*field = nav::DegreesToAngle(d);
            news.groundSpeed = c.speed;
            swing.Add(news, t += kSecond);
        }
    };
    add(c.sensor, &nav::NmeaNews::sensorHeading);
    add(c.magnetic, &nav::NmeaNews::magneticHeading);
    add(c.courses, &nav::NmeaNews::groundCourse);
    const auto r = swing.Finish(nav::kGpsSwingMillis, nav::DegreesToAngle(c.declination));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->refusal, c.refusal);
    if (c.refusal != R::None)
        return;
    EXPECT_EQ(r->source, c.source);
    EXPECT_DOUBLE_EQ(r->compassHeading, c.heading);
    EXPECT_DOUBLE_EQ(r->deviation, c.deviation);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GpsSwingTest,
    testing::Values(
        GpsSwingCase{"AcrossNorth", {359, 1, 359.5, 0.5}, {}, {1, 3}, 5, 0, R::None, 0, 2},
        GpsSwingCase{"EastDeclinationSubtracts", {100}, {}, {95}, 5, -3, R::None, 100, -8},
        GpsSwingCase{"WestDeclinationAdds", {100}, {}, {105}, 5, 2, R::None, 100, 7},
        GpsSwingCase{"HdmWhenNoHdg", {}, {200}, {199}, 5, 0, R::None, 200, -1, nav::SwingHeadingSource::Hdm},
        GpsSwingCase{"HdgBeforeHdm", {200}, {210}, {199}, 5, 0, R::None, 200, -1},
        GpsSwingCase{"Slow", {90}, {}, {90}, 1.9, 0, R::TooSlow},
        GpsSwingCase{"CourseWandered", {90}, {}, {90, 97}, 5, 0, R::CourseWandered},
        GpsSwingCase{"HeadingWanderedAcrossNorth", {357, 4}, {}, {0}, 5, 0, R::HeadingWandered},
        GpsSwingCase{"NoHeading", {}, {}, {90}, 5, 0, R::NoHeading},
        GpsSwingCase{"NoCourse", {90}, {}, {}, 5, 0, R::NoCourse},
        GpsSwingCase{"Reversed", {0}, {}, {180}, 5, 0, R::TooLarge}),
    [](const auto& info) { return info.param.name; });

TEST(GpsSwingTest, AveragesDirectionsAsVectors)
{
    const nav::DirectionMean m = nav::MeanDirection({nav::DegreesToAngle(350), nav::DegreesToAngle(10)});
    EXPECT_NEAR(m.mean < 180 ? m.mean : m.mean - 360, 0, 1e-9);
    EXPECT_NEAR(m.spread, 10, 1e-9);
}

TEST(GpsSwingTest, CountsOnlyTheSentencesOfItsThirtySeconds)
{
    nav::GpsSwing swing;
    swing.Start(kSecond);
    nav::NmeaNews news;
    news.sensorHeading = news.groundCourse = 0;
    news.groundSpeed = 5;
    swing.Add(news, kSecond - 1);
    swing.Add(news, kSecond + nav::kGpsSwingMillis);
    EXPECT_EQ(swing.Remaining(nav::kGpsSwingMillis), kSecond);
    EXPECT_FALSE(swing.Finish(nav::kGpsSwingMillis, 0));
    const auto r = swing.Finish(kSecond + nav::kGpsSwingMillis, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->refusal, R::NoHeading);
    EXPECT_FALSE(swing.Running());
}

TEST(GpsSwingTest, ANewObservationReplacesTheNearestRowWithinThreeDegrees)
{
    const std::vector<std::optional<double>> rows{0, 45, std::nullopt, 46.5};
    EXPECT_EQ(nav::SameHeadingRow(rows, 358), 0u);
    EXPECT_EQ(nav::SameHeadingRow(rows, 45.5), 1u);
    EXPECT_EQ(nav::SameHeadingRow(rows, 46), 3u);
    EXPECT_EQ(nav::SameHeadingRow(rows, 50), std::nullopt);
}
