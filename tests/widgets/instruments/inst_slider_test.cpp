#include "inst_test_support.h"

#include "dialogs/speed_log.h"
#include "widgets/instruments/inst_resources.h"
#include "widgets/instruments/inst_slider.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace tk = toolkit;

namespace {

constexpr QSize kLogSize(36, 281);
// The log's channel images: inside a frame of 1 and a bevel of 5.
constexpr tk::TRect kLogChannel{6, 6, 30, 275};

// The speed log's slider: tenths of a knot, 0..500.
void SetUpAsLog(TInstSlider& slider)
{
    slider.setGeometry(265, 5, kLogSize.width(), kLogSize.height());
    SetUpAsSpeedSlider(slider);
}

int CountPixels(const QImage& image, tk::TColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += PixelAt(image, x, y) == colour ? 1 : 0;
    return n;
}

}  // namespace

// ---- geometry ----

TEST(SliderGeometry, LogChannelIsInsideFrameAndBevel)
{
    EXPECT_EQ(SliderChannelRect(kLogSize, 1, 5), kLogChannel);
}

TEST(SliderGeometry, LogBarsEverySecondRowFromTheBottom)
{
    const std::vector<SliderBar> bars = SliderBars(24, 269, 1, 1, TInstOrientation::voVertical,
                                                   TInstSliderStyle::ssBottomLeft);
    ASSERT_EQ(bars.size(), 136u);
    int inside = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i], (SliderBar{0, 268 - 2 * static_cast<long long>(i), 24, 269 - 2 * static_cast<long long>(i)}));
        inside += bars[i].bottom > 0 ? 1 : 0;
    }
    EXPECT_EQ(inside, 135);
}

struct BarCase {
    const char* name;
    TInstOrientation orientation;
    TInstSliderStyle style;
    SliderBar first;
    SliderBar second;
};

class SliderBarTest : public testing::TestWithParam<BarCase> {};

TEST_P(SliderBarTest, FirstBarAtTheMinimumEnd)
{
    // A 20 x 30 image, bars 2 thick with 3 between.
    const std::vector<SliderBar> bars = SliderBars(20, 30, 2, 3, GetParam().orientation, GetParam().style);
    ASSERT_GE(bars.size(), 2u);
    EXPECT_EQ(bars[0], GetParam().first);
    EXPECT_EQ(bars[1], GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SliderBarTest,
    testing::Values(BarCase{"VerticalBottom", TInstOrientation::voVertical, TInstSliderStyle::ssBottomLeft,
                            {0, 28, 20, 30}, {0, 23, 20, 25}},
                    BarCase{"VerticalTop", TInstOrientation::voVertical, TInstSliderStyle::ssTopRight,
                            {0, 0, 20, 2}, {0, 5, 20, 7}},
                    BarCase{"HorizontalLeft", TInstOrientation::voHorizontal, TInstSliderStyle::ssBottomLeft,
                            {0, 0, 2, 30}, {5, 0, 7, 30}},
                    BarCase{"HorizontalRight", TInstOrientation::voHorizontal, TInstSliderStyle::ssTopRight,
                            {18, 0, 20, 30}, {13, 0, 15, 30}}),
    [](const testing::TestParamInfo<BarCase>& info) { return info.param.name; });

struct HighPartCase {
    const char* name;
    TInstOrientation orientation;
    TInstSliderStyle style;
    QRect thumb;
    tk::TRect part;
};

class SliderHighPartTest : public testing::TestWithParam<HighPartCase> {};

TEST_P(SliderHighPartTest, FromTheMinimumEndToTheThumbsMiddle)
{
    EXPECT_EQ(SliderHighPart(kLogChannel, GetParam().thumb, GetParam().orientation, GetParam().style),
              GetParam().part);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SliderHighPartTest,
    testing::Values(HighPartCase{"LogAtZero", TInstOrientation::voVertical, TInstSliderStyle::ssBottomLeft,
                                 QRect(3, 265, 30, 13), {6, 271, 30, 275}},
                    HighPartCase{"LogAtFull", TInstOrientation::voVertical, TInstSliderStyle::ssBottomLeft,
                                 QRect(3, 3, 30, 13), {6, 9, 30, 275}},
                    HighPartCase{"FromTheTop", TInstOrientation::voVertical, TInstSliderStyle::ssTopRight,
                                 QRect(3, 100, 30, 13), {6, 6, 30, 107}},
                    HighPartCase{"FromTheLeft", TInstOrientation::voHorizontal, TInstSliderStyle::ssBottomLeft,
                                 QRect(10, 0, 13, 30), {6, 6, 16, 275}},
                    HighPartCase{"FromTheRight", TInstOrientation::voHorizontal, TInstSliderStyle::ssTopRight,
                                 QRect(10, 0, 13, 30), {17, 6, 30, 275}},
                    HighPartCase{"ThumbBeyondTheChannel", TInstOrientation::voVertical,
                                 TInstSliderStyle::ssBottomLeft, QRect(3, 400, 30, 13), {6, 6, 6, 6}}),
    [](const testing::TestParamInfo<HighPartCase>& info) { return info.param.name; });

// ---- the widget ----

struct ThumbPlaceCase {
    int value;
    int top;
};

class SliderThumbPlaceTest : public testing::TestWithParam<ThumbPlaceCase> {};

TEST_P(SliderThumbPlaceTest, LogThumbTopIs265LessTheScaledValue)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    slider.setPosition(GetParam().value);
    EXPECT_EQ(slider.ThumbRect(), QRect(3, GetParam().top, 30, 13));
}

// 265 - Round(262 v / 500), halves to even.
INSTANTIATE_TEST_SUITE_P(Table, SliderThumbPlaceTest,
                         testing::Values(ThumbPlaceCase{0, 265}, ThumbPlaceCase{1, 264}, ThumbPlaceCase{3, 263},
                                         ThumbPlaceCase{250, 134}, ThumbPlaceCase{123, 201},
                                         ThumbPlaceCase{500, 3}));

TEST(Slider, LogAtZeroShowsNoHighColourBesideTheThumb)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    const QImage shown = slider.Render();
    EXPECT_EQ(CountPixels(shown, tk::clRed), 0);
    EXPECT_EQ(PixelAt(shown, 15, 264), tk::clGreen);  // just above the thumb at 265
    EXPECT_EQ(PixelAt(shown, 15, 263), tk::clBlack);  // between two bars
    EXPECT_EQ(PixelAt(shown, 15, 271), tk::clBlack);  // the thumb's slot
}

TEST(Slider, LogAtFullIsHighNearlyAllTheWay)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    slider.setPosition(500);
    const QImage shown = slider.Render();
    EXPECT_EQ(PixelAt(shown, 15, 6 + 268), tk::clRed);
    EXPECT_EQ(PixelAt(shown, 15, 6 + 10), tk::clRed);
    EXPECT_EQ(PixelAt(shown, 15, 6 + 9), tk::clBlack);
    EXPECT_EQ(CountPixels(shown, tk::clGreen), 0);
    EXPECT_EQ(PixelAt(shown, 18, 9), tk::clBlack);  // the thumb's slot, over the top of the channel
}

TEST(Slider, PaintFollowsThePosition)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    EXPECT_EQ(PixelAt(slider.grab().toImage(), 15, 20), tk::clGreen);
    slider.setPosition(500);
    EXPECT_EQ(PixelAt(slider.grab().toImage(), 15, 20), tk::clRed);
}

TEST(Slider, ImagesAreKeptWhileOnlyThePositionChanges)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    EXPECT_EQ(slider.LowImage().size(), QSize(24, 269));
    const qint64 low = slider.LowImage().cacheKey();
    slider.setPosition(321);
    slider.Render();
    EXPECT_EQ(slider.LowImage().cacheKey(), low);
    slider.Palette()->setLow(tk::clYellow);
    EXPECT_EQ(PixelAt(slider.LowImage(), 0, 268), tk::clYellow);
}

struct DragCase {
    const char* name;
    int toY;  // where the pointer goes, having grabbed the thumb 6 below its top
    int value;
};

class SliderDragTest : public testing::TestWithParam<DragCase> {};

TEST_P(SliderDragTest, LogThumbFollowsThePointer)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    SendMouse(&slider, QEvent::MouseButtonPress, QPoint(18, 271));
    ASSERT_TRUE(slider.Dragging());
    EXPECT_FALSE(slider.CursorClipped());  // no soMouseClip
    SendMouse(&slider, QEvent::MouseMove, QPoint(18, GetParam().toY));
    EXPECT_EQ(slider.Position(), GetParam().value);
    SendMouse(&slider, QEvent::MouseButtonRelease, QPoint(18, GetParam().toY));
    EXPECT_FALSE(slider.Dragging());
}

INSTANTIATE_TEST_SUITE_P(Table, SliderDragTest,
                         testing::Values(DragCase{"ToTheMiddle", 134 + 6, 250}, DragCase{"BeyondTheTop", -500, 500},
                                         DragCase{"BeyondTheBottom", 900, 0}),
                         [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

TEST(Slider, ClickBesideTheThumbDoesNothingUnlessActive)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    SendMouse(&slider, QEvent::MouseButtonPress, QPoint(18, 140));
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_FALSE(slider.Dragging());
    SendMouse(&slider, QEvent::MouseButtonRelease, QPoint(18, 140));
    slider.setOptions(slider.Options() | TInstSliderOption::soActiveClick);
    SendMouse(&slider, QEvent::MouseButtonPress, QPoint(18, 140));  // the thumb's middle goes there
    EXPECT_EQ(slider.Position(), 250);
}

struct SliderKeyCase {
    const char* name;
    TInstOrientation orientation;
    TInstSliderStyle style;
    Qt::Key key;
    int expected;  // from 250 in 0..500, steps of 10
};

class SliderKeyTest : public testing::TestWithParam<SliderKeyCase> {};

TEST_P(SliderKeyTest, KeysOfAFocusableSlider)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    slider.setOrientation(GetParam().orientation);
    slider.setStyle(GetParam().style);
    slider.setPosition(250);
    QTest::keyClick(&slider, GetParam().key);
    EXPECT_EQ(slider.Position(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SliderKeyTest,
    testing::Values(SliderKeyCase{"HomeGoesToMin", TInstOrientation::voVertical, TInstSliderStyle::ssBottomLeft,
                                  Qt::Key_Home, 0},
                    SliderKeyCase{"EndGoesToMax", TInstOrientation::voVertical, TInstSliderStyle::ssBottomLeft,
                                  Qt::Key_End, 500},
                    SliderKeyCase{"UpFromTheTopLowers", TInstOrientation::voVertical, TInstSliderStyle::ssTopRight,
                                  Qt::Key_Up, 240},
                    SliderKeyCase{"RightFromTheRightLowers", TInstOrientation::voHorizontal,
                                  TInstSliderStyle::ssTopRight, Qt::Key_Right, 240}),
    [](const testing::TestParamInfo<SliderKeyCase>& info) { return info.param.name; });

TEST(Slider, NotATabStopNeverShowsTheFocusColour)
{
    QWidget window;
    TInstSlider slider(&window);
    SetUpAsLog(slider);
    slider.setBorderColor(tk::clGray);
    window.show();
    SendMouse(&slider, QEvent::MouseButtonPress, QPoint(18, 271));
    EXPECT_FALSE(slider.hasFocus());
    EXPECT_EQ(PixelAt(slider.Render(), 0, 100), tk::clGray);
    slider.setTabStop(true);
    QApplication::setActiveWindow(&window);
    slider.setFocus();
    ASSERT_TRUE(slider.hasFocus());
    EXPECT_EQ(PixelAt(slider.Render(), 0, 100), tk::clBlue);
}

struct IgnoredCase {
    const char* name;
    void (TInstSlider::*set)(int);
    int (TInstSlider::*get)() const;
    int value;
};

class SliderIgnoredTest : public testing::TestWithParam<IgnoredCase> {};

TEST_P(SliderIgnoredTest, UnusableValueChangesNothing)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    const QImage before = slider.Render().copy();
    const int stored = (slider.*GetParam().get)();
    (slider.*GetParam().set)(GetParam().value);
    EXPECT_EQ((slider.*GetParam().get)(), stored);
    EXPECT_EQ(slider.Render(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SliderIgnoredTest,
    testing::Values(IgnoredCase{"SpacingNegative", &TInstSlider::setSpacing, &TInstSlider::Spacing, -1},
                    IgnoredCase{"TickWidthZero", &TInstSlider::setTickWidth, &TInstSlider::TickWidth, 0},
                    IgnoredCase{"BorderWidthNegative", &TInstSlider::setBorderWidth, &TInstSlider::BorderWidth, -2},
                    IgnoredCase{"ThumbIndentNegative", &TInstSlider::setThumbIndent, &TInstSlider::ThumbIndent, -1},
                    IgnoredCase{"ThumbStatesFive", &TInstSlider::setThumbStates, &TInstSlider::ThumbStates, 5}),
    [](const testing::TestParamInfo<IgnoredCase>& info) { return info.param.name; });

TEST(Slider, CheckeredSegmentsStartTheirPatternAtEachBar)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    slider.setSolidFill(false);
    slider.setTickWidth(2);
    const QImage& low = slider.LowImage();
    // Bars of 2 rows every 3: the bottom bar covers rows 267 and 268, the next 264 and 265.
    EXPECT_EQ(PixelAt(low, 0, 267), tk::clGreen);
    EXPECT_EQ(PixelAt(low, 1, 267), tk::clBlack);
    EXPECT_EQ(PixelAt(low, 0, 268), tk::clBlack);
    EXPECT_EQ(PixelAt(low, 1, 268), tk::clGreen);
    EXPECT_EQ(PixelAt(low, 0, 264), tk::clGreen);  // an odd row, yet the pattern starts again
    EXPECT_EQ(PixelAt(low, 0, 266), tk::clBlack);  // the gap
    slider.setTickWidth(300);  // one bar, from 31 rows above the image to its end
    EXPECT_EQ(PixelAt(slider.LowImage(), 1, 268), tk::clGreen);
    EXPECT_EQ(PixelAt(slider.LowImage(), 0, 268), tk::clBlack);
}

TEST(Slider, SquareSliderTurnedHorizontalRedrawsItsImages)
{
    TInstSlider slider;
    slider.resize(40, 40);
    ASSERT_EQ(PixelAt(slider.LowImage(), 1, slider.LowImage().height() - 1), tk::clGreen);  // a row bar
    slider.setOrientation(TInstOrientation::voHorizontal);
    EXPECT_EQ(slider.size(), QSize(40, 40));
    const QImage& low = slider.LowImage();
    EXPECT_EQ(PixelAt(low, 0, 5), tk::clGreen);  // column bars now
    EXPECT_EQ(PixelAt(low, 1, 5), tk::clBlack);
    EXPECT_EQ(slider.ThumbRect().size(), QSize(13, 30));
}

TEST(Slider, BuiltInThumbsHaveASlotAcrossTheChannel)
{
    const QImage hori = InstResourceBitmap(QStringLiteral("INSTSLIDERTHUMB_HORI"));
    const QImage vert = InstResourceBitmap(QStringLiteral("INSTSLIDERTHUMB_VERT"));
    ASSERT_EQ(hori.size(), QSize(30, 13));
    ASSERT_EQ(vert.size(), QSize(13, 30));
    for (int c = 5; c <= 7; ++c) {
        EXPECT_EQ(PixelAt(hori, 15, c), tk::clBlack);
        EXPECT_EQ(PixelAt(vert, c, 15), tk::clBlack);
    }
    EXPECT_EQ(PixelAt(hori, 15, 4), tk::clWhite);
    EXPECT_EQ(PixelAt(hori, 15, 8), tk::clGray);
}

TEST(Slider, ExtremeSettingsStillPaint)
{
    TInstSlider slider;
    slider.setMinValue(INT_MIN);
    slider.setMaxValue(INT_MAX);
    slider.setPosition(INT_MAX);
    slider.setTickWidth(INT_MAX);
    slider.setSolidFill(false);
    slider.setKeyIncrement(INT_MAX);
    slider.setTabStop(true);
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(slider.Position(), INT_MAX);
    slider.Render();
    slider.setBorderWidth(INT_MAX);
    slider.setThumbIndent(INT_MAX);
    slider.Render();
    SendMouse(&slider, QEvent::MouseButtonPress, QPoint(5, 5));
}

TEST(Slider, DisablingEndsADrag)
{
    TInstSlider slider;
    SetUpAsLog(slider);
    SendMouse(&slider, QEvent::MouseButtonPress, QPoint(18, 271));
    ASSERT_TRUE(slider.Dragging());
    slider.setEnabled(false);
    EXPECT_FALSE(slider.Dragging());
}
