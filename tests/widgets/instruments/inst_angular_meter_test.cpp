#include "inst_test_support.h"

#include "dialogs/speed_log.h"
#include "support/recording_platform.h"
#include "toolkit/text_format.h"
#include "widgets/instruments/inst_angular_meter.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tk = toolkit;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr tk::TColor kZone2 = 12615680;  // red 0, green 128, blue 192

// The speed log's meter: 0..50 knots on 250 x 250.
MeterLayout LogLayout()
{
    return {250, 250, -1, 40, 40, 280, 0, 50};
}

void SetUpAsLog(TInstAngularMeter& meter)
{
    meter.resize(250, 250);
    SetUpAsSpeedMeter(meter);
}

// The first row at or below `from` with a pixel of `colour` between columns
// `left` and `right`; -1 when there is none.
int FirstRowWith(const QImage& image, tk::TColor colour, int from, int left, int right)
{
    for (int y = from; y < image.height(); ++y)
        for (int x = left; x <= right; ++x)
            if (PixelAt(image, x, y) == colour)
                return y;
    return -1;
}

}  // namespace

// ---- geometry ----

TEST(MeterGeometry, LogDialCentreRadiusAndRing)
{
    const AngularMeterGeometry g(LogLayout());
    EXPECT_EQ(g.CenterX(), 125);
    EXPECT_EQ(g.CenterY(), 125);
    EXPECT_EQ(g.ScaleRadius(), 85);
    EXPECT_EQ(g.RingLeft(14), 125 - 99);  // the ring reaches r + TicksMax
    EXPECT_EQ(g.RingBottom(14), 125 + 99);
    EXPECT_EQ(g.CaptionTop(8), 133);
}

TEST(MeterGeometry, RadiusPutsTheCentreThere)
{
    const AngularMeterGeometry g({250, 310, 60, 45, 40, 280, 0, 100});
    EXPECT_EQ(g.CenterX(), 60);
    EXPECT_EQ(g.CenterY(), 60);
    EXPECT_EQ(g.ScaleRadius(), 15);
}

TEST(MeterGeometry, LogZonesSplitTheSweep)
{
    const std::vector<MeterZone> zones = AngularMeterGeometry(LogLayout()).Zones(50, 30);
    ASSERT_EQ(zones.size(), 3u);
    const double expected[3][2] = {{220, 360}, {360, 444}, {444, 500}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(zones[i].index, i + 1);
        EXPECT_NEAR(zones[i].from, expected[i][0], 1e-9);
        EXPECT_NEAR(zones[i].to, expected[i][1], 1e-9);
    }
}

struct ZoneCountCase {
    int percent1, percent2;
    std::vector<int> drawn;
};

class MeterZoneTest : public testing::TestWithParam<ZoneCountCase> {};

TEST_P(MeterZoneTest, EmptyZonesAreLeftOut)
{
    std::vector<int> drawn;
    for (const MeterZone& z : AngularMeterGeometry(LogLayout()).Zones(GetParam().percent1, GetParam().percent2))
        drawn.push_back(z.index);
    EXPECT_EQ(drawn, GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Table, MeterZoneTest,
                         testing::Values(ZoneCountCase{0, 0, {3}}, ZoneCountCase{100, 0, {1}},
                                         ZoneCountCase{70, 30, {1, 2}}, ZoneCountCase{0, 30, {2, 3}}));

TEST(MeterGeometry, LogTicksEveryFivePointSixDegreesEveryFifthLong)
{
    const AngularMeterGeometry g(LogLayout());
    const std::vector<MeterTick> ticks = g.Ticks(50, 5, 14, 5);
    ASSERT_EQ(ticks.size(), 51u);
    int longTicks = 0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].isLong, i % 5 == 0) << i;
        longTicks += ticks[i].isLong ? 1 : 0;
    }
    EXPECT_EQ(longTicks, 11);
    const std::vector<double> angles = g.MarkAngles(50);
    EXPECT_NEAR(angles[1] - angles[0], 5.6, 1e-9);
    EXPECT_EQ(ticks[0].inner, g.PolarPoint(220, 85));
    EXPECT_EQ(ticks[0].outer, g.PolarPoint(220, 99));
    EXPECT_EQ(ticks[1].outer, g.PolarPoint(225.6, 90));
}

TEST(MeterGeometry, TicksEnlargeZeroMakesEveryTickShort)
{
    for (const MeterTick& tick : AngularMeterGeometry(LogLayout()).Ticks(50, 5, 14, 0))
        EXPECT_FALSE(tick.isLong);
}

TEST(MeterGeometry, LogLabelsEveryFiveKnotsOutsideTheTicks)
{
    const AngularMeterGeometry g(LogLayout());
    const std::vector<MeterLabel> labels = g.Labels(10, 30);
    ASSERT_EQ(labels.size(), 11u);
    for (std::size_t j = 0; j < labels.size(); ++j)
        EXPECT_DOUBLE_EQ(labels[j].value, 5.0 * static_cast<double>(j));
    EXPECT_EQ(labels[0].centre, (MeterPoint{52, 213}));
    EXPECT_EQ(labels[10].centre, g.PolarPoint(500, 115));
}

struct MarkCase {
    const char* name;
    long long sweep;
    long long intervals;
    std::size_t count;
};

class MeterMarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(MeterMarkTest, MarkSetsAreBounded)
{
    MeterLayout layout = LogLayout();
    layout.angleOffset = GetParam().sweep;
    EXPECT_EQ(AngularMeterGeometry(layout).MarkAngles(GetParam().intervals).size(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Table, MeterMarkTest,
                         testing::Values(MarkCase{"NoIntervals", 280, 0, 0}, MarkCase{"Negative", 280, -3, 0},
                                         MarkCase{"NoSweepAllAtTheStart", 0, 10, 11}, MarkCase{"AtTheLimit", 280, 65535, 65536},
                                         MarkCase{"BeyondTheLimit", 280, 65536, 0},
                                         MarkCase{"Huge", 280, std::numeric_limits<int>::max(), 0}),
                         [](const testing::TestParamInfo<MarkCase>& info) { return info.param.name; });

struct MeterNeedleCase {
    const char* name;
    double minValue, maxValue, position;
    double angle;
};

class MeterNeedleAngleTest : public testing::TestWithParam<MeterNeedleCase> {};

TEST_P(MeterNeedleAngleTest, ValueToDirection)
{
    MeterLayout layout = LogLayout();
    layout.minValue = GetParam().minValue;
    layout.maxValue = GetParam().maxValue;
    EXPECT_DOUBLE_EQ(AngularMeterGeometry(layout).NeedleAngle(GetParam().position), GetParam().angle);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MeterNeedleAngleTest,
    testing::Values(MeterNeedleCase{"Start", 0, 50, 0, 220}, MeterNeedleCase{"Middle", 0, 50, 25, 360},
                    MeterNeedleCase{"End", 0, 50, 50, 500}, MeterNeedleCase{"OffsetRange", -10, 10, 0, 360},
                    MeterNeedleCase{"ZeroRangeAtStart", 7, 7, 7, 220},
                    MeterNeedleCase{"InfiniteRangeAtStart", -1e308, 1e308, 1e308, 220}),
    [](const testing::TestParamInfo<MeterNeedleCase>& info) { return info.param.name; });

TEST(MeterGeometry, NeedleAtTwentyFiveKnots)
{
    const MeterNeedle needle = AngularMeterGeometry(LogLayout()).Needle(25, -1, 8);
    EXPECT_EQ(needle.tip, (MeterPoint{125, 40}));
    EXPECT_EQ(needle.left, (MeterPoint{121, 125}));
    EXPECT_EQ(needle.right, (MeterPoint{129, 125}));
}

TEST(MeterGeometry, ExtremeSettingsStayIn64Bits)
{
    const AngularMeterGeometry g({INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MIN, 360, -1e308, 1e308});
    EXPECT_EQ(g.ScaleRadius(), static_cast<long long>(INT_MAX) - INT_MIN);
    EXPECT_EQ(g.PolarPoint(90, g.ScaleRadius()).x, g.CenterX() + g.ScaleRadius());
    EXPECT_EQ(g.PolarPoint(kNaN, 10), (MeterPoint{g.CenterX(), g.CenterY() - 10}));
}

// ---- the widget ----

struct PositionCase {
    const char* name;
    double set;
    double stored;
    int changes;
};

class MeterPositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(MeterPositionTest, ClampedAndToldOnlyOnAChange)
{
    TInstAngularMeter meter;
    meter.setMaxValue(50);
    meter.setPosition(10);
    QSignalSpy spy(&meter, &TInstAngularMeter::OnChange);
    meter.setPosition(GetParam().set);
    EXPECT_EQ(meter.Position(), GetParam().stored);
    EXPECT_EQ(spy.count(), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(Table, MeterPositionTest,
                         testing::Values(PositionCase{"Inside", 25, 25, 1}, PositionCase{"Above", 60, 50, 1},
                                         PositionCase{"Below", -1, 0, 1}, PositionCase{"Same", 10, 10, 0},
                                         PositionCase{"PlusInfinity", kInf, 50, 1},
                                         PositionCase{"NotANumber", kNaN, 10, 0}),
                         [](const testing::TestParamInfo<PositionCase>& info) { return info.param.name; });

struct BoundCase {
    const char* name;
    bool isMin;
    double value;
    bool refused;
    double position;  // from 30 in 0..50
};

class MeterBoundTest : public testing::TestWithParam<BoundCase> {};

TEST_P(MeterBoundTest, CrossedOrNonFiniteBoundsAreRefused)
{
    RecordedPlatform recorded;
    TInstAngularMeter meter;
    meter.setMaxValue(50);
    meter.setPosition(30);
    QSignalSpy spy(&meter, &TInstAngularMeter::OnChange);
    const BoundCase& c = GetParam();
    if (c.isMin)
        meter.setMinValue(c.value);
    else
        meter.setMaxValue(c.value);
    EXPECT_EQ(recorded.platform.exceptions,
              c.refused ? QStringList{QStringLiteral("Value out of range.")} : QStringList{});
    EXPECT_EQ(meter.MinValue(), c.isMin && !c.refused ? c.value : 0);
    EXPECT_EQ(meter.MaxValue(), !c.isMin && !c.refused ? c.value : 50);
    EXPECT_EQ(meter.Position(), c.position);
    EXPECT_EQ(spy.count(), 0);  // a bound moves the needle silently
}

INSTANTIATE_TEST_SUITE_P(
    Table, MeterBoundTest,
    testing::Values(BoundCase{"MinAboveMax", true, 60, true, 30}, BoundCase{"MaxBelowMin", false, -1, true, 30},
                    BoundCase{"MinInfinite", true, -kInf, true, 30}, BoundCase{"MaxNaN", false, kNaN, true, 30},
                    BoundCase{"MinPullsPositionUp", true, 40, false, 40},
                    BoundCase{"MaxPullsPositionDown", false, 20, false, 20},
                    BoundCase{"MinEqualToMax", true, 50, false, 50}),
    [](const testing::TestParamInfo<BoundCase>& info) { return info.param.name; });

TEST(AngularMeter, PercentIsCutToWhatTheOtherLeaves)
{
    TInstAngularMeter meter;
    meter.setPercent2(30);
    meter.setPercent1(80);
    EXPECT_EQ(meter.Percent1(), 70);
    meter.setPercent2(50);
    EXPECT_EQ(meter.Percent2(), 30);
    meter.setPercent1(101);  // beyond the subrange: ignored
    meter.setPercent2(-1);
    EXPECT_EQ(meter.Percent1(), 70);
    EXPECT_EQ(meter.Percent2(), 30);
}

struct MeterSubrangeCase {
    const char* name;
    void (TInstAngularMeter::*set)(int);
    int (TInstAngularMeter::*get)() const;
    int refused;
};

class MeterSubrangeTest : public testing::TestWithParam<MeterSubrangeCase> {};

TEST_P(MeterSubrangeTest, OutOfRangeValueIsIgnored)
{
    TInstAngularMeter meter;
    const int before = (meter.*GetParam().get)();
    (meter.*GetParam().set)(GetParam().refused);
    EXPECT_EQ((meter.*GetParam().get)(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MeterSubrangeTest,
    testing::Values(MeterSubrangeCase{"AngleOffsetAbove360", &TInstAngularMeter::setAngleOffset,
                                 &TInstAngularMeter::AngleOffset, 361},
                    MeterSubrangeCase{"TicksNegative", &TInstAngularMeter::setTicks, &TInstAngularMeter::Ticks, -1},
                    MeterSubrangeCase{"DecimalsNegative", &TInstAngularMeter::setDecimals, &TInstAngularMeter::Decimals,
                                 -1}),
    [](const testing::TestParamInfo<MeterSubrangeCase>& info) { return info.param.name; });

struct LabelTextCase {
    const char* name;
    int decimals;
    QChar separator;
    double value;
    const char* text;
};

class MeterLabelTextTest : public testing::TestWithParam<LabelTextCase> {};

TEST_P(MeterLabelTextTest, DecimalsAfterTheLocalesSeparator)
{
    const tk::ScopedFormatSettings settings({GetParam().separator, QLatin1Char(' ')});
    TInstAngularMeter meter;
    meter.setDecimals(GetParam().decimals);
    EXPECT_EQ(meter.LabelText(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MeterLabelTextTest,
    testing::Values(LabelTextCase{"Knots", 0, QLatin1Char(','), 45, "45"},
                    LabelTextCase{"Comma", 1, QLatin1Char(','), 2.5, "2,5"},
                    LabelTextCase{"Point", 2, QLatin1Char('.'), 10, "10.00"},
                    LabelTextCase{"DecimalsHeldAtFourteen", 40, QLatin1Char('.'), 1, "1.00000000000000"}),
    [](const testing::TestParamInfo<LabelTextCase>& info) { return info.param.name; });

struct DialPixelCase {
    const char* name;
    QPoint at;
    tk::TColor colour;
};

class MeterDialPixelTest : public testing::TestWithParam<DialPixelCase> {};

TEST_P(MeterDialPixelTest, LogDialAtRest)
{
    TInstAngularMeter meter;
    SetUpAsLog(meter);
    EXPECT_EQ(PixelAt(meter.Render(), GetParam().at.x(), GetParam().at.y()), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MeterDialPixelTest,
    testing::Values(DialPixelCase{"Zone1At300", {47, 80}, tk::clGreen},
                    DialPixelCase{"Zone2At400", {184, 55}, kZone2},
                    DialPixelCase{"Zone3At470", {211, 156}, tk::clRed},
                    DialPixelCase{"InsideTheRing", {56, 85}, tk::clBlack},
                    DialPixelCase{"GapAtTheBottom", {125, 217}, tk::clBlack},
                    DialPixelCase{"LastTickOverZone3", {179, 190}, tk::clWhite},
                    DialPixelCase{"CentreDot", {125, 125}, tk::clWhite},
                    DialPixelCase{"Hub", {131, 125}, tk::clRed}),
    [](const testing::TestParamInfo<DialPixelCase>& info) { return info.param.name; });

TEST(AngularMeter, NeedleMovesOverTheCachedDial)
{
    TInstAngularMeter meter;
    SetUpAsLog(meter);
    const qint64 dial = meter.DialBitmap().cacheKey();
    meter.setPosition(25);  // straight up, tip at (125, 40)
    EXPECT_EQ(PixelAt(meter.Render(), 125, 45), tk::clRed);
    EXPECT_EQ(PixelAt(meter.Render(), 125, 38), tk::clWhite);  // the long tick beyond the tip
    meter.setPosition(0);
    EXPECT_EQ(PixelAt(meter.Render(), 125, 45), tk::clBlack);
    EXPECT_EQ(meter.DialBitmap().cacheKey(), dial);
    meter.setNeedleColor(tk::clYellow);
    EXPECT_EQ(meter.DialBitmap().cacheKey(), dial);
    meter.setTicksColor(tk::clAqua);
    EXPECT_NE(meter.DialBitmap().cacheKey(), dial);
    EXPECT_EQ(PixelAt(meter.Render(), 179, 190), tk::clAqua);
}

TEST(AngularMeter, CaptionStartsBelowTheHubAndFollowsIt)
{
    TInstAngularMeter meter;
    SetUpAsLog(meter);
    meter.setCaption(QStringLiteral("NODI"));
    const int first = FirstRowWith(meter.DialBitmap(), tk::clWhite, 126, 100, 150);
    EXPECT_GE(first, 133);
    meter.setCaption(QStringLiteral("||NODI"));  // two empty lines as high as "gW" push it down
    const int pushed = FirstRowWith(meter.DialBitmap(), tk::clWhite, 126, 100, 150);
    EXPECT_GT(pushed, first + 20);
    meter.setNeedleBaseWidth(20);
    EXPECT_EQ(FirstRowWith(meter.DialBitmap(), tk::clWhite, 126, 100, 150), pushed + 12);
}

TEST(AngularMeter, TransparentDialLetsTheParentThrough)
{
    QWidget parent;
    parent.resize(300, 300);
    FillBackground(parent, tk::clBlue);
    TInstAngularMeter meter(&parent);
    SetUpAsLog(meter);
    meter.setTransparent(true);
    const QImage shown = meter.Render();
    EXPECT_EQ(PixelAt(shown, 125, 217), tk::clBlue);
    EXPECT_EQ(PixelAt(shown, 47, 80), tk::clGreen);
}

TEST(AngularMeter, ExtremeSettingsStillPaint)
{
    TInstAngularMeter meter;
    meter.setMinValue(-1e308);
    meter.setMaxValue(1e308);
    meter.setPosition(1e308);
    meter.setDecimals(INT_MAX);
    meter.setTicks(65535);
    meter.setLabels(INT_MAX);
    meter.setTicksMax(INT_MAX);
    meter.setTicksMin(INT_MIN);
    meter.setNeedleBaseWidth(INT_MAX);
    meter.setCenterDotWidth(INT_MIN);
    meter.Render();
    meter.setRadius(INT_MAX);
    meter.setSpacing(INT_MIN);
    meter.setLabels(20);
    meter.setLabelsOffset(INT_MAX);
    meter.setNeedleLength(INT_MAX);
    meter.setAngle(INT_MIN);
    meter.Render();
    meter.setSpacing(INT_MAX);
    meter.setTicksMax(0);
    meter.Render();
}
