#include "nav/number_text.h"

#include <gtest/gtest.h>

struct ParseCase {
    const char* text;
    char separator;
    bool ok;
    double value;
};

class ParseDecimalTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimalTest, ReadsOnlyWholeNumbers)
{
    const auto& c = GetParam();
    const auto v = nav::ParseDecimal(c.text, c.separator);
    ASSERT_EQ(v.has_value(), c.ok) << c.text;
    if (c.ok) {
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseDecimalTest,
    testing::Values(ParseCase{"2,5", ',', true, 2.5}, ParseCase{"2.5", '.', true, 2.5},
                    ParseCase{"2.5", ',', false, 0}, ParseCase{"  -1,25  ", ',', true, -1.25},
                    ParseCase{"+7", ',', true, 7}, ParseCase{"1E3", '.', true, 1000},
                    ParseCase{"2,5e-1", ',', true, 0.25}, ParseCase{",5", ',', true, 0.5},
                    ParseCase{"5,", ',', true, 5}, ParseCase{"", ',', false, 0},
                    ParseCase{"-", ',', false, 0}, ParseCase{",", ',', false, 0},
                    ParseCase{"1,2,3", ',', false, 0}, ParseCase{"1E", '.', false, 0},
                    ParseCase{"12°", '.', false, 0}, ParseCase{"1e999", '.', false, 0},
                    ParseCase{"nan", '.', false, 0}, ParseCase{"0x10", '.', false, 0},
                    ParseCase{"2 5", '.', false, 0}));

TEST(ParseInteger, ReadsThirtyTwoBitIntegers)
{
    EXPECT_EQ(nav::ParseInteger(" -5400 "), -5400);
    EXPECT_EQ(nav::ParseInteger("+12"), 12);
    EXPECT_FALSE(nav::ParseInteger("2147483648"));
    EXPECT_FALSE(nav::ParseInteger("12a"));
    EXPECT_FALSE(nav::ParseInteger(""));
    EXPECT_FALSE(nav::ParseInteger("+-1"));
}

struct FixedCase {
    double x;
    int decimals;
    const char* text;
};

class FixedTextTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextTest, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(nav::FixedText(GetParam().x, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FixedTextTest,
                         testing::Values(FixedCase{1.5, 1, "1.5"}, FixedCase{-2.5, 1, "-2.5"},
                                         FixedCase{355, 1, "355.0"}, FixedCase{2.25, 1, "2.3"},
                                         FixedCase{0.125, 2, "0.13"}, FixedCase{-0.04, 1, "0.0"},
                                         FixedCase{0.06, 1, "0.1"}, FixedCase{9.96, 1, "10.0"},
                                         FixedCase{6.3245553, 1, "6.3"}, FixedCase{93.6, 1, "93.6"},
                                         FixedCase{0.0, 0, "0"}, FixedCase{1e20, 1, "100000000000000000000.0"},
                                         FixedCase{0.0004, 3, "0.000"}, FixedCase{-7.5, 0, "-8"}, FixedCase{199.92, 14, "199.92000000000000"},
                                         // Far below the last decimal: nothing but its zeros.
                                         FixedCase{1.2e-16, 2, "0.00"}, FixedCase{-3e-20, 1, "0.0"}));
