#include "app/course_diagram.h"

#include <gtest/gtest.h>

namespace tk = toolkit;

struct GeometryCase {
    int angle;
    int length;
    bool across;
    QPoint from, to, label;
};

class LineGeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(LineGeometryTest, PlacesEndAndLabel)
{
    const auto& c = GetParam();
    const DiagramLineGeometry g = LineGeometry({c.angle, c.length, tk::clRed, 1, QStringLiteral("X")}, c.across);
    EXPECT_EQ(g.from, c.from);
    EXPECT_EQ(g.to, c.to);
    EXPECT_EQ(g.label, c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineGeometryTest,
    testing::Values(GeometryCase{90, 45, false, {100, 100}, {145, 100}, {143, 98}},   // worked example
                    GeometryCase{0, 60, false, {100, 100}, {100, 40}, {98, 38}},
                    GeometryCase{180, 60, false, {100, 100}, {100, 160}, {102, 158}},
                    GeometryCase{270, 60, false, {100, 100}, {40, 100}, {38, 98}},
                    GeometryCase{0, 80, true, {100, 180}, {100, 20}, {98, 18}},
                    GeometryCase{-30, 80, false, {100, 100}, {60, 31}, {58, 29}},
                    GeometryCase{45, 80, true, {43, 157}, {157, 43}, {155, 41}}));

namespace {

struct Picture {
    QImage image{kDiagramSize, kDiagramSize, QImage::Format_RGB32};
    tk::Canvas canvas{&image};
    Picture() { image.fill(Qt::gray); }
    tk::TColor At(int x, int y) const { return canvas.Pixel(x, y); }
};

DiagramLines ProreLines(int pb, int pm, int pv)
{
    DiagramLines lines;
    lines[0] = {pb, 80, tk::clRed, 1, QStringLiteral("PB")};
    lines[1] = {pm, 45, tk::clLime, 1, QStringLiteral("PM")};
    lines[2] = {pv, 65, tk::clYellow, 2, QStringLiteral("PV")};
    return lines;
}

int GreenInRow(const Picture& p, int y)
{
    int n = 0;
    for (int x = 90; x < 110; ++x)
        n += p.At(x, y) == tk::clGreen;
    return n;
}

}  // namespace

TEST(DrawDiagram, PaintsBlackSquareAxesAndLines)
{
    Picture p;
    DrawDiagram(p.canvas, ProreLines(0, 180, 90), 3);
    EXPECT_EQ(p.At(0, 0), tk::clBlack);
    EXPECT_EQ(p.At(199, 199), tk::clBlack);
    EXPECT_EQ(p.At(100, 5), tk::clGreen);   // vertical axis
    EXPECT_EQ(p.At(5, 100), tk::clGreen);   // horizontal axis

    // Line 0: dotted from (100, 180) upwards across the diagram.
    EXPECT_EQ(p.At(100, 180), tk::clRed);
    EXPECT_EQ(p.At(100, 177), tk::clGreen);  // a gap of the dots shows the axis
    EXPECT_EQ(p.At(100, 40), tk::clRed);
    EXPECT_EQ(p.At(100, 38), tk::clGreen);

    // Line 1 downwards ends before (100, 145); its label sits right of it at (102, 143).
    EXPECT_EQ(p.At(100, 120), tk::clLime);
    EXPECT_EQ(p.At(100, 144), tk::clLime);
    EXPECT_EQ(p.At(100, 145), tk::clGreen);
    const int w = p.canvas.TextWidth(QStringLiteral("PM"));
    const int h = p.canvas.TextHeight(QStringLiteral("PM"));
    bool limeLabel = false;
    for (int y = 143; y < 143 + h; ++y)
        for (int x = 102; x < 102 + w; ++x)
            limeLabel = limeLabel || p.At(x, y) == tk::clLime;
    EXPECT_TRUE(limeLabel);
    EXPECT_EQ(p.At(101, 150), tk::clBlack);

    // Line 2 to the right, two pixels wide.
    EXPECT_EQ(p.At(130, 100), tk::clYellow);
}

TEST(DrawDiagram, NegativeAngleGoesLeftOfTheTop)
{
    Picture p;
    DrawDiagram(p.canvas, ProreLines(180, 180, -30), 3);
    int left = 0;
    int right = 0;
    for (int y = 50; y < 60; ++y)
        for (int x = 0; x < kDiagramSize; ++x)
            if (p.At(x, y) == tk::clYellow)
                (x < 100 ? left : right)++;
    EXPECT_GT(left, 0);
    EXPECT_EQ(right, 0);
}

TEST(DrawDiagram, AxesTakeThePenWidthTheLastDrawingLeft)
{
    Picture p;
    DrawDiagram(p.canvas, ProreLines(90, 90, 90), 3);
    EXPECT_EQ(GreenInRow(p, 50), 1);
    DrawDiagram(p.canvas, ProreLines(90, 90, 90), 3);
    EXPECT_EQ(GreenInRow(p, 50), 2);
    EXPECT_EQ(p.canvas.pen.style, tk::PenStyle::Solid);
}

TEST(DrawDiagram, NothingOfTheEarlierDiagramRemains)
{
    Picture p;
    DrawDiagram(p.canvas, ProreLines(0, 45, 90), 3);
    DrawDiagram(p.canvas, ProreLines(180, 225, 270), 3);
    EXPECT_EQ(p.At(130, 70), tk::clBlack);  // where the 45-degree line was
}
