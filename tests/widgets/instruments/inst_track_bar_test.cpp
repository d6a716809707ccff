#include "inst_test_support.h"

#include "widgets/instruments/inst_track_bar.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tk = toolkit;
using Layout = TrackBarGeometry::Layout;

namespace {

constexpr QSize kHorizontalThumb(9, 17);
constexpr QSize kVerticalThumb(17, 9);

// The degree bar of the angle dialog.
Layout DegreeBar()
{
    return {QSize(331, 14), 10, kHorizontalThumb, 0, 359, TInstOrientation::voHorizontal,
            TInstProgressStyle::psBottomLeft};
}

Layout Bar(TInstOrientation orientation, TInstProgressStyle style, int length, int minValue, int maxValue)
{
    const bool horizontal = orientation == TInstOrientation::voHorizontal;
    return {horizontal ? QSize(length, 20) : QSize(20, length), 10, horizontal ? kHorizontalThumb : kVerticalThumb,
            minValue, maxValue, orientation, style};
}

}  // namespace

struct RoundCase {
    long long num, den, expected;
};

class RoundDivTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDivTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundDivHalfEven(GetParam().num, GetParam().den), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundDivTest,
                         testing::Values(RoundCase{5, 2, 2}, RoundCase{7, 2, 4}, RoundCase{-5, 2, -2},
                                         RoundCase{-7, 2, -4}, RoundCase{7, -2, -4}, RoundCase{10, 3, 3},
                                         RoundCase{-10, 3, -3}, RoundCase{11, 3, 4}, RoundCase{0, 7, 0}));

TEST(TrackGeometry, DegreeBarPlacesHalfCircleAt161)
{
    const TrackBarGeometry g(DegreeBar());
    EXPECT_EQ(g.Origin(), 10);
    EXPECT_EQ(g.Travel(), 302);
    EXPECT_EQ(g.ThumbPlace(180), 161);
    EXPECT_EQ(g.ThumbAcross(), -1);  // a thumb taller than the bar sticks out equally
}

struct ComboCase {
    const char* name;
    TInstOrientation orientation;
    TInstProgressStyle style;
    bool minimumAtLowPlace;  // the minimum at the left or top end
};

class TrackComboTest : public testing::TestWithParam<ComboCase> {};

TEST_P(TrackComboTest, EveryValueComesBackFromItsPlace)
{
    const ComboCase& c = GetParam();
    const TrackBarGeometry g(Bar(c.orientation, c.style, 331, -180, 59));
    ASSERT_GE(g.Travel(), g.Range());
    for (long long v = -180; v <= 59; ++v)
        ASSERT_EQ(g.ValueAt(g.ThumbPlace(v), 0), v) << v;
}

TEST_P(TrackComboTest, EveryPlaceComesBackFromItsValueOnAShortTrack)
{
    const ComboCase& c = GetParam();
    const TrackBarGeometry g(Bar(c.orientation, c.style, 80, 0, 359));
    ASSERT_LT(g.Travel(), g.Range());
    for (long long place = g.Origin(); place <= g.Origin() + g.Travel(); ++place) {
        const long long value = *g.ValueAt(place, 0);
        EXPECT_EQ(*g.ValueAt(g.ThumbPlace(value), 0), value) << place;
    }
}

TEST_P(TrackComboTest, MinimumLiesAtTheStyledEnd)
{
    const ComboCase& c = GetParam();
    const TrackBarGeometry g(Bar(c.orientation, c.style, 120, 0, 100));
    EXPECT_EQ(g.ThumbPlace(0) < g.ThumbPlace(100), c.minimumAtLowPlace);
    const long long low = g.Origin() - 1000;
    const long long high = g.Origin() + g.Travel() + 1000;
    EXPECT_EQ(*g.ValueAt(low, 0), c.minimumAtLowPlace ? 0 : 100);
    EXPECT_EQ(*g.ValueAt(high, 0), c.minimumAtLowPlace ? 100 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrackComboTest,
    testing::Values(
        ComboCase{"HorizontalBottomLeft", TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, true},
        ComboCase{"HorizontalTopRight", TInstOrientation::voHorizontal, TInstProgressStyle::psTopRight, false},
        ComboCase{"VerticalBottomLeft", TInstOrientation::voVertical, TInstProgressStyle::psBottomLeft, false},
        ComboCase{"VerticalTopRight", TInstOrientation::voVertical, TInstProgressStyle::psTopRight, true}),
    [](const testing::TestParamInfo<ComboCase>& info) { return info.param.name; });

TEST(TrackGeometry, SnapsToFrequency)
{
    const TrackBarGeometry g(Bar(TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, 120, 0, 100));
    EXPECT_EQ(*g.ValueAt(g.ThumbPlace(37), 10), 40);
    EXPECT_EQ(*g.ValueAt(g.ThumbPlace(34), 10), 30);
}

TEST(TrackGeometry, ZeroRangePutsTheThumbAtTheMinimumEnd)
{
    const TrackBarGeometry g(Bar(TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, 120, 5, 5));
    EXPECT_EQ(g.ThumbPlace(5), g.Origin());
    EXPECT_EQ(*g.ValueAt(g.Origin() + 50, 0), 5);
    const auto ticks = g.Ticks(10);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_TRUE(ticks[0].isLong);
}

TEST(TrackGeometry, NoTravelGivesNoValue)
{
    const TrackBarGeometry g(Bar(TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, 29, 0, 100));
    EXPECT_LE(g.Travel(), 0);
    EXPECT_FALSE(g.ValueAt(15, 0));
}

struct TickCase {
    int length;  // track length; the travel is length - 2 * 10 - 9
    int frequency;
    std::size_t count;
    long long spacing;
};

class TickRowTest : public testing::TestWithParam<TickCase> {};

TEST_P(TickRowTest, StepGrowsUntilTicksAreFourPixelsApart)
{
    const TrackBarGeometry g(
        Bar(TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, GetParam().length, 0, 100));
    const auto ticks = g.Ticks(GetParam().frequency);
    ASSERT_EQ(ticks.size(), GetParam().count);
    if (ticks.empty())
        return;
    EXPECT_TRUE(ticks.front().isLong);
    EXPECT_TRUE(ticks.back().isLong);
    EXPECT_EQ(ticks.front().place, g.Origin() + 4);  // the thumb's middle
    if (ticks.size() > 2) {
        EXPECT_FALSE(ticks[1].isLong);
        EXPECT_EQ(ticks[1].place - ticks[0].place, GetParam().spacing);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TickRowTest,
                         testing::Values(TickCase{179, 10, 11, 15},  // travel 150
                                         TickCase{59, 10, 6, 6},     // travel 30: the step doubles to 20
                                         TickCase{69, 10, 11, 4},    // travel 40: exactly 4 apart, all kept
                                         TickCase{179, 0, 0, 0},     // no frequency, no ticks
                                         TickCase{179, 60, 3, 90}));   // ticks at 0, 60 and the maximum

TEST(TrackGeometry, HugeRangeFindsItsStepWithoutWalking)
{
    Layout layout = Bar(TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, 429, INT_MIN, INT_MAX);
    const auto ticks = TrackBarGeometry(layout).Ticks(1);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_LE(ticks.size(), 101u);  // a travel of 400 holds at most 100 gaps of 4
}

TEST(TrackGeometry, TooManyTicksAreNotDrawn)
{
    const TrackBarGeometry g(
        Bar(TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, 1000029, 0, 1000000));
    EXPECT_TRUE(g.Ticks(1).empty());  // 4 pixels apart would still take 250001 ticks
    EXPECT_EQ(g.Ticks(100).size(), 10001u);
}

// ---- the widget ----

namespace {

struct DegreeBarWidget {
    TInstTrackBar bar;
    DegreeBarWidget()
    {
        bar.setGeometry(0, 169, 331, 14);
        bar.setMaxValue(359);
        bar.setGutterColor(tk::clGreen);
        bar.setTickMarks(TInstTickMarks::tmNone);
        bar.setColor(tk::clBlack);
    }
    QPoint ThumbCentre() const { return bar.ThumbRect().center(); }
};

}  // namespace

TEST(TrackBar, PositionIsClampedAndChangesAreToldOnce)
{
    TInstTrackBar bar;
    QSignalSpy spy(&bar, &TInstTrackBar::OnChange);
    bar.setPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.setPosition(100);
    bar.setPosition(-4);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(spy.count(), 2);
}

TEST(TrackBar, LoweringTheMaximumPullsThePositionDown)
{
    TInstTrackBar bar;
    bar.setPosition(80);
    QSignalSpy spy(&bar, &TInstTrackBar::OnChange);
    bar.setMaxValue(10);
    EXPECT_EQ(bar.Position(), 10);
    EXPECT_EQ(spy.count(), 1);
    bar.setMinValue(20);  // above the maximum: raised to the minimum, then lowered to the maximum
    EXPECT_EQ(bar.Position(), 10);
    bar.setPosition(15);
    EXPECT_EQ(bar.Position(), 10);
}

struct KeyCase {
    const char* name;
    TInstOrientation orientation;
    TInstProgressStyle style;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int expected;  // from a position of 50, range 0..100, frequency 10
};

class TrackBarKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(TrackBarKeyTest, KeyMovesThePosition)
{
    TInstTrackBar bar;
    bar.setOrientation(GetParam().orientation);
    bar.setStyle(GetParam().style);
    bar.setPosition(50);
    QTest::keyClick(&bar, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(bar.Position(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrackBarKeyTest,
    testing::Values(
        KeyCase{"HomeGoesToMax", TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, Qt::Key_Home,
                Qt::NoModifier, 100},
        KeyCase{"EndGoesToMin", TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, Qt::Key_End,
                Qt::NoModifier, 0},
        KeyCase{"Right", TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, Qt::Key_Right,
                Qt::NoModifier, 60},
        KeyCase{"RightOnTopRightLowers", TInstOrientation::voHorizontal, TInstProgressStyle::psTopRight,
                Qt::Key_Right, Qt::NoModifier, 40},
        KeyCase{"UpOnVerticalRaises", TInstOrientation::voVertical, TInstProgressStyle::psBottomLeft, Qt::Key_Up,
                Qt::NoModifier, 60},
        KeyCase{"UpOnVerticalTopRightLowers", TInstOrientation::voVertical, TInstProgressStyle::psTopRight,
                Qt::Key_Up, Qt::NoModifier, 40},
        KeyCase{"UpOnHorizontalDoesNothing", TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft,
                Qt::Key_Up, Qt::NoModifier, 50},
        KeyCase{"ShiftIsIgnored", TInstOrientation::voHorizontal, TInstProgressStyle::psBottomLeft, Qt::Key_Right,
                Qt::ShiftModifier, 50}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(TrackBar, OrientationSwapsTheSize)
{
    TInstTrackBar bar;
    bar.setOrientation(TInstOrientation::voVertical);
    EXPECT_EQ(bar.size(), QSize(45, 175));
    EXPECT_EQ(bar.ThumbRect().size(), kVerticalThumb);
}

TEST(TrackBar, DraggingBeyondEitherEndStopsAtTheBounds)
{
    DegreeBarWidget w;
    QSignalSpy spy(&w.bar, &TInstTrackBar::OnChange);
    SendMouse(&w.bar, QEvent::MouseButtonPress, w.ThumbCentre());
    EXPECT_TRUE(w.bar.Dragging());
    EXPECT_TRUE(w.bar.CursorClipped());
    SendMouse(&w.bar, QEvent::MouseMove, QPoint(5000, 7));
    EXPECT_EQ(w.bar.Position(), 359);
    SendMouse(&w.bar, QEvent::MouseMove, QPoint(-5000, 7));
    EXPECT_EQ(w.bar.Position(), 0);
    SendMouse(&w.bar, QEvent::MouseButtonRelease, QPoint(-5000, 7));
    EXPECT_FALSE(w.bar.Dragging());
    EXPECT_FALSE(w.bar.CursorClipped());
    EXPECT_EQ(spy.count(), 2);
}

TEST(TrackBar, DragKeepsTheGrabOffset)
{
    DegreeBarWidget w;
    w.bar.setPosition(180);
    const QPoint grab = w.bar.ThumbRect().topLeft() + QPoint(2, 8);  // near the thumb's left edge
    SendMouse(&w.bar, QEvent::MouseButtonPress, grab);
    SendMouse(&w.bar, QEvent::MouseMove, grab + QPoint(1, 0));
    EXPECT_EQ(w.bar.Position(), 181);  // one pixel right; a jump to the pointer would differ
}

TEST(TrackBar, ActiveClickCentresTheThumbWithoutDragging)
{
    DegreeBarWidget w;
    QSignalSpy spy(&w.bar, &TInstTrackBar::OnChange);
    SendMouse(&w.bar, QEvent::MouseButtonPress, QPoint(165, 7));
    EXPECT_EQ(w.bar.Position(), 180);  // thumb edge 161 is 180 degrees
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(w.bar.Dragging());
    SendMouse(&w.bar, QEvent::MouseMove, QPoint(300, 7));
    EXPECT_EQ(w.bar.Position(), 180);
}

TEST(TrackBar, HidingEndsADrag)
{
    DegreeBarWidget w;
    w.bar.show();
    SendMouse(&w.bar, QEvent::MouseButtonPress, w.ThumbCentre());
    ASSERT_TRUE(w.bar.Dragging());
    w.bar.hide();
    EXPECT_FALSE(w.bar.Dragging());
    EXPECT_FALSE(w.bar.CursorClipped());
}

TEST(TrackBar, HandCursorOverTheThumbOnly)
{
    DegreeBarWidget w;
    SendMouse(&w.bar, QEvent::MouseMove, w.ThumbCentre());
    EXPECT_TRUE(w.bar.Hovering());
    EXPECT_EQ(w.bar.cursor().shape(), Qt::BitmapCursor);
    SendMouse(&w.bar, QEvent::MouseMove, QPoint(300, 7));
    EXPECT_FALSE(w.bar.Hovering());
    EXPECT_EQ(w.bar.cursor().shape(), Qt::ArrowCursor);
    // A cursor the owner set is given back.
    w.bar.setCursor(Qt::CrossCursor);
    SendMouse(&w.bar, QEvent::MouseMove, w.ThumbCentre());
    EXPECT_EQ(w.bar.cursor().shape(), Qt::BitmapCursor);
    SendMouse(&w.bar, QEvent::MouseMove, QPoint(300, 7));
    EXPECT_EQ(w.bar.cursor().shape(), Qt::CrossCursor);
}

TEST(TrackBar, NotATabStopNeverTakesTheFocus)
{
    QWidget window;
    DegreeBarWidget w;
    w.bar.setParent(&window);
    window.show();
    SendMouse(&w.bar, QEvent::MouseButtonPress, QPoint(50, 7));
    EXPECT_FALSE(w.bar.hasFocus());
    EXPECT_EQ(w.bar.focusPolicy(), Qt::NoFocus);
}

TEST(TrackBar, PaintsGutterAndThumbAtThePosition)
{
    DegreeBarWidget w;
    w.bar.setPosition(180);
    const QImage picture = w.bar.Render();
    EXPECT_EQ(PixelAt(picture, 100, 6), tk::clGreen);           // the gutter's inside
    EXPECT_EQ(PixelAt(picture, 100, 2), tk::ResolveColor(tk::clBtnShadow));  // lowered: dark at the top
    EXPECT_EQ(PixelAt(picture, 161, 6), tk::clBlack);           // the thumb's outline
    EXPECT_EQ(PixelAt(picture, 162, 6), tk::clWhite);           // its light edge
    EXPECT_EQ(PixelAt(picture, 164, 6), tk::RGB(192, 192, 192));  // its face
    EXPECT_EQ(PixelAt(picture, 5, 6), tk::clBlack);             // the dialog's colour
    w.bar.setPosition(0);
    EXPECT_EQ(PixelAt(w.bar.Render(), 164, 6), tk::clGreen);    // the cached layer holds no thumb
}

TEST(TrackBar, TickMarksPointAwayFromTheGutter)
{
    TInstTrackBar bar;  // 175 x 45, ticks on both sides, gutter rows 18..26
    bar.setColor(tk::clWhite);
    const QImage picture = bar.Render();
    const int x = 10 + 4;  // the minimum tick under the thumb's middle
    EXPECT_EQ(PixelAt(picture, x, 13), tk::clBlack);  // upper row from 13 up, four long
    EXPECT_EQ(PixelAt(picture, x, 10), tk::clBlack);
    EXPECT_EQ(PixelAt(picture, x, 9), tk::clWhite);
    EXPECT_EQ(PixelAt(picture, x, 32), tk::clBlack);  // lower row from 32 down
    EXPECT_EQ(PixelAt(picture, x, 35), tk::clBlack);
}

TEST(TrackBar, ThumbFromABitmapListWithStates)
{
    TInstBitmapList list;
    QImage strip(20, 6, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 6; ++y)
        for (int x = 10; x < 20; ++x)
            strip.setPixel(x, y, qRgb(0, 0, 255));
    list.Bitmaps()->Add(strip);
    TInstTrackBar bar;
    bar.setBitmapList(&list);
    bar.setThumbImageIndex(0);
    bar.setThumbStates(2);
    bar.setThumbStates(7);  // out of 1..4: ignored
    EXPECT_EQ(bar.ThumbStates(), 2);
    EXPECT_EQ(bar.ThumbRect().size(), QSize(10, 6));
    const QPoint inside = bar.ThumbRect().center();
    EXPECT_EQ(PixelAt(bar.Render(), inside.x(), inside.y()), tk::clRed);
    bar.setEnabled(false);
    EXPECT_EQ(PixelAt(bar.Render(), inside.x(), inside.y()), tk::clBlue);  // the disabled image
    list.Bitmaps()->Clear();  // the list tells the bar, which falls back to its own thumb
    EXPECT_EQ(bar.ThumbRect().size(), QSize(4, 17));  // INSTTB_HORI split into two states
}

TEST(TrackBar, ForgetsABitmapListThatIsDestroyed)
{
    auto list = std::make_unique<TInstBitmapList>();
    TInstTrackBar bar;
    bar.setBitmapList(list.get());
    list.reset();
    EXPECT_EQ(bar.BitmapList(), nullptr);
    bar.Render();
}

TEST(TrackBar, ExtremeSettingsStillPaint)
{
    TInstTrackBar bar;
    bar.setMinValue(INT_MIN);
    bar.setMaxValue(INT_MAX);
    bar.setFrequency(1);
    bar.setPosition(INT_MAX);
    bar.setScaleOffset(INT_MIN);
    bar.setGutterWidth(INT_MAX);
    bar.Render();
    bar.setBorderWidth(INT_MIN);
    bar.Render();
    bar.setBorderWidth(INT_MAX);
    bar.setFrequency(INT_MAX);
    QTest::keyClick(&bar, Qt::Key_Right);
    EXPECT_EQ(bar.Position(), INT_MAX);
    bar.Render();
}
