#include "inst_test_support.h"

#include "toolkit/text_format.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_jog_scale.h"
#include "widgets/instruments/inst_resources.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tk = toolkit;

namespace {

constexpr tk::TColor kDarkGreen = 8704;

std::vector<std::pair<double, int>> Marks(double value, double aperture, double step, int extent)
{
    std::vector<std::pair<double, int>> out;
    for (const JogScaleMark& m : JogScaleMarks(value, aperture, step, extent))
        out.emplace_back(m.value, m.pixel);
    return out;
}

// The degree meter of the angle dialog.
void DegreeMeter(TInstJogMeter& m)
{
    m.resize(311, 30);
    m.Scale()->setFormatText(QStringLiteral("%s°"));
    m.Scale()->setApperture(50);
    m.Scale()->setSmallStep(1);
    m.Scale()->setHeightMax(15);
    m.Scale()->setHeightMin(8);
    m.Value()->setShape(TInstIndicatorShape::voTriangle);
    m.setFromColor(kDarkGreen);
    m.setToColor(tk::clLime);
}

bool AnyPixelOf(const QImage& image, QRect area, tk::TColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(image, x, y) == colour)
                return true;
    return false;
}

}  // namespace

TEST(JogScale, LabelsAroundZeroOnTheDegreeMeter)
{
    const std::vector<std::pair<double, int>> expected = {{-20, 31}, {-10, 93}, {0, 156}, {10, 218}, {20, 280}};
    EXPECT_EQ(Marks(0, 50, 10, 311), expected);
}

TEST(JogScale, MarkLeftOfTheScaleIsSkipped)
{
    const std::vector<std::pair<double, int>> expected = {{80, 31}, {90, 93}, {100, 156}, {110, 218}, {120, 280}};
    EXPECT_EQ(Marks(100, 50, 10, 311), expected);
}

TEST(JogScale, SmallStepGivesFiftyOneTicks)
{
    EXPECT_EQ(JogScaleMarks(0, 50, 1, 311).size(), 51u);
}

struct DegenerateCase {
    const char* name;
    double value, aperture, step;
    std::size_t count;
};

class JogScaleDegenerateTest : public testing::TestWithParam<DegenerateCase> {};

TEST_P(JogScaleDegenerateTest, MarkCount)
{
    EXPECT_EQ(JogScaleMarks(GetParam().value, GetParam().aperture, GetParam().step, 311).size(), GetParam().count);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Table, JogScaleDegenerateTest,
                         testing::Values(DegenerateCase{"ZeroStep", 0, 50, 0, 0},
                                         DegenerateCase{"NegativeStep", 0, 50, -10, 0},
                                         DegenerateCase{"NaNStep", 0, 50, kNaN, 0},
                                         DegenerateCase{"InfiniteValue", kInf, 50, 10, 0},
                                         DegenerateCase{"TooManyCandidates", 0, 1e6, 1, 0},
                                         DegenerateCase{"JustEnoughCandidates", 0, 65535, 1, 65536},
                                         DegenerateCase{"ZeroApertureAllAtPixelZero", 0, 0, 10, 1},
                                         DegenerateCase{"NegativeAperture", 0, -50, 10, 0},
                                         // The window starts at -5: marks -4, 0 and the 4 near its far edge.
                                         DegenerateCase{"WindowFromBelowZeroKeepsTheFarMark", 0, 10, 4, 3}),
                         [](const testing::TestParamInfo<DegenerateCase>& info) { return info.param.name; });

TEST(JogScale, ZeroApertureMapsToPixelZero)
{
    EXPECT_EQ(JogValueToPixel(25, 0, 311), 0);
    EXPECT_EQ(JogValueToPixel(25, 50, 311), 156);  // 155.5 to the even neighbour
}

struct NumberCase {
    double v;
    int decimals;
    char separator;
    const char* text;
};

class JogNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(JogNumberTest, FixedWithEightSignificantDigits)
{
    const tk::ScopedFormatSettings locale({QLatin1Char(GetParam().separator), QLatin1Char(' ')});
    EXPECT_EQ(JogNumberText(GetParam().v, GetParam().decimals), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, JogNumberTest,
                         testing::Values(NumberCase{10, 0, '.', "10"}, NumberCase{-20, 0, ',', "-20"},
                                         NumberCase{1.5, 1, ',', "1,5"}, NumberCase{1.5, 2, '.', "1.50"},
                                         NumberCase{0.1 + 0.2, 17, '.', "0.30000000000000"},  // 14 places at most
                                         NumberCase{1.23456789, 10, ',', "1,2345679000"},
                                         NumberCase{-0.0, 0, '.', "0"}, NumberCase{12345678, 0, '.', "12345678"},
                                         NumberCase{123456789, 0, ',', "1,2345679E+08"},
                                         NumberCase{5, -3, '.', "5"}));

struct LabelCase {
    const char* format;
    const char* label;  // for the number "10"
};

class JogLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(JogLabelTest, NumberTakesTheFirstStringPlaceholder)
{
    EXPECT_EQ(JogLabelText(QString::fromUtf8(GetParam().format), QStringLiteral("10")),
              QString::fromUtf8(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(Table, JogLabelTest,
                         testing::Values(LabelCase{"%s°", "10°"}, LabelCase{"%s'", "10'"},
                                         LabelCase{"%s\"", "10\""}, LabelCase{"%%%s", "%10"},
                                         LabelCase{"%5s", "   10"}, LabelCase{"%-4s|", "10  |"},
                                         LabelCase{"%.1s", "1"}, LabelCase{"Nodi", "Nodi"},
                                         LabelCase{"%d", "10"}, LabelCase{"%s %s", "10"},
                                         LabelCase{"%s %x", "10"}, LabelCase{"50%", "10"}));

TEST(JogLabel, HugeWidthIsHeldToAFewHundredCharacters)
{
    EXPECT_EQ(JogLabelText(QStringLiteral("%99999999999999999999s"), QStringLiteral("1")).size(), 256);
}

// ---- the widget ----

TEST(JogMeter, BackgroundIsDarkAtTheEndsAndBrightInTheMiddle)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Scale()->setVisible(false);
    m.Value()->setVisible(false);
    const QImage picture = m.Render();
    EXPECT_EQ(PixelAt(picture, 0, 20), kDarkGreen);
    EXPECT_EQ(PixelAt(picture, 155, 20), tk::clLime);
    EXPECT_EQ(PixelAt(picture, 309, 20), tk::RGB(0, 35, 0));  // i = 1 of 155 on the way back
    EXPECT_EQ(PixelAt(picture, 310, 20), kDarkGreen);
}

TEST(JogMeter, TicksLabelsAndTriangleForTheValue)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Value()->setValue(0);
    const QImage picture = m.Render();
    EXPECT_EQ(PixelAt(picture, 218, 14), tk::clBlack);  // long tick of 10, 15 pixels from the top
    EXPECT_EQ(PixelAt(picture, 218, 0), tk::clBlack);
    EXPECT_EQ(PixelAt(picture, 162, 7), tk::clBlack);   // short tick of 1 at Round(161.72)
    EXPECT_NE(PixelAt(picture, 162, 8), tk::clBlack);
    EXPECT_EQ(PixelAt(picture, 155, 4), tk::clRed);     // the marker in the middle
    EXPECT_TRUE(AnyPixelOf(picture, QRect(205, 15, 30, 15), tk::clBlack));  // the label "10°"
    m.Value()->setValue(5);  // long ticks now at 0, 62, 124, 187 and 249
    const QImage moved = m.Render();
    EXPECT_NE(PixelAt(moved, 218, 14), tk::clBlack);
    EXPECT_EQ(PixelAt(moved, 187, 14), tk::clBlack);
}

TEST(JogMeter, LabelsFollowANewFontColour)
{
    TInstJogMeter m;
    DegreeMeter(m);
    const QRect label(205, 15, 30, 15);
    ASSERT_TRUE(AnyPixelOf(m.Render(), label, tk::clBlack));
    m.setFontColor(tk::clRed);
    const QImage picture = m.Render();
    EXPECT_FALSE(AnyPixelOf(picture, label, tk::clBlack));
    EXPECT_TRUE(AnyPixelOf(picture, label, tk::clRed));
}

TEST(JogMeter, HiddenScaleDrawsNoTicksOrLabels)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Value()->setVisible(false);
    m.Scale()->setVisible(false);
    EXPECT_FALSE(AnyPixelOf(m.Render(), QRect(0, 0, 311, 30), tk::clBlack));
}

TEST(JogMeter, ScaleOnTheFarSideGrowsUpwards)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Scale()->setPosition(TInstPosition::voAfter);
    const QImage picture = m.Render();
    EXPECT_EQ(PixelAt(picture, 218, 29), tk::clBlack);
    EXPECT_EQ(PixelAt(picture, 218, 16), tk::clBlack);
    EXPECT_EQ(PixelAt(picture, 155, 25), tk::clRed);  // the triangle points down at the bottom edge
}

TEST(JogMeter, DirectionSwapsTheSize)
{
    TInstJogMeter m;
    m.setDirection(TInstDirection::voVertical);
    EXPECT_EQ(m.size(), QSize(40, 160));
    m.Value()->setValue(0);
    const QImage picture = m.Render();
    EXPECT_EQ(PixelAt(picture, 20, 80), tk::clRed);  // the line marker across the middle
}

TEST(JogMeter, EmptyMarkerBitmapBringsBackThePin)
{
    TInstLiniarIndicator indicator;
    QSignalSpy spy(&indicator, &TInstPersistent::OnChange);
    indicator.setBitmap(QImage());
    EXPECT_EQ(indicator.Bitmap().size(), QSize(6, 9));
    EXPECT_EQ(spy.count(), 1);
}

TEST(JogMeter, PinMarkerLeavesOutItsBackground)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Scale()->setVisible(false);
    m.Value()->setShape(TInstIndicatorShape::voBitmap);
    const QImage pin = InstResourceBitmap(QStringLiteral("TIWPIN"));
    const QImage picture = m.Render();
    const int left = 155 - pin.width() / 2;
    EXPECT_EQ(picture.pixel(left + 2, 2), pin.pixel(2, 2));  // the head
    EXPECT_NE(picture.pixel(left, 8), pin.pixel(0, 8));       // the background colour is left out
}

TEST(JogMeter, CaptionAtTheBottomAwayFromTheTicks)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Scale()->setVisible(false);
    m.Value()->setVisible(false);
    m.setCaption(QStringLiteral("GRADI"));
    m.setShowCaption(true);
    const QImage picture = m.Render();
    EXPECT_TRUE(AnyPixelOf(picture, QRect(130, 17, 50, 13), tk::clBlack));
    EXPECT_FALSE(AnyPixelOf(picture, QRect(0, 0, 311, 12), tk::clBlack));
}

TEST(JogMeter, ExtremeSettingsStillPaint)
{
    TInstJogMeter m;
    DegreeMeter(m);
    m.Scale()->setHeightMax(INT_MAX);
    m.Scale()->setHeightMin(INT_MIN);
    m.Scale()->setDecimals(1000);
    m.Value()->setValue(1e300);
    m.Render();
    m.Scale()->setApperture(1e-300);
    m.Scale()->setStep(1e-300);
    m.Value()->setValue(-1e300);
    m.Render();
    m.Value()->setShape(TInstIndicatorShape::voBitmap);
    m.Scale()->setPosition(TInstPosition::voAfter);
    m.setDirection(TInstDirection::voVertical);
    m.Render();
}
