#include "inst_test_support.h"

#include "widgets/instruments/inst_blotter.h"

#include <gtest/gtest.h>

namespace tk = toolkit;

namespace {

// A diagram panel of the main window with its picture.
struct DiagramPanel {
    TInstBlotter panel;
    QWidget* picture = new QWidget;
    DiagramPanel()
    {
        panel.resize(208, 208);
        panel.setColor(tk::clGray);
        panel.AlignClient(picture);
    }
};

}  // namespace

struct ClientCase {
    const char* name;
    void (*change)(TInstBevel&);
    QRect client;
};

class BlotterClientTest : public testing::TestWithParam<ClientCase> {};

TEST_P(BlotterClientTest, ChildFillsTheInsideOfTheFrameAtOnce)
{
    DiagramPanel d;
    GetParam().change(*d.panel.Bevel());
    EXPECT_EQ(d.panel.ClientRect(), GetParam().client);
    EXPECT_EQ(d.picture->geometry(), GetParam().client);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BlotterClientTest,
    testing::Values(ClientCase{"FourPixelFrame", [](TInstBevel&) {}, QRect(4, 4, 200, 200)},
                    ClientCase{"InvisibleBevel", [](TInstBevel& b) { b.setVisible(false); }, QRect(0, 0, 208, 208)},
                    ClientCase{"WiderInnerSpace", [](TInstBevel& b) { b.setInnerSpace(3); }, QRect(6, 6, 196, 196)},
                    ClientCase{"BorderCounts", [](TInstBevel& b) { b.setBorderWidth(2); }, QRect(6, 6, 196, 196)},
                    ClientCase{"FrameThickerThanThePanel", [](TInstBevel& b) { b.setBorderWidth(500); },
                               QRect(504, 504, 0, 0)}),
    [](const testing::TestParamInfo<ClientCase>& info) { return info.param.name; });

TEST(Blotter, ChildFollowsAResize)
{
    DiagramPanel d;
    d.panel.show();  // a hidden widget hears of its new size when it is shown
    d.panel.resize(100, 60);
    EXPECT_EQ(d.picture->geometry(), QRect(4, 4, 92, 52));
}

struct FramePixelCase {
    const char* name;
    int at;  // on the diagonal
    tk::TColor colour;
};

class BlotterFrameTest : public testing::TestWithParam<FramePixelCase> {};

TEST_P(BlotterFrameTest, GreenAndLimeFrameOnGray)
{
    DiagramPanel d;
    EXPECT_EQ(PixelAt(d.panel.Render(), GetParam().at, GetParam().at), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Table, BlotterFrameTest,
                         testing::Values(FramePixelCase{"Outline", 0, tk::clBlack},
                                         FramePixelCase{"RaisedOuterTopLeft", 1, tk::clLime},
                                         FramePixelCase{"LoweredInnerTopLeft", 2, tk::clGreen},
                                         FramePixelCase{"InnerSpace", 3, tk::clBlack},
                                         FramePixelCase{"Inside", 100, tk::clGray},
                                         FramePixelCase{"InnerSpaceBottomRight", 204, tk::clBlack},
                                         FramePixelCase{"LoweredInnerBottomRight", 205, tk::clLime},
                                         FramePixelCase{"RaisedOuterBottomRight", 206, tk::clGreen},
                                         FramePixelCase{"OutlineBottomRight", 207, tk::clBlack}),
                         [](const testing::TestParamInfo<FramePixelCase>& info) { return info.param.name; });

TEST(Blotter, InvisibleBevelDrawsNoFrame)
{
    DiagramPanel d;
    d.panel.Bevel()->setVisible(false);
    EXPECT_EQ(PixelAt(d.panel.Render(), 0, 0), tk::clGray);
}

TEST(Blotter, BackImageIsTiledFromTheCornerUnderTheFrame)
{
    DiagramPanel d;
    QImage tile = Solid(10, 10, tk::clBlue);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    d.panel.setBackImage(tile);
    const QImage shown = d.panel.Render();
    EXPECT_EQ(PixelAt(shown, 100, 100), tk::clRed);  // tile 10 of 21 along each side
    EXPECT_EQ(PixelAt(shown, 101, 100), tk::clBlue);
    EXPECT_EQ(PixelAt(shown, 200, 200), tk::clRed);  // the last tile, cut by the edge
    EXPECT_EQ(PixelAt(shown, 0, 0), tk::clBlack);    // the frame over it
}

TEST(Blotter, ATransparentTileShowsThePanelsColourNotTheLastPicture)
{
    DiagramPanel d;
    d.panel.setColor(tk::clRed);
    d.panel.Render();
    d.panel.setColor(tk::clGray);
    QImage clear(10, 10, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    d.panel.setBackImage(clear);
    EXPECT_EQ(PixelAt(d.panel.Render(), 100, 100), tk::clGray);
}

TEST(Blotter, PictureWithoutWidthCountsAsNone)
{
    DiagramPanel d;
    d.panel.setBackImage(QImage(0, 10, QImage::Format_RGB32));
    EXPECT_TRUE(d.panel.BackImage().isNull());
    EXPECT_EQ(PixelAt(d.panel.Render(), 100, 100), tk::clGray);
}

TEST(Blotter, ColourIsThePalettesWindowColour)
{
    DiagramPanel d;
    EXPECT_EQ(d.panel.palette().color(QPalette::Window), QColor(128, 128, 128));
}

struct StripCase {
    const char* name;
    QSize after;
    long long frame;
    std::vector<QRect> strips;
};

class BlotterStripTest : public testing::TestWithParam<StripCase> {};

TEST_P(BlotterStripTest, ResizeRepaintsTheOldFrameEdges)
{
    EXPECT_EQ(BlotterResizeStrips(QSize(208, 100), GetParam().after, GetParam().frame), GetParam().strips);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BlotterStripTest,
    testing::Values(StripCase{"Wider", QSize(300, 100), 4, {QRect(203, 0, 5, 100)}},
                    StripCase{"Lower", QSize(208, 50), 4, {QRect(0, 95, 208, 5)}},
                    StripCase{"Both", QSize(10, 10), 4, {QRect(203, 0, 5, 100), QRect(0, 95, 208, 5)}},
                    StripCase{"Same", QSize(208, 100), 4, {}},
                    StripCase{"NoFrame", QSize(300, 100), 0, {}}),
    [](const testing::TestParamInfo<StripCase>& info) { return info.param.name; });
