#include "nav/deviation_table.h"

#include <gtest/gtest.h>

#include <string>

using nav::ParseDeviationTable;

namespace {

nav::DeviationTable Table(const std::string& text)
{
    const auto parsed = ParseDeviationTable(text);
    EXPECT_FALSE(parsed.error) << *parsed.error;
    return parsed.table;
}

}  // namespace

struct RowCase {
    const char* line;
    double pb, dev, pm;
};

class DeviationLineTest : public testing::TestWithParam<RowCase> {};

TEST_P(DeviationLineTest, GivesItsRow)
{
    const auto t = Table(std::string(GetParam().line) + "\r\n");
    ASSERT_EQ(t.count, 1);
    EXPECT_DOUBLE_EQ(t.rows[0].Pb, GetParam().pb);
    EXPECT_DOUBLE_EQ(t.rows[0].Dev, GetParam().dev);
    EXPECT_DOUBLE_EQ(t.rows[0].Pm, GetParam().pm);
}

INSTANTIATE_TEST_SUITE_P(Table, DeviationLineTest,
                         testing::Values(RowCase{"0;1.5", 0, 1.5, 1.5}, RowCase{"90;-2,5", 90, -2.5, 87.5},
                                         RowCase{"355;6", 355, 6, 1}, RowCase{"0;-1", 0, -1, 359},
                                         RowCase{" 10 ; 2.5 ", 10, 2.5, 12.5},
                                         RowCase{"10.5;0,25", 10.5, 0.25, 10.75}));

struct SkipCase {
    const char* text;
    int count;
};

class DeviationSkipTest : public testing::TestWithParam<SkipCase> {};

TEST_P(DeviationSkipTest, SkipsLinesThatAreNoEntries)
{
    const auto parsed = ParseDeviationTable(GetParam().text);
    EXPECT_FALSE(parsed.error);
    EXPECT_EQ(parsed.table.count, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeviationSkipTest,
    testing::Values(SkipCase{"% only a comment\r\n\r\n%;x\r\n", 0},
                    SkipCase{"10 2.5\n20;1\n", 1},            // no ";" on the first line
                    SkipCase{"0;1\n10;2", 2},                  // last line without an end
                    SkipCase{"0;1\r10;2\r", 2},                // CR alone ends a line
                    SkipCase{"0;1\r\n\x1A" "10;2\r\n", 1},     // 0x1A ends the file
                    SkipCase{"", 0}));

struct ErrorCase {
    std::string_view text;
    int rowsKept;
    const char* message;
};

class DeviationErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(DeviationErrorTest, StopsAtTheFirstBadField)
{
    const auto parsed = ParseDeviationTable(GetParam().text);
    ASSERT_TRUE(parsed.error);
    EXPECT_EQ(*parsed.error, GetParam().message);
    EXPECT_EQ(parsed.table.count, GetParam().rowsKept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeviationErrorTest,
    testing::Values(
        ErrorCase{"0;1\n10;2.5;x\n20;1\n", 1, "'2,5;x' is not a valid floating point value"},
        ErrorCase{"1,234.5;1\n", 0, "'1,234,5' is not a valid floating point value"},
        ErrorCase{"10;1.5.2\n", 0, "'1,5.2' is not a valid floating point value"},  // the first mark
        ErrorCase{";1\n", 0, "'' is not a valid floating point value"},
        ErrorCase{"10;\n", 0, "'' is not a valid floating point value"},
        ErrorCase{"10\xB0;1\n", 0, "'10\u00B0' is not a valid floating point value"},
        ErrorCase{std::string_view("1\0;1\n", 5), 0, "'1\uFFFD' is not a valid floating point value"}));

TEST(DeviationTable, CutsTheDeviationAfterTwentyCharacters)
{
    // "1." and 18 zeros are 20 characters: the 21st is never read.
    const std::string twenty = "1." + std::string(18, '0');
    EXPECT_EQ(Table("10;" + twenty + "x\n").count, 1);
    const std::string nineteen = "1." + std::string(17, '0');
    const auto parsed = ParseDeviationTable("10;" + nineteen + "x\n");
    ASSERT_TRUE(parsed.error);
    EXPECT_EQ(*parsed.error, "'1," + std::string(17, '0') + "x' is not a valid floating point value");
}

TEST(DeviationTable, IgnoresEntriesBeyondItsRoom)
{
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += std::to_string(i % 360) + ";1\r\n";
    text += "junk;junk\r\n";  // beyond the room: never read
    const auto parsed = ParseDeviationTable(text);
    EXPECT_FALSE(parsed.error);
    EXPECT_EQ(parsed.table.count, nav::kDeviationCapacity);
}

struct LookupCase {
    const char* table;
    nav::Angle heading;
    nav::Angle compassDeviation;
    nav::Angle magneticDeviation;
};

class DeviationLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(DeviationLookupTest, TakesTheNearestRow)
{
    const auto t = Table(GetParam().table);
    EXPECT_EQ(nav::DeviationForCompass(t, GetParam().heading), GetParam().compassDeviation);
    EXPECT_EQ(nav::DeviationForMagnetic(t, GetParam().heading), GetParam().magneticDeviation);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeviationLookupTest,
    testing::Values(
        LookupCase{"", 45 * 3600, 0, 0},                                // empty table
        LookupCase{"% nothing\n", 45 * 3600, 0, 0},
        LookupCase{"40;1\n50;2\n", 45 * 3600 + 1800, 3600, 3600},      // tie: first row
        LookupCase{"50;2\n40;1\n", 45 * 3600 + 1800, 7200, 3600},  // Pm 52 and 41
        LookupCase{"0;3\n350;-2\n", 359 * 3600, 10800, 10800},         // on the circle
        LookupCase{"10;1\n11;2\n", 10 * 3600 + 59 * 60, 3600, 3600},   // minutes dropped
        LookupCase{"0;0.00025\n", 0, 1, 1},
        LookupCase{"0;-2.5\n", 0, -9000, -9000},
        LookupCase{"0;1.5\n90;4\n", 1 * 3600 + 40 * 60, 5400, 5400},
        LookupCase{"0;10\n20;-13\n", 8 * 3600, 36000, -46800}));      // Pm 10 and 7

TEST(Cp1252ToUtf8, MapsTheCodePage)
{
    EXPECT_EQ(nav::Cp1252ToUtf8("a\xB0\x80"), "a\u00B0\u20AC");
    EXPECT_EQ(nav::Cp1252ToUtf8(std::string_view("\x01\x81", 2)), "\uFFFD\uFFFD");
}
