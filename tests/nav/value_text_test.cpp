#include "nav/value_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr std::optional<nav::Angle> kRefused;

struct PasteCase {
    const char* text;
    int lowest;
    int highest;
    std::optional<nav::Angle> value;
};

class ReadAngleTextTest : public testing::TestWithParam<PasteCase> {};

TEST_P(ReadAngleTextTest, TakesTheUsualFormsWithinTheFieldsRange)
{
    const auto& c = GetParam();
    EXPECT_EQ(nav::ReadAngleText(c.text, c.lowest, c.highest), c.value) << c.text;
}

// Directions 0..359, a deviation -90..90, a leeway -45..45, a polar bearing 0..180 or -180..0.
INSTANTIATE_TEST_SUITE_P(
    Table, ReadAngleTextTest,
    testing::Values(PasteCase{"94 44", 0, 359, 341040}, PasteCase{"94°44'", 0, 359, 341040},
                    PasteCase{"094° 44' 00\"", 0, 359, 341040}, PasteCase{" 094\u00B0 44\u2032 00\u2033 \n", 0, 359, 341040},
                    PasteCase{"94.733", 0, 359, 341039}, PasteCase{"94,733", 0, 359, 341039},
                    PasteCase{"94 44.5", 0, 359, 341070}, PasteCase{"94 44 30.5", 0, 359, 341070},
                    PasteCase{"94 44 22''", 0, 359, 341062}, PasteCase{"359 59 59", 0, 359, 1295999},
                    PasteCase{"0", 0, 359, 0}, PasteCase{"-0", 0, 359, 0},
                    PasteCase{"360", 0, 359, kRefused}, PasteCase{"359.99999", 0, 359, kRefused},
                    PasteCase{"-5", 0, 359, kRefused}, PasteCase{"94 60", 0, 359, kRefused},
                    PasteCase{"94 44 59.5", 0, 359, kRefused}, PasteCase{"94.5 30", 0, 359, kRefused},
                    PasteCase{"94' 44°", 0, 359, kRefused}, PasteCase{"94 44 0 0", 0, 359, kRefused},
                    PasteCase{"94 1e3", 0, 359, kRefused}, PasteCase{"", 0, 359, kRefused},
                    PasteCase{" - ", 0, 359, kRefused}, PasteCase{"94.", 0, 359, kRefused},
                    PasteCase{"abc", 0, 359, kRefused}, PasteCase{"1234567890", 0, 359, kRefused},
                    PasteCase{"-2° 16' 00\"", -90, 90, -8160}, PasteCase{"\u22122 16", -90, 90, -8160},
                    PasteCase{"+3", -90, 90, 10800}, PasteCase{"-0 30", -90, 90, -1800},
                    PasteCase{"-90 30", -90, 90, -325800}, PasteCase{"-91", -90, 90, kRefused},
                    PasteCase{"45 30", -45, 45, 163800}, PasteCase{"46", -45, 45, kRefused},
                    PasteCase{"-30 15", -180, 0, -108900}, PasteCase{"30 15", -180, 0, -108900},
                    PasteCase{"+30", -180, 0, kRefused}, PasteCase{"181", -180, 0, kRefused},
                    PasteCase{"180", 0, 180, 648000}, PasteCase{"-30", 0, 180, kRefused}));

TEST(ReadAngleText, RefusesATextBeyondItsLengthWhateverItHolds)
{
    const std::string padded = std::string(nav::kMaxValueTextBytes - 2, ' ') + "94";
    EXPECT_EQ(nav::ReadAngleText(padded, 0, 359), 94 * nav::kSecondsPerDegree);
    EXPECT_EQ(nav::ReadAngleText(padded + " ", 0, 359), kRefused);
}

TEST(ReadSpeedText, TakesEitherPointWithinTheRange)
{
    EXPECT_EQ(nav::ReadSpeedText("6.5", 50), 6.5);
    EXPECT_EQ(nav::ReadSpeedText(" 6,5 ", 50), 6.5);
    EXPECT_EQ(nav::ReadSpeedText("50", 50), 50.0);
    EXPECT_FALSE(nav::ReadSpeedText("50.1", 50));
    EXPECT_FALSE(nav::ReadSpeedText("-1", 50));
    EXPECT_FALSE(nav::ReadSpeedText("6,5 kn", 50));
    EXPECT_FALSE(nav::ReadSpeedText("", 50));
}

// The widget tests copy the usual texts; here the ends of the ranges.
TEST(AngleCopyText, DirectionsHaveThreeDigitsAndSignedValuesTheirSign)
{
    EXPECT_EQ(nav::AngleCopyText(0, 0, 359), "000\u00B0 00' 00\"");
    EXPECT_EQ(nav::AngleCopyText(-1800, -180, 0), "-0\u00B0 30' 00\"");
    EXPECT_EQ(nav::AngleCopyText(648000, 0, 180), "180\u00B0 00' 00\"");
}

}  // namespace
