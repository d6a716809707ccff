// The night colour of each tone, and pictures through the scheme.

#include "toolkit/color_scheme.h"

#include "support/night_scope.h"

#include <gtest/gtest.h>

namespace tk = toolkit;

namespace {

struct NightCase {
    const char* what;
    QColor day;
    tk::Tone tone;
    int red;  // the night red; green and blue are always 0
};

class NightColorTest : public testing::TestWithParam<NightCase> {};

TEST_P(NightColorTest, IsARedWithoutGreenOrBlue)
{
    const QColor night = tk::NightColor(GetParam().day, GetParam().tone);
    EXPECT_EQ(night, QColor(GetParam().red, 0, 0)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NightColorTest,
    testing::Values(NightCase{"white paper is dark", Qt::white, tk::Tone::Paper, 48},
                    NightCase{"the main window's blue is darker still", QColor(57, 64, 94), tk::Tone::Paper, 1},
                    NightCase{"black ink is bright", Qt::black, tk::Tone::Ink, 200},
                    NightCase{"white ink too", Qt::white, tk::Tone::Ink, 200},
                    NightCase{"lime ink is readable", QColor(0, 255, 0), tk::Tone::Ink, 171},
                    NightCase{"a white edge", Qt::white, tk::Tone::Edge, 110},
                    NightCase{"a glyph's black stroke", Qt::black, tk::Tone::Glyph, 200},
                    NightCase{"a glyph's white fill", Qt::white, tk::Tone::Glyph, 90},
                    NightCase{"a white pixel, dimmed", Qt::white, tk::Tone::Picture, 160},
                    NightCase{"red passes as through a filter", QColor(255, 0, 0), tk::Tone::Picture, 160},
                    NightCase{"blue keeps its lightness", QColor(0, 0, 255), tk::Tone::Picture, 18},
                    NightCase{"a night red is its own", QColor(120, 0, 0), tk::Tone::Paper, 120}));

TEST(ColorSchemeTest, PicturesAndColoursAreTheDaysUntilNight)
{
    QImage day(2, 1, QImage::Format_ARGB32);
    day.setPixel(0, 0, qRgba(255, 255, 255, 128));
    day.setPixel(1, 0, qRgb(120, 0, 0));
    EXPECT_EQ(tk::SchemeImage(day), day);
    EXPECT_EQ(tk::SchemeColor(tk::clWhite, tk::Tone::Paper), QColor(Qt::white));

    NightScope night;
    const QImage shown = tk::SchemeImage(day);
    EXPECT_EQ(shown.pixel(0, 0), qRgba(160, 0, 0, 128)) << "alpha kept";
    EXPECT_EQ(shown.pixel(1, 0), qRgb(120, 0, 0));
    EXPECT_EQ(tk::SchemeImage(shown), shown) << "twice is once";
}

}  // namespace
