#include "nav/deviation_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using nav::DeviationRow;
using nav::RowProblem;

namespace {

std::vector<DeviationRow> Reread(const std::string& bytes)
{
    const auto parsed = nav::ParseDeviationTable(bytes);
    EXPECT_FALSE(parsed.error) << *parsed.error;
    return nav::RowsOf(parsed.table);
}

}  // namespace

struct NumberCase {
    double x;
    const char* text;
};

class FileNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(FileNumberTest, UsesAPointAndOneOrTwoDecimals)
{
    EXPECT_EQ(nav::FileNumber(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FileNumberTest,
                         testing::Values(NumberCase{0, "0.0"}, NumberCase{-1, "-1.0"}, NumberCase{2.5, "2.5"},
                                         NumberCase{2.25, "2.25"}, NumberCase{350, "350.0"},
                                         NumberCase{-0.004, "0.0"}, NumberCase{-0.04, "-0.04"}, NumberCase{0.125, "0.13"},
                                         NumberCase{-179.99, "-179.99"}, NumberCase{10.001, "10.0"}));

TEST(DeviationFileTest, KeepsTheTopCommentsAndRereadsToTheSameRows)
{
    const std::string old =
        "% Bussola di governo\r\n"
        "\r\n"
        "% giri 2004 \xE8 ok\n"   // a Windows-1252 byte and a lone LF
        "0;-1.0\r\n"
        "% a comment between rows is not at the top\r\n"
        "10;0,5\r\n";
    const std::vector<DeviationRow> rows{{0, 1.5, 0}, {90, -2.25, 0}, {355, 6, 0}, {-20, 0.1, 0}, {360, -0.5, 0}};
    const std::string written = nav::WriteDeviationTable(old, rows);

    EXPECT_EQ(written,
              "% Bussola di governo\r\n"
              "\r\n"
              "% giri 2004 \xE8 ok\r\n"
              "0.0;1.5\r\n90.0;-2.25\r\n355.0;6.0\r\n-20.0;0.1\r\n360.0;-0.5\r\n");
    const auto back = Reread(written);
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_DOUBLE_EQ(back[i].Pb, rows[i].Pb) << i;
        EXPECT_DOUBLE_EQ(back[i].Dev, rows[i].Dev) << i;
    }
    EXPECT_DOUBLE_EQ(back[4].Pm, 359.5);
}

struct HeaderCase {
    const char* what;
    std::string old;
    std::string top;
};

class CommentHeaderTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(CommentHeaderTest, KeepsOnlyTheLeadingComments)
{
    const std::vector<DeviationRow> rows{{0, 1, 0}};
    EXPECT_EQ(nav::WriteDeviationTable(GetParam().old, rows), GetParam().top + "0.0;1.0\r\n") << GetParam().what;
}

const std::string kDefaultTop = "% Pb (prora bussola, gradi) ; Dev (deviazione, gradi, + verso Est)\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, CommentHeaderTest,
    testing::Values(HeaderCase{"no old file", "", kDefaultTop},
                    HeaderCase{"rows only", "0;1\r\n", kDefaultTop},
                    HeaderCase{"blank lines before the rows are dropped", "% a\r\n\r\n\r\n0;1\r\n", "% a\r\n"},
                    HeaderCase{"a line without ';' ends the top", "% a\r\nnote\r\n% b\r\n", "% a\r\n"},
                    HeaderCase{"leading blank lines kept before a comment", "\r\n% a\r\n", "\r\n% a\r\n"},
                    HeaderCase{"end-of-file mark", "% a\r\n\x1A% hidden\r\n", "% a\r\n"},
                    HeaderCase{"CR line ends", "% a\r% b\r0;1", "% a\r\n% b\r\n"}));

TEST(DeviationFileTest, WritesNoRowsForAnEmptyTable)
{
    EXPECT_EQ(nav::WriteDeviationTable("% x\r\n1;2\r\n", {}), "% x\r\n");
    EXPECT_EQ(Reread(nav::WriteDeviationTable("% x\r\n1;2\r\n", {})).size(), 0u);
}

struct CheckCase {
    double heading, deviation;
    RowProblem problem;
};

class RowCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(RowCheckTest, KeepsHeadingAndDeviationInTheirBounds)
{
    EXPECT_EQ(nav::CheckRow(GetParam().heading, GetParam().deviation), GetParam().problem)
        << GetParam().heading << " " << GetParam().deviation;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, RowCheckTest,
    testing::Values(CheckCase{0, 0, RowProblem::None}, CheckCase{-180, -90, RowProblem::None},
                    CheckCase{360, 90, RowProblem::None}, CheckCase{-180.01, 0, RowProblem::HeadingOutOfRange},
                    CheckCase{360.01, 0, RowProblem::HeadingOutOfRange},
                    CheckCase{10, 90.01, RowProblem::DeviationOutOfRange},
                    CheckCase{10, -90.5, RowProblem::DeviationOutOfRange},
                    CheckCase{400, 100, RowProblem::HeadingOutOfRange}, CheckCase{kNaN, 0, RowProblem::NotANumber},
                    CheckCase{0, kNaN, RowProblem::NotANumber}));

struct CellCase {
    const char* text;
    std::optional<double> value;
};

class CellNumberTest : public testing::TestWithParam<CellCase> {};

TEST_P(CellNumberTest, TakesEitherDecimalMark)
{
    EXPECT_EQ(nav::ReadCellNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, CellNumberTest,
                         testing::Values(CellCase{"2.5", 2.5}, CellCase{"2,5", 2.5}, CellCase{" -3 ", -3.0},
                                         CellCase{"1,234.5", std::nullopt}, CellCase{"", std::nullopt},
                                         CellCase{"-", std::nullopt}, CellCase{"12°", std::nullopt},
                                         CellCase{"1e999", std::nullopt}));

TEST(DeviationFileTest, SortsByHeadingKeepingEqualHeadingsInOrder)
{
    const std::vector<DeviationRow> rows{{90, 1, 0}, {-10, 2, 0}, {90, 3, 0}, {0, 4, 0}};
    const auto sorted = nav::SortedByHeading(rows);
    std::vector<double> devs;
    for (const auto& r : sorted)
        devs.push_back(r.Dev);
    EXPECT_EQ(devs, (std::vector<double>{2, 4, 1, 3}));
}

struct DeletionCase {
    std::size_t deleting, rows;
    bool asks;
};

class DeletionTest : public testing::TestWithParam<DeletionCase> {};

TEST_P(DeletionTest, AsksBeforeDeletingMoreThanHalfTheRows)
{
    EXPECT_EQ(nav::DeletionNeedsConfirmation(GetParam().deleting, GetParam().rows), GetParam().asks)
        << GetParam().deleting << " of " << GetParam().rows;
}

INSTANTIATE_TEST_SUITE_P(Table, DeletionTest,
                         testing::Values(DeletionCase{0, 0, false}, DeletionCase{1, 1, true},
                                         DeletionCase{1, 2, false}, DeletionCase{2, 3, true},
                                         DeletionCase{18, 36, false}, DeletionCase{19, 36, true},
                                         DeletionCase{36, 36, true}));
