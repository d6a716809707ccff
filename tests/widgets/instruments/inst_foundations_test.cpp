#include "inst_test_support.h"

#include "widgets/instruments/inst_bitmap_stream.h"
#include "widgets/instruments/inst_classes.h"
#include "widgets/instruments/inst_drawing.h"
#include "widgets/instruments/inst_system.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using toolkit::Canvas;
using toolkit::TRect;
namespace tk = toolkit;

namespace {

constexpr tk::TColor kPaper = tk::RGB(1, 2, 3);

struct Surface {
    QImage image{60, 60, QImage::Format_RGB32};
    Canvas canvas{&image};
    Surface() { image.fill(toolkit::ToQColor(kPaper)); }
    tk::TColor At(int x, int y) const { return canvas.Pixel(x, y); }
};

}  // namespace

// ---- bevel ----

struct BevelCase {
    const char* name;
    void (*setup)(TInstBevel&);
    int shrink;
};

class BevelShrinkTest : public testing::TestWithParam<BevelCase> {};

TEST_P(BevelShrinkTest, DrawShrinksAsAdjustRectSays)
{
    TInstBevel bevel;
    GetParam().setup(bevel);
    Surface s;
    TRect drawn{5, 5, 55, 55};
    bevel.Draw(s.canvas, drawn);
    TRect adjusted{5, 5, 55, 55};
    bevel.AdjustRect(adjusted);
    const int k = GetParam().shrink;
    EXPECT_EQ(drawn, (TRect{5 + k, 5 + k, 55 - k, 55 - k}));
    EXPECT_EQ(adjusted, drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BevelShrinkTest,
    testing::Values(BevelCase{"Default", [](TInstBevel&) {}, 4},
                    BevelCase{"Invisible", [](TInstBevel& b) { b.setVisible(false); }, 0},
                    BevelCase{"Border",
                              [](TInstBevel& b) {
                                  b.setBorderWidth(3);
                                  b.setInnerOutline(TInstBevelOutlineStyle::osInner);
                              },
                              8},
                    BevelCase{"FlatWide",
                              [](TInstBevel& b) {
                                  b.setOuterStyle(TInstBevelStyle::bsNone);
                                  b.setOuterOutline(TInstBevelOutlineStyle::osNone);
                                  b.setInnerWidth(5);
                                  b.setOuterSpace(2);
                              },
                              8}),
    [](const testing::TestParamInfo<BevelCase>& info) { return info.param.name; });

TEST(Bevel, DefaultPaintsOutlineRaisedOuterAndLoweredInner)
{
    TInstBevel bevel;
    Surface s;
    TRect r{0, 0, 20, 20};
    bevel.Draw(s.canvas, r);
    const tk::TColor white = tk::ResolveColor(tk::clBtnHighlight);
    const tk::TColor grey = tk::ResolveColor(tk::clBtnShadow);
    EXPECT_EQ(s.At(0, 10), tk::clBlack);  // outline
    EXPECT_EQ(s.At(1, 10), white);        // raised: light at the left
    EXPECT_EQ(s.At(18, 10), grey);        // and dark at the right
    EXPECT_EQ(s.At(3, 10), tk::ResolveColor(tk::clBtnFace));  // inner space
    EXPECT_EQ(s.At(2, 10), grey);         // lowered inner edge: dark at the left
    EXPECT_EQ(s.At(10, 10), kPaper);      // the inside is left alone
}

TEST(Bevel, InvisibleDrawsNothing)
{
    TInstBevel bevel;
    bevel.setVisible(false);
    Surface s;
    TRect r{0, 0, 20, 20};
    bevel.Draw(s.canvas, r);
    EXPECT_EQ(s.At(0, 0), kPaper);
}

TEST(Bevel, AssignCopiesEverythingWithOneNotification)
{
    TInstBevel source;
    source.setBorderWidth(2);
    source.setInnerColor(tk::clRed);
    source.setOuterOutline(TInstBevelOutlineStyle::osInner);
    TInstBevel target;
    QSignalSpy spy(&target, &TInstPersistent::OnChange);
    target.Assign(source);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(target.BorderWidth(), 2);
    EXPECT_EQ(target.InnerColor(), tk::clRed);
    EXPECT_EQ(target.OuterOutline(), TInstBevelOutlineStyle::osInner);
}

struct SubrangeCase {
    const char* name;
    void (*set)(TInstBevel&);
};

class BevelSubrangeTest : public testing::TestWithParam<SubrangeCase> {};

TEST_P(BevelSubrangeTest, OutOfRangeValueIsIgnoredSilently)
{
    TInstBevel bevel;
    QSignalSpy spy(&bevel, &TInstPersistent::OnChange);
    GetParam().set(bevel);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(bevel.Thickness(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BevelSubrangeTest,
    testing::Values(SubrangeCase{"InnerWidthZero", [](TInstBevel& b) { b.setInnerWidth(0); }},
                    SubrangeCase{"OuterWidthNegative", [](TInstBevel& b) { b.setOuterWidth(-3); }},
                    SubrangeCase{"BorderNegative", [](TInstBevel& b) { b.setBorderWidth(-1); }},
                    SubrangeCase{"SpaceNegative", [](TInstBevel& b) { b.setInnerSpace(-1); }},
                    SubrangeCase{"EqualValue", [](TInstBevel& b) { b.setInnerWidth(1); }}),
    [](const testing::TestParamInfo<SubrangeCase>& info) { return info.param.name; });

TEST(Persistent, NestedUpdatesNotifyOnceAtTheEnd)
{
    TInstPalette palette;
    QSignalSpy spy(&palette, &TInstPersistent::OnChange);
    palette.BeginUpdate();
    palette.BeginUpdate();
    palette.setLow(tk::clRed);
    palette.setHigh(tk::clBlue);
    palette.EndUpdate();
    palette.EndUpdate();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(palette.Colors(-5), tk::clRed);
    EXPECT_EQ(palette.Colors(1), tk::clBlue);
    palette.EndUpdate();  // an unmatched end tells, and does not go below zero
    palette.setLow(tk::clLime);
    EXPECT_EQ(spy.count(), 3);
}

// ---- drawing utilities ----

TEST(DrawFrame3D, WidthZeroChangesNothing)
{
    Surface s;
    TRect r{0, 0, 10, 10};
    DrawFrame3D(s.canvas, r, tk::clRed, tk::clBlue, 0);
    EXPECT_EQ(r, (TRect{0, 0, 10, 10}));
    EXPECT_EQ(s.At(0, 0), kPaper);
}

TEST(DrawFrame3D, WidthTwoDrawsTwoNestedFrames)
{
    Surface s;
    TRect r{0, 0, 10, 10};
    DrawFrame3D(s.canvas, r, tk::clRed, tk::clBlue, 2);
    EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
    EXPECT_EQ(s.At(0, 8), tk::clRed);   // top colour up the left edge
    EXPECT_EQ(s.At(8, 0), tk::clRed);
    EXPECT_EQ(s.At(9, 0), tk::clBlue);  // bottom colour from the top-right corner down
    EXPECT_EQ(s.At(0, 9), tk::clBlue);  // and along the bottom through the left corner
    EXPECT_EQ(s.At(1, 7), tk::clRed);   // second frame (1, 1, 8, 8)
    EXPECT_EQ(s.At(8, 8), tk::clBlue);
    EXPECT_EQ(s.At(2, 2), kPaper);
    EXPECT_EQ(s.At(10, 10), kPaper);
}

TEST(DrawFrame3D, HugeWidthDrawsOnlyTheFramesOnTheCanvasAndEnds)
{
    Surface s;
    constexpr int kFar = 100000;
    TRect r{-kFar, -kFar, kFar + 60, kFar + 60};
    DrawFrame3D(s.canvas, r, tk::clRed, tk::clBlue, kFar + 30);
    EXPECT_EQ(s.At(0, 30), tk::clRed);    // frame kFar lies along the canvas edges
    EXPECT_EQ(s.At(59, 30), tk::clBlue);
    EXPECT_EQ(s.At(29, 29), tk::clRed);   // the innermost frame
    EXPECT_EQ(r, (TRect{30, 30, 30, 30}));
}

TEST(DrawFrame3D, ShrinkSaturatesInsteadOfOverflowing)
{
    Surface s;
    TRect r{0, 0, 10, 10};
    DrawFrame3D(s.canvas, r, tk::clRed, tk::clBlue, INT_MAX);
    EXPECT_GT(r.Left, 0);
    EXPECT_LT(r.Right, 0);
}

struct GradientCase {
    TInstGradientStyle style;
    QPoint at;
    tk::TColor expected;
};

class GradientTest : public testing::TestWithParam<GradientCase> {};

TEST_P(GradientTest, ColourAtPixel)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    Canvas canvas(&image);
    DrawGradient(canvas, {0, 0, 10, 10}, tk::clBlack, tk::clWhite, GetParam().style, 1);
    EXPECT_EQ(canvas.Pixel(GetParam().at.x(), GetParam().at.y()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GradientTest,
    testing::Values(GradientCase{TInstGradientStyle::gsHorizontalCenter, {0, 4}, tk::clBlack},
                    GradientCase{TInstGradientStyle::gsHorizontalCenter, {5, 4}, tk::clWhite},
                    GradientCase{TInstGradientStyle::gsHorizontalCenter, {9, 4}, tk::RGB(51, 51, 51)},
                    GradientCase{TInstGradientStyle::gsVerticalCenter, {4, 9}, tk::RGB(51, 51, 51)},
                    GradientCase{TInstGradientStyle::gsVerticalCenter, {4, 5}, tk::clWhite},
                    GradientCase{TInstGradientStyle::gsVertical, {3, 5}, tk::RGB(127, 127, 127)},
                    GradientCase{TInstGradientStyle::gsHorizontal, {9, 0}, tk::RGB(229, 229, 229)},
                    GradientCase{TInstGradientStyle::gsNone, {5, 5}, tk::clBlue}));

TEST(Gradient, NoExtentOrNoStepDrawsNothing)
{
    Surface s;
    DrawGradient(s.canvas, {0, 0, 1, 20}, tk::clRed, tk::clRed, TInstGradientStyle::gsHorizontalCenter, 1);
    DrawGradient(s.canvas, {0, 0, 20, 0}, tk::clRed, tk::clRed, TInstGradientStyle::gsVertical, 1);
    DrawGradient(s.canvas, {0, 0, 20, 20}, tk::clRed, tk::clRed, TInstGradientStyle::gsVertical, 0);
    DrawGradient(s.canvas, {0, 0, 20, 20}, tk::clRed, tk::clRed, TInstGradientStyle::gsDiagonalRising, -4);
    EXPECT_EQ(s.At(0, 0), kPaper);
}

TEST(Gradient, ColourBeyondTheExtentIsHeldWithinTheBytes)
{
    EXPECT_EQ(GradientColor(tk::clBlack, tk::clWhite, 6, 5), tk::clWhite);
    EXPECT_EQ(GradientColor(tk::clWhite, tk::clBlack, 6, 5), tk::clBlack);
    EXPECT_EQ(GradientColor(tk::clBlack, tk::clWhite, -1, 5), tk::clBlack);
}

TEST(Gradient, HugeRectangleFillsOnlyTheCanvas)
{
    Surface s;
    DrawGradient(s.canvas, {INT_MIN / 2, 0, INT_MAX / 2, 60}, tk::clBlack, tk::clWhite,
                 TInstGradientStyle::gsHorizontalCenter, 1);
    EXPECT_NE(s.At(30, 30), kPaper);
    DrawGradient(s.canvas, {0, 0, 60, INT_MAX}, tk::clRed, tk::clRed, TInstGradientStyle::gsDiagonalFalling, 1);
}

TEST(Gradient, DiagonalStylesPaintFromTheCanvasOrigin)
{
    Surface s;
    DrawGradient(s.canvas, {20, 20, 30, 30}, tk::clRed, tk::clRed, TInstGradientStyle::gsDiagonalRising, 1);
    EXPECT_EQ(s.At(5, 0), tk::clRed);
}

TEST(DitherBitmap, CheckerboardOfTheTwoColours)
{
    const QImage b = CreateDitherBitmap(tk::clRed, tk::clBlue);
    ASSERT_EQ(b.size(), QSize(8, 8));
    EXPECT_EQ(PixelAt(b, 0, 0), tk::clRed);
    EXPECT_EQ(PixelAt(b, 1, 1), tk::clRed);
    EXPECT_EQ(PixelAt(b, 1, 0), tk::clBlue);
    EXPECT_EQ(PixelAt(b, 7, 6), tk::clBlue);
}

TEST(TileBitmap, EdgeTilesAreDrawnWhole)
{
    Surface s;
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(Qt::red);
    TileBitmap(s.canvas, {1, 1, 8, 6}, tile);
    EXPECT_EQ(s.At(1, 1), tk::clRed);
    EXPECT_EQ(s.At(9, 6), tk::clRed);  // the tile at x = 7, y = 5 reaches past the rectangle
    EXPECT_EQ(s.At(10, 1), kPaper);
    EXPECT_EQ(s.At(1, 7), kPaper);
    EXPECT_EQ(s.At(0, 0), kPaper);
}

TEST(TileBitmap, EmptyBitmapTilesNothing)
{
    Surface s;
    TileBitmap(s.canvas, {0, 0, 60, 60}, QImage());
    TileBitmap(s.canvas, {0, 0, 60, 60}, QImage(0, 5, QImage::Format_RGB32));
    EXPECT_EQ(s.At(0, 0), kPaper);
}

TEST(DrawBitmap, TransparentLeavesOutItsColour)
{
    Surface s;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 0, 0));
    DrawBitmap(s.canvas, {0, 0, 4, 2}, picture, BitmapRect(picture), true, tk::clBlack);
    EXPECT_EQ(s.At(0, 0), kPaper);
    EXPECT_EQ(s.At(3, 1), tk::clRed);
    DrawBitmap(s.canvas, {0, 0, 4, 2}, picture, BitmapRect(picture), false, tk::clBlack);
    EXPECT_EQ(s.At(0, 0), tk::clBlack);
}

struct CutCase {
    const char* text;
    const char* token;
    const char* rest;
};

class CutTokenTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutTokenTest, SplitsAtTheFirstSeparator)
{
    QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(CutToken(text, QLatin1Char('|')), QString::fromUtf8(GetParam().token));
    EXPECT_EQ(text, QString::fromUtf8(GetParam().rest));
}

INSTANTIATE_TEST_SUITE_P(Table, CutTokenTest,
                         testing::Values(CutCase{"||Mg/h|NODI", "", "|Mg/h|NODI"},
                                         CutCase{"NODI", "NODI", ""}, CutCase{"a|b|c", "a", "b|c"},
                                         CutCase{"a|", "a", ""}, CutCase{"", "", ""}));

TEST(Colors, SystemColourBeyondTheTableResolvesToBlack)
{
    EXPECT_EQ(tk::ResolveColor(tk::SystemColor(200)), tk::clBlack);
    const TInstRgb shadow = SplitColor(tk::clBtnShadow);
    EXPECT_EQ(shadow.red, 128);
    EXPECT_EQ(shadow.blue, 128);
    EXPECT_EQ(SplitColor(tk::RGB(1, 2, 3)).blue, 3);
}

// ---- change links ----

TEST(ChangeLinks, NotifyInOrderAndUnregisterInBothDirections)
{
    QStringList told;
    auto component = std::make_unique<TInstSharedComponent>();
    TInstChangeLink a;
    TInstChangeLink b;
    a.OnChange = [&](TInstSharedComponent* sender) {
        told << QStringLiteral("a");
        EXPECT_EQ(sender, component.get());
    };
    b.OnChange = [&](TInstSharedComponent*) { told << QStringLiteral("b"); };
    component->InsertLink(&a);
    component->InsertLink(&b);
    EXPECT_EQ(a.Sender(), component.get());
    component->NotifyClients();
    EXPECT_EQ(told, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    {
        TInstChangeLink passing;
        component->InsertLink(&passing);
    }
    EXPECT_EQ(component->LinkCount(), 2);  // a destroyed link unregisters itself
    TInstChangeLink stranger;
    component->RemoveLink(&stranger);      // not registered: ignored
    EXPECT_EQ(component->LinkCount(), 2);
    component.reset();
    EXPECT_EQ(a.Sender(), nullptr);
    EXPECT_EQ(b.Sender(), nullptr);
}

TEST(ChangeLinks, LinkMayUnregisterWhileBeingTold)
{
    TInstSharedComponent component;
    TInstChangeLink first;
    TInstChangeLink second;
    int secondTold = 0;
    first.OnChange = [&](TInstSharedComponent* sender) { sender->RemoveLink(&first); };
    second.OnChange = [&](TInstSharedComponent*) { ++secondTold; };
    component.InsertLink(&first);
    component.InsertLink(&second);
    component.NotifyClients();
    EXPECT_EQ(secondTold, 1);
    EXPECT_EQ(component.LinkCount(), 1);
}

TEST(ScreenCursors, HandIsNumber99)
{
    EXPECT_EQ(ScreenCursor(crInstHandPoint).shape(), Qt::BitmapCursor);
    EXPECT_EQ(ScreenCursor(5).shape(), Qt::ArrowCursor);
}

// ---- bitmap lists and their stream ----

namespace {

QByteArray StreamOf(const QList<QImage>& bitmaps)
{
    return WriteBitmapStream(bitmaps);
}

void Poke32(QByteArray& bytes, qsizetype at, std::int32_t v)
{
    qToLittleEndian(v, bytes.data() + at);
}

}  // namespace

TEST(BitmapList, LooksUpOnlyExistingIndexes)
{
    TInstBitmapList list;
    list.Bitmaps()->Add(Solid(2, 2, tk::RGB(9, 9, 9)));
    EXPECT_TRUE(list.GetBitmap(-1).isNull());
    EXPECT_TRUE(list.GetBitmap(1).isNull());
    EXPECT_FALSE(list.GetBitmap(0).isNull());
    EXPECT_TRUE(list.Bitmaps()->Bitmaps(7).isNull());
}

TEST(BitmapList, TellsLinksFirstThenItsOwnSignal)
{
    TInstBitmapList list;
    TInstChangeLink link;
    QStringList order;
    link.OnChange = [&](TInstSharedComponent*) { order << QStringLiteral("link"); };
    list.InsertLink(&link);
    QObject::connect(&list, &TInstBitmapList::OnChange, [&] { order << QStringLiteral("list"); });
    list.Bitmaps()->Add(Solid(1, 1, tk::RGB(0, 0, 0)));
    EXPECT_EQ(order, (QStringList{QStringLiteral("link"), QStringLiteral("list")}));
}

TEST(BitmapList, AssigningItsOwnListDoesNothing)
{
    TInstBitmapList list;
    list.Bitmaps()->Add(Solid(1, 1, tk::RGB(0, 0, 0)));
    QSignalSpy spy(&list, &TInstBitmapList::OnChange);
    list.setBitmaps(list.Bitmaps());
    EXPECT_EQ(list.Bitmaps()->Count(), 1);
    EXPECT_EQ(spy.count(), 0);
    list.Bitmaps()->Add(list.Bitmaps()->Bitmaps(0));  // adding its own bitmap copies it
    EXPECT_EQ(list.Bitmaps()->Count(), 2);
}

TEST(Bitmaps, ClearTellsTwice)
{
    TInstBitmaps bitmaps;
    bitmaps.Add(Solid(1, 1, tk::RGB(0, 0, 0)));
    QSignalSpy spy(&bitmaps, &TInstPersistent::OnChange);
    bitmaps.Clear();
    EXPECT_EQ(spy.count(), 2);
}

TEST(BitmapStream, RoundTripKeepsPicturesAndEmptyOnes)
{
    QImage two = Solid(3, 2, tk::RGB(10, 20, 30));
    two.setPixel(2, 1, qRgb(200, 100, 0));
    const BitmapStreamResult read = ReadBitmapStream(StreamOf({Solid(5, 4, tk::RGB(1, 2, 3)), QImage(), two}));
    ASSERT_TRUE(read.error.isEmpty());
    ASSERT_EQ(read.bitmaps.size(), 3);
    EXPECT_EQ(read.bitmaps[0].size(), QSize(5, 4));
    EXPECT_TRUE(read.bitmaps[1].isNull());
    EXPECT_EQ(read.bitmaps[2].pixel(2, 1), qRgb(200, 100, 0));
    EXPECT_EQ(read.bitmaps[2].pixel(0, 0), qRgb(10, 20, 30));
}

TEST(BitmapStream, TrailingBytesAreIgnored)
{
    QByteArray bytes = StreamOf({Solid(2, 2, tk::RGB(1, 1, 1))});
    bytes.append("tail");
    EXPECT_EQ(ReadBitmapStream(bytes).bitmaps.size(), 1);
}

struct BadStreamCase {
    const char* name;
    void (*spoil)(QByteArray&);
};

class BadStreamTest : public testing::TestWithParam<BadStreamCase> {};

// Offsets into a stream of one bitmap: signature 4, count 4, then the BMP.
constexpr qsizetype kCountAt = 4;
constexpr qsizetype kBmpAt = 8;

TEST_P(BadStreamTest, IsRefusedAndLeavesTheListEmpty)
{
    QByteArray bytes = StreamOf({Solid(4, 4, tk::RGB(1, 1, 1))});
    GetParam().spoil(bytes);
    EXPECT_EQ(ReadBitmapStream(bytes).error, QStringLiteral("Invalid file format"));

    TInstBitmaps bitmaps;
    bitmaps.Add(Solid(1, 1, tk::RGB(0, 0, 0)));
    QSignalSpy spy(&bitmaps, &TInstPersistent::OnChange);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    EXPECT_EQ(bitmaps.LoadFromStream(device), QStringLiteral("Invalid file format"));
    EXPECT_EQ(bitmaps.Count(), 0);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(bitmaps.UpdateCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadStreamTest,
    testing::Values(BadStreamCase{"Signature", [](QByteArray& b) { b[2] = 'X'; }},
                    BadStreamCase{"NegativeCount", [](QByteArray& b) { Poke32(b, kCountAt, -1); }},
                    BadStreamCase{"CountBeyondTheBytes", [](QByteArray& b) { Poke32(b, kCountAt, 1000000); }},
                    BadStreamCase{"BmpSizeBeyondTheBytes",
                                  [](QByteArray& b) { Poke32(b, kBmpAt + 2, static_cast<std::int32_t>(b.size())); }},
                    BadStreamCase{"BmpSizeBelowItsHeaders", [](QByteArray& b) { Poke32(b, kBmpAt + 2, 20); }},
                    BadStreamCase{"TooWide", [](QByteArray& b) { Poke32(b, kBmpAt + 18, kMaxStreamBitmapSide + 1); }},
                    BadStreamCase{"TooHigh", [](QByteArray& b) { Poke32(b, kBmpAt + 22, -(kMaxStreamBitmapSide + 1)); }},
                    BadStreamCase{"NotABmp", [](QByteArray& b) { b[kBmpAt] = 'X'; }},
                    BadStreamCase{"Truncated", [](QByteArray& b) { b.truncate(b.size() - 5); }},
                    BadStreamCase{"Empty", [](QByteArray& b) { b.clear(); }}),
    [](const testing::TestParamInfo<BadStreamCase>& info) { return info.param.name; });

TEST(Bitmaps, FileRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.bin"));
    TInstBitmaps saved;
    saved.Add(Solid(6, 9, tk::RGB(5, 6, 7)));
    ASSERT_TRUE(saved.SaveToFile(path).isEmpty());
    TInstBitmaps loaded;
    EXPECT_TRUE(loaded.LoadFromFile(path).isEmpty());
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.Bitmaps(0).pixel(5, 8), qRgb(5, 6, 7));
    EXPECT_FALSE(loaded.LoadFromFile(dir.filePath(QStringLiteral("missing"))).isEmpty());
    EXPECT_EQ(loaded.Count(), 0);
}

// ---- transparency of the windowless controls ----

namespace {

// Draws a yellow top row and leaves the rest to what lies beneath.
class TopRowControl : public TInstGraphicImageControl {
public:
    using TInstGraphicImageControl::TInstGraphicImageControl;
    void Touch() { UpdateControl(); }
    int composed = 0;

protected:
    void PaintDynamic() override
    {
        ++composed;
        DrawCanvas().brush.color = tk::clYellow;
        DrawCanvas().FillRect({0, 0, width(), 1});
    }
};

}  // namespace

TEST(TransparentControl, ShowsWhatTheParentPaintedUnderIt)
{
    QWidget parent;
    parent.resize(100, 100);
    FillBackground(parent, tk::clBlue);
    TopRowControl control(&parent);
    control.setGeometry(20, 20, 40, 40);
    control.setColor(tk::clRed);
    EXPECT_EQ(PixelAt(control.Render(), 3, 10), tk::clRed);
    control.setTransparent(true);
    const QImage shown = control.Render();
    EXPECT_EQ(PixelAt(shown, 3, 10), tk::clBlue);
    EXPECT_EQ(PixelAt(shown, 3, 0), tk::clYellow);
    EXPECT_TRUE(control.NeedBackground());
    control.Touch();  // its own repaint reuses the background
    EXPECT_FALSE(control.NeedBackground());
    EXPECT_EQ(PixelAt(control.Render(), 3, 10), tk::clBlue);
}

TEST(BufferedControl, PaintReusesThePictureUntilTheControlChanges)
{
    TopRowControl control;
    control.resize(40, 40);
    control.grab();
    control.grab();  // as for an overlapping sibling or an expose
    EXPECT_EQ(control.composed, 1);
    control.Touch();
    control.grab();
    EXPECT_EQ(control.composed, 2);
    control.resize(50, 40);
    EXPECT_EQ(PixelAt(control.grab().toImage(), 45, 0), tk::clYellow);
    control.setTransparent(true);  // shows what the parent painted just now
    control.grab();
    control.grab();
    EXPECT_EQ(control.composed, 5);
}
