#include "toolkit/canvas.h"

#include <gtest/gtest.h>

using toolkit::Canvas;
using toolkit::TRect;
namespace tk = toolkit;

namespace {

struct Surface {
    QImage image{60, 60, QImage::Format_RGB32};
    Canvas canvas{&image};
    Surface()
    {
        image.fill(Qt::white);
        canvas.pen.color = tk::clBlack;
    }
    bool Black(int x, int y) const { return canvas.Pixel(x, y) == tk::clBlack; }
    int CountBlack() const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += Black(x, y);
        return n;
    }
};

}  // namespace

struct LineCase {
    QPoint from, to;
    int pixels;
};

class LineToTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineToTest, PaintsEverythingButTheEndPixel)
{
    Surface s;
    const auto& c = GetParam();
    s.canvas.MoveTo(c.from.x(), c.from.y());
    s.canvas.LineTo(c.to.x(), c.to.y());
    EXPECT_TRUE(s.Black(c.from.x(), c.from.y()));
    EXPECT_FALSE(s.Black(c.to.x(), c.to.y()));
    EXPECT_EQ(s.CountBlack(), c.pixels);
    EXPECT_EQ(s.canvas.PenPos(), c.to);
}

INSTANTIATE_TEST_SUITE_P(Table, LineToTest,
                         testing::Values(LineCase{{10, 10}, {55, 10}, {45}},   // x = 10..54
                                         LineCase{{10, 50}, {10, 5}, {45}},    // upwards
                                         LineCase{{50, 10}, {5, 10}, {45}},    // leftwards
                                         LineCase{{0, 0}, {40, 40}, {40}},     // diagonal
                                         LineCase{{5, 5}, {45, 25}, {40}}));

TEST(Canvas, EmptyLinePaintsNothing)
{
    Surface s;
    s.canvas.MoveTo(7, 7);
    s.canvas.LineTo(7, 7);
    EXPECT_EQ(s.CountBlack(), 0);
}

TEST(Canvas, DottedLinePaintsThreeAndSkipsThree)
{
    Surface s;
    s.canvas.pen.style = tk::PenStyle::Dot;
    s.canvas.MoveTo(0, 5);
    s.canvas.LineTo(12, 5);
    const bool expected[] = {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0};
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(s.Black(x, 5), expected[x]) << x;
}

TEST(Canvas, XorPenInvertsTwiceBackToTheStart)
{
    Surface s;
    s.canvas.pen.mode = tk::PenMode::Xor;
    s.canvas.pen.color = tk::clWhite;
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(10, 0);
    EXPECT_TRUE(s.Black(5, 0));
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(10, 0);
    EXPECT_EQ(s.CountBlack(), 0);
}

TEST(Canvas, RectangleAndFillRectLeaveOutRightAndBottom)
{
    Surface s;
    s.canvas.brush.color = tk::clRed;
    s.canvas.Rectangle(10, 10, 20, 15);
    EXPECT_TRUE(s.Black(10, 10));   // outline corner
    EXPECT_TRUE(s.Black(19, 14));   // last outline pixel
    EXPECT_EQ(s.canvas.Pixel(20, 14), tk::clWhite);
    EXPECT_EQ(s.canvas.Pixel(19, 15), tk::clWhite);
    EXPECT_EQ(s.canvas.Pixel(15, 12), tk::clRed);  // filled inside

    s.canvas.brush.color = tk::clBlue;
    s.canvas.FillRect(TRect{30, 30, 33, 32});
    EXPECT_EQ(s.canvas.Pixel(32, 31), tk::clBlue);
    EXPECT_EQ(s.canvas.Pixel(33, 31), tk::clWhite);
    EXPECT_EQ(s.canvas.Pixel(32, 32), tk::clWhite);
}

TEST(Canvas, ClearBrushFillsNothing)
{
    Surface s;
    s.canvas.brush.style = tk::BrushStyle::Clear;
    s.canvas.FillRect(TRect{0, 0, 60, 60});
    EXPECT_EQ(s.CountBlack(), 0);
    EXPECT_EQ(s.canvas.Pixel(5, 5), tk::clWhite);
}

TEST(Canvas, EllipseStaysInsideItsBox)
{
    Surface s;
    s.canvas.brush.color = tk::clBlack;
    s.canvas.Ellipse(10, 10, 30, 30);
    EXPECT_TRUE(s.Black(20, 20));
    for (int i = 0; i < 60; ++i) {
        EXPECT_FALSE(s.Black(30, i)) << i;
        EXPECT_FALSE(s.Black(i, 30)) << i;
        EXPECT_FALSE(s.Black(9, i)) << i;
    }
}

TEST(Canvas, PieFillsTheWedgeCounterClockwise)
{
    Surface s;
    s.canvas.brush.color = tk::clBlack;
    // From the ray to the right (0 degrees) to the ray upwards (90 degrees).
    s.canvas.Pie(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_TRUE(s.Black(28, 12));    // upper right quarter
    EXPECT_FALSE(s.Black(12, 28));   // lower left
    EXPECT_FALSE(s.Black(28, 28));   // lower right
}

TEST(Canvas, TextOutPaintsAnOpaqueBoxWithTheSolidBrush)
{
    Surface s;
    s.canvas.brush.color = tk::clBlack;
    s.canvas.fontColor = tk::clLime;
    const int width = s.canvas.TextWidth(QStringLiteral("PM"));
    const int height = s.canvas.TextHeight(QStringLiteral("PM"));
    s.canvas.TextOut(5, 6, QStringLiteral("PM"));
    EXPECT_NE(s.canvas.Pixel(5, 6), tk::clWhite);
    EXPECT_NE(s.canvas.Pixel(5 + width - 1, 6 + height - 1), tk::clWhite);
    EXPECT_EQ(s.canvas.Pixel(5 + width, 6), tk::clWhite);
    EXPECT_EQ(s.canvas.Pixel(4, 6), tk::clWhite);
    EXPECT_EQ(s.canvas.PenPos(), QPoint(5 + width, 6));

    bool lime = false;
    for (int y = 6; y < 6 + height; ++y)
        for (int x = 5; x < 5 + width; ++x)
            lime = lime || s.canvas.Pixel(x, y) == tk::clLime;
    EXPECT_TRUE(lime);
}

TEST(Canvas, TextOutWithClearBrushKeepsTheBackground)
{
    Surface s;
    s.canvas.brush.style = tk::BrushStyle::Clear;
    s.canvas.fontColor = tk::clRed;
    s.canvas.TextOut(5, 5, QStringLiteral("W"));
    EXPECT_EQ(s.CountBlack(), 0);
}

TEST(Canvas, BrushCopyLeavesTheTransparentColourOut)
{
    QImage glyph(2, 1, QImage::Format_RGB32);
    glyph.setPixel(0, 0, qRgb(128, 128, 0));  // olive: transparent
    glyph.setPixel(1, 0, qRgb(0, 0, 0));
    Surface s;
    s.canvas.BrushCopy(TRect{10, 10, 14, 12}, glyph, TRect{0, 0, 2, 1}, tk::clOlive);
    EXPECT_EQ(s.canvas.Pixel(10, 10), tk::clWhite);
    EXPECT_EQ(s.canvas.Pixel(11, 11), tk::clWhite);
    EXPECT_TRUE(s.Black(12, 10));
    EXPECT_TRUE(s.Black(13, 11));
    EXPECT_EQ(s.CountBlack(), 4);
}

// At night a canvas draws in night colours, and leaves out what was the
// transparent colour by day, not whatever shares its night red.
TEST(Canvas, AtNightInksInNightColoursAndMasksOnTheDayOnes)
{
    constexpr auto kTone = tk::Tone::Picture;
    const QColor olive = tk::ToQColor(tk::clOlive);
    const QColor nightOlive = tk::NightColor(olive, kTone);
    QRgb twin = 0;
    for (int level = 0; level < 256 && !twin; ++level)
        if (QColor grey(level, level, level); tk::NightColor(grey, kTone) == nightOlive)
            twin = grey.rgb();
    ASSERT_NE(twin, 0u) << "a grey with olive's night red";
    QImage glyph(2, 1, QImage::Format_RGB32);
    glyph.setPixel(0, 0, olive.rgb());
    glyph.setPixel(1, 0, twin);
    Surface s;
    s.canvas.SetNightTone(kTone);
    s.canvas.BrushCopy(TRect{10, 10, 12, 11}, glyph, TRect{0, 0, 2, 1}, tk::clOlive);
    EXPECT_EQ(s.image.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(s.image.pixelColor(11, 10), nightOlive);
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(5, 0);
    EXPECT_EQ(s.image.pixelColor(2, 0), tk::NightColor(Qt::black, kTone));
}

TEST(Canvas, StretchDrawAndBitBltCopyPictures)
{
    QImage red(1, 1, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    Surface s;
    s.canvas.StretchDraw(TRect{0, 0, 3, 3}, red);
    EXPECT_EQ(s.canvas.Pixel(2, 2), tk::clRed);
    EXPECT_EQ(s.canvas.Pixel(3, 3), tk::clWhite);

    QImage source(4, 4, QImage::Format_RGB32);
    source.fill(qRgb(0, 0, 255));
    s.canvas.BitBlt(20, 20, 2, 2, source, 1, 1);
    EXPECT_EQ(s.canvas.Pixel(21, 21), tk::clBlue);
    EXPECT_EQ(s.canvas.Pixel(22, 22), tk::clWhite);
}

TEST(Canvas, DrawingOutsideThePictureIsClipped)
{
    Surface s;
    s.canvas.MoveTo(-100, -100);
    s.canvas.LineTo(100, 100);
    EXPECT_EQ(s.CountBlack(), 60);
    EXPECT_EQ(s.canvas.Pixel(-1, 0), -1);
}

TEST(Canvas, PolygonIsFilledAndClosed)
{
    Surface s;
    s.canvas.brush.color = tk::clRed;
    s.canvas.Polygon({{10, 10}, {30, 10}, {30, 30}, {10, 30}});
    EXPECT_EQ(s.canvas.Pixel(20, 20), tk::clRed);
    EXPECT_TRUE(s.Black(10, 20));  // the closing edge back to the start
    EXPECT_TRUE(s.Black(20, 10));
    EXPECT_EQ(s.canvas.PenPos(), QPoint(0, 0));  // the pen stays where it was
}

TEST(Canvas, CopyRectAndDrawTakeFromOtherPictures)
{
    QImage sourceImage(10, 10, QImage::Format_RGB32);
    sourceImage.fill(qRgb(0, 255, 0));
    Canvas source(&sourceImage);
    Surface s;
    s.canvas.CopyRect(TRect{0, 0, 4, 4}, source, TRect{0, 0, 2, 2});
    EXPECT_EQ(s.canvas.Pixel(3, 3), tk::clLime);
    EXPECT_EQ(s.canvas.Pixel(4, 4), tk::clWhite);
    s.canvas.Draw(50, 50, sourceImage);
    EXPECT_EQ(s.canvas.Pixel(59, 59), tk::clLime);
    EXPECT_EQ(s.canvas.Pixel(49, 49), tk::clWhite);
}

// On a high-density screen the picture has twice the pixels; the rules hold
// in logical pixels and text is drawn at the finer resolution.

TEST(CanvasAtRatioTwo, LogicalPixelsAreTwoByTwoBlocksAndTheRulesHoldInThem)
{
    QImage image = tk::CanvasImage(QSize(20, 10), 2.0);
    image.fill(Qt::white);
    Canvas canvas(&image);
    EXPECT_EQ(image.size(), QSize(40, 20));
    EXPECT_EQ(canvas.Width(), 20);
    EXPECT_EQ(canvas.Height(), 10);
    canvas.pen.color = tk::clBlack;
    canvas.MoveTo(2, 3);
    canvas.LineTo(6, 3);
    for (int x = 2; x < 6; ++x)
        EXPECT_EQ(canvas.Pixel(x, 3), tk::clBlack) << x;
    EXPECT_EQ(canvas.Pixel(6, 3), tk::clWhite);  // not the end pixel
    // The whole 2 x 2 block of a logical pixel, and nothing beside it.
    EXPECT_EQ(image.pixel(4, 6), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 7), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(12, 6), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(20, 0), -1);

    canvas.brush.color = tk::clRed;
    canvas.FillRect({10, 0, 12, 2});
    EXPECT_EQ(canvas.Pixel(11, 1), tk::clRed);
    EXPECT_EQ(canvas.Pixel(12, 1), tk::clWhite);
}

TEST(CanvasAtRatioTwo, TextIsDrawnAtTheFinerResolution)
{
    QImage image = tk::CanvasImage(QSize(40, 20), 2.0);
    image.fill(Qt::white);
    Canvas canvas(&image);
    canvas.brush.style = tk::BrushStyle::Clear;
    canvas.font.setPixelSize(13);
    canvas.TextOut(1, 1, QStringLiteral("WMW"));
    // Some 2 x 2 block is part ink, part paper: finer than logical pixels.
    bool finer = false;
    for (int y = 0; y + 1 < image.height() && !finer; y += 2)
        for (int x = 0; x + 1 < image.width() && !finer; x += 2)
            finer = image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1);
    EXPECT_TRUE(finer);
}
