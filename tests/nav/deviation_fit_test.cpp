#include "nav/deviation_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

using nav::DeviationCoefficients;
using nav::DeviationRow;
using nav::FitDeviation;
using nav::FitRefusal;

namespace {

std::vector<DeviationRow> Rows(const std::vector<double>& headings, const std::vector<double>& deviations)
{
    std::vector<DeviationRow> rows;
    for (std::size_t i = 0; i < headings.size(); ++i)
        rows.push_back({headings[i], deviations[i], 0.0});
    return rows;
}

std::vector<DeviationRow> FromCurve(const DeviationCoefficients& c, const std::vector<double>& headings)
{
    std::vector<double> deviations;
    for (const double h : headings)
        deviations.push_back(nav::DeviationAt(c, h));
    return Rows(headings, deviations);
}

std::vector<double> Every(double step, double from = 0.0, double to = 360.0)
{
    std::vector<double> headings;
    for (double h = from; h < to; h += step)
        headings.push_back(h);
    return headings;
}

void ExpectCoefficients(const DeviationCoefficients& got, const DeviationCoefficients& want, double tolerance)
{
    EXPECT_NEAR(got.A, want.A, tolerance);
    EXPECT_NEAR(got.B, want.B, tolerance);
    EXPECT_NEAR(got.C, want.C, tolerance);
    EXPECT_NEAR(got.D, want.D, tolerance);
    EXPECT_NEAR(got.E, want.E, tolerance);
}

}  // namespace

struct RecoveryCase {
    const char* what;
    DeviationCoefficients c;
    std::vector<double> headings;
};

class FitRecoveryTest : public testing::TestWithParam<RecoveryCase> {};

TEST_P(FitRecoveryTest, RecoversTheCoefficientsOfExactRows)
{
    const auto result = FitDeviation(FromCurve(GetParam().c, GetParam().headings));
    ASSERT_TRUE(result.fit) << GetParam().what;
    ExpectCoefficients(result.fit->coefficients, GetParam().c, 1e-9);
    EXPECT_LT(result.fit->rms, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitRecoveryTest,
    testing::Values(
        RecoveryCase{"every 10 degrees", {0.5, -3.25, 2.0, 1.5, -0.75}, Every(10)},
        RecoveryCase{"eight points", {-1.0, 4.0, -2.5, 0.25, 1.0}, Every(45)},
        RecoveryCase{"five points, the least that determines it", {2, 1, -1, 0.5, -0.5}, Every(72)},
        RecoveryCase{"uneven, negative and 360", {0.3, 6, 1, -2, 3}, {-170, -20, 5, 33, 97, 151, 200, 288, 360}},
        RecoveryCase{"the half circle", {1, 2, 3, 4, 5}, {0, 45, 90, 135, 180}},
        RecoveryCase{"all zero", {0, 0, 0, 0, 0}, Every(30)}));

// Deviations +2 +4 +3 0 -2 -4 -3 0 on the eight points 0, 45, ... 315.
// Eight equally spaced headings make the five columns orthogonal, so the
// least squares coefficients are the discrete Fourier sums (s = √2/2):
//   A = Σδ / 8 = (2+4+3+0-2-4-3+0)/8 = 0
//   B = (2/8) Σδ sinθ = (0 + 4s + 3 + 0 + 0 + 4s + 3 + 0)/4 = (6 + 4√2)/4 = 1.5 + √2 ≈ 2.914
//   C = (2/8) Σδ cosθ = (2 + 4s + 0 + 0 + 2 + 4s + 0 + 0)/4 = (4 + 4√2)/4 = 1 + √2 ≈ 2.414
//   D = (2/8) Σδ sin2θ, sin2θ = 0 1 0 -1 0 1 0 -1: (4 - 4)/4 = 0
//   E = (2/8) Σδ cos2θ, cos2θ = 1 0 -1 0 1 0 -1 0: (2 - 3 - 2 + 3)/4 = 0
// The residual sum of squares is Σδ² − 4(B² + C²) = 58 − 4(7.25 + 5√2) = 29 − 20√2.
TEST(DeviationFitTest, ClassicEightPointSwing)
{
    const auto result = FitDeviation(Rows(Every(45), {2, 4, 3, 0, -2, -4, -3, 0}));
    ASSERT_TRUE(result.fit);
    const double root2 = std::numbers::sqrt2;
    ExpectCoefficients(result.fit->coefficients, {0.0, 1.5 + root2, 1.0 + root2, 0.0, 0.0}, 1e-12);
    EXPECT_NEAR(result.fit->rms, std::sqrt((29.0 - 20.0 * root2) / 8.0), 1e-12);
    EXPECT_NEAR(result.fit->residuals[0], 2.0 - (1.0 + root2), 1e-12);  // at 0°: δ − C
    EXPECT_EQ(result.distinctHeadings, 8);
}

// One row of 36 moved by 5°. With 36 equally spaced headings the hat matrix
// is H_ij = (1 + 2cos(θi−θj) + 2cos 2(θi−θj)) / 36, and the residuals are
// 5 (I − H) e_k: 5·31/36 at the changed row, −5 H_jk elsewhere.
TEST(DeviationFitTest, ResidualsOfOneRowChangedByFiveDegrees)
{
    const DeviationCoefficients c{1.0, 3.0, -2.0, 0.5, 1.25};
    auto rows = FromCurve(c, Every(10));
    constexpr std::size_t kChanged = 7;  // 70°
    rows[kChanged].Dev += 5.0;

    const auto result = FitDeviation(rows);
    ASSERT_TRUE(result.fit);
    constexpr double kRad = std::numbers::pi / 180.0;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const double d = (rows[j].Pb - rows[kChanged].Pb) * kRad;
        const double h = (1.0 + 2.0 * std::cos(d) + 2.0 * std::cos(2.0 * d)) / 36.0;
        const double expected = 5.0 * ((j == kChanged ? 1.0 : 0.0) - h);
        EXPECT_NEAR(result.fit->residuals[j], expected, 1e-12) << "row " << j;
    }
    EXPECT_NEAR(result.fit->rms, 5.0 * std::sqrt(31.0) / 36.0, 1e-12);

    const auto marked = nav::LikelyTypingErrors(*result.fit);
    ASSERT_EQ(marked.size(), rows.size());
    for (std::size_t j = 0; j < rows.size(); ++j)
        EXPECT_EQ(marked[j], j == kChanged) << "row " << j;
}

struct RefusalCase {
    const char* what;
    std::vector<double> headings;
    FitRefusal refusal;
};

class FitRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(FitRefusalTest, GivesNoCurve)
{
    std::vector<double> deviations(GetParam().headings.size(), 1.0);
    if (!deviations.empty())
        deviations[0] = 2.0;
    const auto result = FitDeviation(Rows(GetParam().headings, deviations));
    EXPECT_FALSE(result.fit) << GetParam().what;
    EXPECT_EQ(result.refusal, GetParam().refusal) << GetParam().what;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, FitRefusalTest,
    testing::Values(
        RefusalCase{"no rows", {}, FitRefusal::TooFewHeadings},
        RefusalCase{"the four cardinal points", {0, 90, 180, 270}, FitRefusal::TooFewHeadings},
        RefusalCase{"0 and 360 are one heading", {0, 90, 180, 270, 360}, FitRefusal::TooFewHeadings},
        RefusalCase{"-90 is 270", {0, 90, 180, 270, -90, 90}, FitRefusal::TooFewHeadings},
        RefusalCase{"a hair below 360 is 0", {0, 90, 180, 270, 359.9999999999}, FitRefusal::TooFewHeadings},
        RefusalCase{"all within 90 degrees", {0, 20, 40, 60, 80, 90}, FitRefusal::Undetermined},
        RefusalCase{"all within 90, many rows", Every(5, 10, 100), FitRefusal::Undetermined},
        RefusalCase{"five nearly equal", {0, 1, 2, 3, 4}, FitRefusal::Undetermined},
        RefusalCase{"a NaN heading", {0, 72, kNaN, 216, 288}, FitRefusal::NotFinite},
        RefusalCase{"an infinite heading", {0, 72, 144, 216, kInf}, FitRefusal::NotFinite}));

TEST(DeviationFitTest, RefusesANonFiniteDeviation)
{
    auto rows = Rows(Every(45), std::vector<double>(8, 0.0));
    rows[3].Dev = -kInf;
    EXPECT_EQ(FitDeviation(rows).refusal, FitRefusal::NotFinite);
}

// Spread round the circle, or over half of it, the headings do determine
// the curve, also with repeated readings and headings far beyond 360.
TEST(DeviationFitTest, AcceptsWellSpreadHeadings)
{
    for (const auto& headings : {std::vector<double>{0, 90, 180, 270, 45}, std::vector<double>{0, 45, 90, 135, 180},
                                 std::vector<double>{0, 0, 72, 144, 216, 288, 288},
                                 std::vector<double>{720, 72 + 3600, 144, -144, 288}}) {
        const auto result = FitDeviation(FromCurve({1, 2, 3, 4, 5}, headings));
        ASSERT_TRUE(result.fit) << headings.size();
        ExpectCoefficients(result.fit->coefficients, {1, 2, 3, 4, 5}, 1e-9);
    }
}

struct OutlierCase {
    const char* what;
    std::vector<double> residuals;
    double rms;
    std::vector<bool> marked;
};

class OutlierTest : public testing::TestWithParam<OutlierCase> {};

TEST_P(OutlierTest, MarksResidualsAboveOneDegreeAndThreeRms)
{
    nav::DeviationFit fit;
    fit.residuals = GetParam().residuals;
    fit.rms = GetParam().rms;
    EXPECT_EQ(nav::LikelyTypingErrors(fit), GetParam().marked) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OutlierTest,
    testing::Values(OutlierCase{"above both", {0.1, -4.0, 0.2}, 1.0, {false, true, false}},
                    OutlierCase{"above three RMS but within 1 degree", {0.05, 0.9, -0.95}, 0.2, {false, false, false}},
                    OutlierCase{"above 1 degree but within three RMS", {1.5, -2.9, 0.0}, 1.0, {false, false, false}},
                    OutlierCase{"exactly on the bound is kept", {3.0, -3.0, 3.0001}, 1.0, {false, false, true}},
                    OutlierCase{"exactly 1 degree with a small RMS", {1.0, -1.0001}, 0.1, {false, true}}));

TEST(DeviationFitTest, TableFromCurveGivesThirtySixRowsRoundedToOneDecimal)
{
    const DeviationCoefficients c{0.0, 1.5 + std::numbers::sqrt2, 1.0 + std::numbers::sqrt2, 0.0, 0.0};
    const auto rows = nav::TableFromCurve(c);
    ASSERT_EQ(rows.size(), 36u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Pb, 10.0 * static_cast<double>(i));
        EXPECT_NEAR(rows[i].Dev, nav::DeviationAt(c, rows[i].Pb), 0.05 + 1e-12);
        EXPECT_EQ(rows[i].Dev * 10.0, std::round(rows[i].Dev * 10.0)) << rows[i].Dev;
        EXPECT_FALSE(std::signbit(rows[i].Dev) && rows[i].Dev == 0.0) << "no -0.0 at row " << i;
    }
    EXPECT_DOUBLE_EQ(rows[0].Dev, 2.4);   // C
    EXPECT_DOUBLE_EQ(rows[9].Dev, 2.9);   // B at 90°
    EXPECT_DOUBLE_EQ(rows[18].Dev, -2.4); // −C at 180°
    EXPECT_DOUBLE_EQ(rows[27].Pm, 267.1); // 270 − B
}
