#include "nav/declination.h"

#include <gtest/gtest.h>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

}  // namespace

struct DeclinationCase {
    const char* what;
    nav::ChartDeclination chart;
    std::optional<nav::Angle> declination;
};

class ComputeDeclinationTest : public testing::TestWithParam<DeclinationCase> {};

TEST_P(ComputeDeclinationTest, AddsTheChangeOfTheYearsSinceTheBase)
{
    EXPECT_EQ(nav::ComputeDeclination(GetParam().chart), GetParam().declination) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComputeDeclinationTest,
    testing::Values(
        DeclinationCase{"1 W, 4' more a year, 19 years", {1985, 2004, kDeg, +1, 4 * kMin, +1}, 8160},
        DeclinationCase{"five years before the base", {1985, 1980, kDeg, +1, 4 * kMin, +1}, 2400},
        DeclinationCase{"five years after the base", {1985, 1990, kDeg, +1, 4 * kMin, +1}, 4800},
        DeclinationCase{"2 E, 6' more, 10 years", {1990, 2000, 2 * kDeg, -1, 6 * kMin, +1}, -3 * kDeg},
        DeclinationCase{"decreasing past zero", {2000, 2010, 30 * kMin, +1, 6 * kMin, -1}, -30 * kMin},
        DeclinationCase{"1 30 E, 8' more, 1990 to 2008", {1990, 2008, 90 * kMin, -1, 8 * kMin, +1}, -(3 * kDeg + 54 * kMin)},
        DeclinationCase{"1 30 W, 8' more, 1990 to 2008", {1990, 2008, 90 * kMin, +1, 8 * kMin, +1}, 3 * kDeg + 54 * kMin},
        DeclinationCase{"5 W, 6' less, 2000 to 2007", {2000, 2007, 5 * kDeg, +1, 6 * kMin, -1}, 4 * kDeg + 18 * kMin},
        DeclinationCase{"1 W, 9' less, 1996 to 2007", {1996, 2007, kDeg, +1, 9 * kMin, -1}, -39 * kMin},
        DeclinationCase{"2 E, 6' less, before the base", {2000, 1990, 2 * kDeg, -1, 6 * kMin, -1}, -3 * kDeg},
        DeclinationCase{"beyond 32 bits", {1800, 2099, 2147483000, +1, 10000, +1}, std::nullopt},
        DeclinationCase{"beyond 64 bits on the way", {-2147483647 - 1, 2147483647, 0, +1, 2147483647, -1},
                        std::nullopt}));

struct TowardCase {
    int baseSign, towardSign, changeSign;
};

class ChangeTowardTest : public testing::TestWithParam<TowardCase> {};

TEST_P(ChangeTowardTest, IsAumentoTowardTheBasesOwnSide)
{
    const TowardCase& c = GetParam();
    EXPECT_EQ(nav::ChangeSignToward(c.baseSign, c.towardSign), c.changeSign);
    EXPECT_EQ(nav::ChangeToward(c.baseSign, c.changeSign), c.towardSign);
}

// Sides +1 West, -1 East; senses +1 "Aumento", -1 "Diminuzione".
INSTANTIATE_TEST_SUITE_P(Table, ChangeTowardTest,
                         testing::Values(TowardCase{-1, -1, +1}, TowardCase{-1, +1, -1}, TowardCase{+1, -1, -1},
                                         TowardCase{+1, +1, +1}));

TEST(FormatDeclination, NamesTheSideAfterTheMagnitude)
{
    for (const auto& [declination, text] : {std::pair{3 * kDeg + 44 * kMin, "  3° 44'  0\" W"},
                                            std::pair{-(kDeg + 1), "  1°  0'  1\" E"}, std::pair{0, "  0°  0'  0\""}})
        EXPECT_EQ(nav::FormatDeclination(declination), text);
}

struct SettingsCase {
    const char* what;
    std::string_view bytes;
    std::optional<nav::ChartDeclination> chart;
    const char* error;
};

class ReadSettingsTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(ReadSettingsTest, ReadsAllFourLinesOrNothing)
{
    const nav::SettingsRead read = nav::ReadSettings(GetParam().bytes);
    EXPECT_EQ(read.chart, GetParam().chart) << GetParam().what;
    EXPECT_EQ(read.error, GetParam().error) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadSettingsTest,
    testing::Values(
        SettingsCase{"as written", "1985\r\n2004\r\n3600\r\n240\r\n", nav::ChartDeclination{1985, 2004, 3600, +1, 240, +1}, ""},
        SettingsCase{"East, decreasing, LF lines", "1990\n2000\n-5400\n-60\n", nav::ChartDeclination{1990, 2000, 5400, -1, 60, -1}, ""},
        SettingsCase{"zero is West and Aumento", "1985\r\n2004\r\n0\r\n0", nav::ChartDeclination{1985, 2004, 0, +1, 0, +1}, ""},
        SettingsCase{"more lines ignored", "1985\n2004\n1\n2\nx\n", nav::ChartDeclination{1985, 2004, 1, +1, 2, +1}, ""},
        SettingsCase{"a missing line", "1985\r\n2004\r\n", std::nullopt, "'' is not a valid integer value"},
        SettingsCase{"an empty file", "", std::nullopt, "'' is not a valid integer value"},
        SettingsCase{"a plus sign", "1985\n2004\n+3600\n2\n", nav::ChartDeclination{1985, 2004, 3600, +1, 2, +1}, ""},
        SettingsCase{"blanks", " 1985\n2004 \n1\n2\n", nav::ChartDeclination{1985, 2004, 1, +1, 2, +1}, ""},
        SettingsCase{"lone CRs", "1985\r2004\r\n1\r2", nav::ChartDeclination{1985, 2004, 1, +1, 2, +1}, ""},
        SettingsCase{"a change that overflows over the file's years", "-2000000000\n2000\n0\n2\n", std::nullopt,
                     "Declinazione fuori limite in ORVAN_INI.INI"},
        SettingsCase{"a fraction", "1985\n2004\n1.5\n2\n", std::nullopt, "'1.5' is not a valid integer value"},
        SettingsCase{"beyond 32 bits", "1985\n2004\n2147483648\n2\n", std::nullopt, "'2147483648' is not a valid integer value"},
        SettingsCase{"no magnitude", "1985\n2004\n-2147483648\n2\n", std::nullopt, "Declinazione fuori limite in ORVAN_INI.INI"},
        SettingsCase{"a change that overflows over the years", "1985\n2004\n0\n8000000\n", std::nullopt,
                     "Declinazione fuori limite in ORVAN_INI.INI"},
        SettingsCase{"a long junk line is cut", "1985\n0123456789012345678901234567890123456789xyz\n1\n2\n", std::nullopt,
                     "'0123456789012345678901234567890123456789\u2026' is not a valid integer value"},
        SettingsCase{"binary junk", std::string_view("\x00\xff\x01\n", 4), std::nullopt,
                     "'\uFFFD\u00FF\uFFFD' is not a valid integer value"}));

TEST(WriteSettings, WritesTheFourSignedLinesThatReadBack)
{
    const nav::ChartDeclination chart{1985, 2004, 5400, -1, 240, -1};
    const std::string text = nav::WriteSettings(chart);
    EXPECT_EQ(text, "1985\r\n2004\r\n-5400\r\n-240\r\n");
    EXPECT_EQ(nav::ReadSettings(text).chart, chart);

    // A zero East base reads back as West: its change keeps moving the declination East.
    nav::ChartDeclination zeroEast{2000, 2010, 0, -1, 60, +1};
    const auto read = nav::ReadSettings(nav::WriteSettings(zeroEast)).chart;
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(nav::ComputeDeclination(*read), nav::ComputeDeclination(zeroEast));
}
