#include "inst_test_support.h"

#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_resources.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tk = toolkit;

struct NeedleCase {
    int heading;
    long long x, y;
};

class NeedleEndTest : public testing::TestWithParam<NeedleCase> {};

TEST_P(NeedleEndTest, OffsetsAreTruncatedSineAndCosine)
{
    const CompassPoint end = CompassNeedleEnd(75, 75, GetParam().heading, 50);
    EXPECT_EQ(end.x, GetParam().x);
    EXPECT_EQ(end.y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Table, NeedleEndTest,
                         testing::Values(NeedleCase{0, 75, 25}, NeedleCase{45, 110, 40}, NeedleCase{90, 125, 75},
                                         NeedleCase{135, 110, 110}, NeedleCase{180, 75, 125},
                                         NeedleCase{270, 25, 75}, NeedleCase{360, 75, 25},
                                         NeedleCase{-90, 25, 75}, NeedleCase{-45, 40, 40},
                                         NeedleCase{720 + 90, 125, 75}));

TEST(CompassNeedle, HugeLengthStaysIn64Bits)
{
    const CompassPoint end = CompassNeedleEnd(INT_MAX, 0, 90, INT_MAX);
    EXPECT_EQ(end.x, 2LL * INT_MAX);
}

namespace {

struct DialogCompass {
    TInstCompass compass;
    DialogCompass()
    {
        compass.resize(150, 150);
        compass.setHeading(0);
        compass.setNeedleLength(50);
        compass.setNeedleWidth(1);
        compass.setCircleOutlineColor(tk::clWhite);
        compass.setCircleColor(tk::clBlack);
    }
};

}  // namespace

struct NeedlePixelCase {
    int heading;
    QPoint lastPixel;  // the line stops one pixel short of its end point
    QPoint end;
};

class CompassNeedlePixelTest : public testing::TestWithParam<NeedlePixelCase> {};

TEST_P(CompassNeedlePixelTest, NeedleReachesItsEndPoint)
{
    DialogCompass d;
    d.compass.setHeading(GetParam().heading);
    const QImage picture = d.compass.Render();
    EXPECT_EQ(PixelAt(picture, GetParam().lastPixel.x(), GetParam().lastPixel.y()), tk::clRed);
    EXPECT_EQ(PixelAt(picture, GetParam().end.x(), GetParam().end.y()), tk::clBlack);
}

INSTANTIATE_TEST_SUITE_P(Table, CompassNeedlePixelTest,
                         testing::Values(NeedlePixelCase{0, {75, 26}, {75, 25}},
                                         NeedlePixelCase{90, {124, 75}, {125, 75}},
                                         NeedlePixelCase{180, {75, 124}, {75, 125}},
                                         NeedlePixelCase{270, {26, 75}, {25, 75}},
                                         NeedlePixelCase{-90, {26, 75}, {25, 75}}));

TEST(Compass, NeedleCrossesTheDisc)
{
    DialogCompass d;
    const QImage picture = d.compass.Render();
    EXPECT_EQ(PixelAt(picture, 75, 70), tk::clRed);    // drawn over the disc
    EXPECT_EQ(PixelAt(picture, 75, 78), tk::clBlack);  // the disc's fill below the centre
    EXPECT_EQ(PixelAt(picture, 67, 75), tk::clWhite);  // its outline, radius 8
}

TEST(Compass, EmptyBackImageLeavesTheColour)
{
    DialogCompass d;
    d.compass.setColor(tk::clTeal);
    EXPECT_EQ(PixelAt(d.compass.Render(), 5, 5), tk::clTeal);
}

TEST(Compass, BackImageIsStretchedOverTheControl)
{
    DialogCompass d;
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    picture.setPixel(0, 1, qRgb(0, 255, 255));
    picture.setPixel(1, 1, qRgb(255, 0, 255));
    d.compass.setBackImage(picture);
    const QImage shown = d.compass.Render();
    EXPECT_EQ(PixelAt(shown, 10, 10), tk::clYellow);
    EXPECT_EQ(PixelAt(shown, 140, 10), tk::clBlue);
    EXPECT_EQ(PixelAt(shown, 10, 140), tk::clAqua);
    EXPECT_EQ(PixelAt(shown, 140, 140), tk::clFuchsia);
}

TEST(Compass, TransparentNeedleIsTheXorOfWhatLiesBeneath)
{
    DialogCompass d;
    const tk::TColor beneath = tk::RGB(10, 20, 30);
    d.compass.setBackImage(Solid(150, 150, beneath));
    d.compass.setNeedleColor(tk::RGB(255, 0, 15));
    d.compass.setNeedleTransparent(true);
    const QImage picture = d.compass.Render();
    EXPECT_EQ(PixelAt(picture, 75, 40), beneath ^ tk::RGB(255, 0, 15));
    EXPECT_EQ(PixelAt(picture, 75, 72), tk::clBlack ^ tk::RGB(255, 0, 15));  // over the disc
}

TEST(Compass, HeadingChangeIsToldOnce)
{
    TInstCompass compass;
    QSignalSpy spy(&compass, &TInstCompass::OnChange);
    compass.setHeading(90);  // the initial heading
    compass.setHeading(-1000);
    compass.setHeading(-1000);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(compass.Heading(), -1000);
}

TEST(Compass, AutoSizeTakesThePictureSize)
{
    TInstCompass compass;
    compass.setAutoSize(true);
    compass.setBackImage(CompassRosePicture());
    EXPECT_EQ(compass.size(), QSize(150, 150));
    compass.setBackImage(QImage());
    EXPECT_EQ(compass.size(), QSize(150, 150));  // an empty picture keeps the size
}

TEST(Compass, RosePictureHasAPaleDiscOnBlack)
{
    const QImage rose = CompassRosePicture();
    ASSERT_EQ(rose.size(), QSize(150, 150));
    EXPECT_EQ(PixelAt(rose, 1, 1), tk::clBlack);
    const QRgb disc = rose.pixel(75 - 55, 75);  // between the star and the letters
    EXPECT_GT(qBlue(disc), 200);
    EXPECT_GT(qBlue(disc), qRed(disc));
}

TEST(Compass, ExtremeSettingsStillPaint)
{
    DialogCompass d;
    d.compass.setHeading(90);
    d.compass.setNeedleLength(INT_MAX);
    d.compass.setCircleWidth(INT_MIN);
    d.compass.setCircleOutlineWidth(INT_MAX);
    d.compass.setNeedleWidth(INT_MAX);
    d.compass.Render();
    d.compass.setNeedleWidth(1);
    d.compass.setCircleWidth(0);
    d.compass.setCircleOutlineWidth(0);
    EXPECT_EQ(PixelAt(d.compass.Render(), 149, 75), tk::clRed);  // clipped, not wrapped
}
