#include "nav/live_data.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr std::int64_t kStart = 1'000'000;
// 2° West, West positive as the program keeps it.
constexpr nav::Angle kDeclination = 2 * kDeg;

const nav::DeviationTable& Table()
{
    static const nav::DeviationTable table = nav::ParseDeviationTable("0;2\n90;-1\n180;0.5\n270;1\n").table;
    return table;
}

void Feed(nav::LiveData& live, const std::string& line, std::int64_t at)
{
    nav::NmeaNews news;
    ASSERT_EQ(nav::ReadSentence(line, news), nav::NmeaVerdict::Read) << line;
    live.Take(news, at, Table(), kDeclination);
}

}  // namespace

struct AgeCase {
    std::int64_t ageMs;
    nav::Freshness expected;
};

class LiveAgeTest : public testing::TestWithParam<AgeCase> {};

TEST_P(LiveAgeTest, GreyAtFiveSecondsBlankAtThirty)
{
    nav::LiveData live;
    Feed(live, "$IIHDT,98.0,T*13", kStart);
    const AgeCase& c = GetParam();
    EXPECT_EQ(live.trueHeading.At(kStart + c.ageMs), c.expected) << c.ageMs;
    EXPECT_EQ(live.trueHeading.FreshAt(kStart + c.ageMs).has_value(), c.expected == nav::Freshness::Fresh);
}

INSTANTIATE_TEST_SUITE_P(Table, LiveAgeTest,
                         testing::Values(AgeCase{0, nav::Freshness::Fresh}, AgeCase{4999, nav::Freshness::Fresh},
                                         AgeCase{5000, nav::Freshness::Stale}, AgeCase{29999, nav::Freshness::Stale},
                                         AgeCase{30000, nav::Freshness::Blank},
                                         AgeCase{-60000, nav::Freshness::Fresh}));  // the clock set back

// Table above: 0° +2, 90° −1, 180° +0.5, 270° +1; declination 2° W.
struct FrameCase {
    const char* line;
    nav::Angle compass, magnetic, trueHeading;
    nav::NmeaKind trueFrom;
};

class LiveFrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(LiveFrameTest, EachHeadingInItsFrame)
{
    nav::LiveData live;
    const FrameCase& c = GetParam();
    Feed(live, c.line, kStart);
    EXPECT_EQ(live.compass.value, c.compass) << c.line;
    EXPECT_EQ(live.magnetic.value, c.magnetic) << c.line;
    EXPECT_EQ(live.trueHeading.value, c.trueHeading) << c.line;
    EXPECT_EQ(live.trueHeading.sentence, c.trueFrom) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LiveFrameTest,
    testing::Values(FrameCase{"$HCHDG,100.0,5.0,E,3.0,W*57", 100 * kDeg, 99 * kDeg, 97 * kDeg, nav::NmeaKind::HDG},
                    FrameCase{"$HCHDG,350.0,,,,*44", 350 * kDeg, 352 * kDeg, 350 * kDeg, nav::NmeaKind::HDG},
                    FrameCase{"$HCHDM,100.0,M*28", 101 * kDeg, 100 * kDeg, 98 * kDeg, nav::NmeaKind::HDM},
                    FrameCase{"$HEHDT,98.0,T*1E", 101 * kDeg, 100 * kDeg, 98 * kDeg, nav::NmeaKind::HDT}));

TEST(LiveFrameTest, AReportedHeadingIsNotOverwrittenByOneDerivedWhileFresh)
{
    nav::LiveData live;
    Feed(live, "$HEHDT,95.0,T*13", kStart);
    Feed(live, "$HCHDG,100.0,,,,*43", kStart + 1000);
    EXPECT_EQ(live.trueHeading.value, 95 * kDeg);
    Feed(live, "$HCHDG,100.0,,,,*43", kStart + nav::kLiveStaleMs);
    EXPECT_EQ(live.trueHeading.value, 97 * kDeg);
}

// 090° T at 6.0 kn through the water, 080° over the ground at 6.5 kn:
// N = 6.5 cos 80° − 0 = 1.12871, E = 6.5 sin 80° − 6.0 = 0.40125, so the
// current sets 019.570° at 1.19791 kn.
struct CurrentCase {
    double heading, water, course, ground;
    double set, drift;
};

class LiveCurrentTest : public testing::TestWithParam<CurrentCase> {};

TEST_P(LiveCurrentTest, GroundMinusWater)
{
    const CurrentCase& c = GetParam();
    const nav::CurrentEstimate e = nav::CurrentOf(nav::DegreesToAngle(c.heading), c.water,
                                                  nav::DegreesToAngle(c.course), c.ground);
    EXPECT_NEAR(e.set, c.set * kDeg, 1.0);
    EXPECT_NEAR(e.drift, c.drift, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Table, LiveCurrentTest,
                         testing::Values(CurrentCase{90, 6.0, 80, 6.5, 19.569979, 1.197913},
                                         CurrentCase{0, 5.0, 0, 4.0, 180, 1.0},      // a head current
                                         CurrentCase{270, 4.0, 270, 4.0, 0, 0.0},   // none: 0°
                                         CurrentCase{350, 5.0, 10, 5.0, 90, 1.736482}));  // across north

TEST(LiveCurrentTest, YawingAveragesOutOverTheLastMinute)
{
    nav::LiveData live;
    // The bow swings 10° either side of 090° while the ground track holds: the mean is the steady current.
    const char* const headings[] = {"$IIHDT,080.0,T*2A", "$IIHDT,100.0,T*23"};
    for (int second = 0; second < 120; ++second) {
        const std::int64_t at = kStart + second * 1000;
        Feed(live, headings[second % 2], at);
        Feed(live, "$IIVHW,,,,,6.0,N,,*2F", at);
        Feed(live, "$GPVTG,090.0,T,,M,6.0,N,,K*41", at);
    }
    const nav::CurrentEstimate e = live.Current(kStart + 119'000);
    EXPECT_EQ(e.samples, nav::kCurrentWindowMs / nav::kCurrentSampleMs);
    // Mean water vector 6.0 cos 10° along 090°: the current runs 090° at 6.0 (1 − cos 10°).
    EXPECT_NEAR(e.set, 90 * kDeg, 1.0);
    EXPECT_NEAR(e.drift, 6.0 * (1.0 - 0.984807753), 1e-6);
    EXPECT_EQ(live.Current(kStart + 119'000 + nav::kCurrentWindowMs).samples, 0u);
}
