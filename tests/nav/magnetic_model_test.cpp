#include "nav/magnetic_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Degrees(nav::Angle a)
{
    return a / double{nav::kSecondsPerDegree};
}

double Minutes(nav::Angle a)
{
    return a / double{nav::kSecondsPerMinute};
}

nav::ModelDeclination Answered(const nav::ModelAnswer& answer)
{
    const auto* value = std::get_if<nav::ModelDeclination>(&answer);
    EXPECT_NE(value, nullptr) << "refused: " << static_cast<int>(std::get<nav::ModelRefusal>(answer));
    return value ? *value : nav::ModelDeclination{};
}

}  // namespace

TEST(Wmm2025Test, CarriesThePublishedCoefficients)
{
    const nav::GaussModel* model = nav::Wmm2025();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->name, "WMM-2025");
    EXPECT_EQ(model->epoch, 2025.0);
    EXPECT_EQ(model->maxDegree, 12);
    // (n, m) at m * 12 - m (m - 1) / 2 + n; the sines start at (1, 1).
    EXPECT_EQ(model->g[1], -29351.8);       // g(1,0)
    EXPECT_EQ(model->g[13], -1410.8);       // g(1,1)
    EXPECT_EQ(model->h[0], 4545.4);         // h(1,1)
    EXPECT_EQ(model->g[2], -2556.6);        // g(2,0)
    EXPECT_EQ(model->gRate[1], 12.0);       // g'(1,0)
    EXPECT_EQ(model->g.back(), -0.7);       // g(12,12)
    EXPECT_EQ(model->hRate.back(), -0.1);   // h'(12,12)
}

struct PlaceCase {
    const char* what;
    double latitude, longitude, year;
    double declinationDeg;  // West positive
};

class ReferenceFiguresTest : public testing::TestWithParam<PlaceCase> {};

// Independent figures for 2027.0 at sea level.
TEST_P(ReferenceFiguresTest, MatchTheModelWithinAThirdOfATenthOfADegree)
{
    const PlaceCase& c = GetParam();
    const nav::ModelDeclination d = Answered(nav::MagneticDeclination(c.latitude, c.longitude, c.year));
    EXPECT_NEAR(Degrees(d.declination), c.declinationDeg, 0.05) << c.what;
    EXPECT_FALSE(d.outsideValidity) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, ReferenceFiguresTest,
                         testing::Values(PlaceCase{"Genova", 44.40, 8.93, 2027.0, -3.62},
                                         PlaceCase{"Boston", 42.36, -71.05, 2027.0, 13.92}));

TEST(MagneticDeclinationTest, GenovaMovesEastAboutSevenMinutesAYear)
{
    const nav::ModelDeclination d = Answered(nav::MagneticDeclination(44.40, 8.93, 2027.0));
    EXPECT_NEAR(Minutes(d.annualChange), -6.7, 0.3);
}

class AnnualChangeTest : public testing::TestWithParam<PlaceCase> {};

// The rate is the model's own derivative; a year later the declination
// must have moved by it, with its sign.
TEST_P(AnnualChangeTest, IsWhatTheNextYearAdds)
{
    const PlaceCase& c = GetParam();
    const nav::ModelDeclination now = Answered(nav::MagneticDeclination(c.latitude, c.longitude, c.year));
    const nav::ModelDeclination later = Answered(nav::MagneticDeclination(c.latitude, c.longitude, c.year + 1));
    EXPECT_NEAR(later.declination - now.declination, now.annualChange, 3) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, AnnualChangeTest,
                         testing::Values(PlaceCase{"Genova", 44.40, 8.93, 2026.0, 0},
                                         PlaceCase{"Boston", 42.36, -71.05, 2027.5, 0},
                                         PlaceCase{"Hobart", -42.9, 147.3, 2028.0, 0}));

struct EdgeCase {
    const char* what;
    double latitude, longitude, year;
    std::optional<nav::ModelRefusal> refusal;
    bool warning;
};

class ModelEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(ModelEdgeTest, RefusesOrWarns)
{
    const EdgeCase& c = GetParam();
    const nav::ModelAnswer answer = nav::MagneticDeclination(c.latitude, c.longitude, c.year);
    if (c.refusal) {
        ASSERT_TRUE(std::holds_alternative<nav::ModelRefusal>(answer)) << c.what;
        EXPECT_EQ(std::get<nav::ModelRefusal>(answer), *c.refusal) << c.what;
    } else {
        EXPECT_EQ(Answered(answer).outsideValidity, c.warning) << c.what;
    }
}

using R = nav::ModelRefusal;

INSTANTIATE_TEST_SUITE_P(
    Table, ModelEdgeTest,
    testing::Values(EdgeCase{"latitude 91", 91, 0, 2027, R::PositionOutOfRange, false},
                    EdgeCase{"latitude -90.001", -90.001, 0, 2027, R::PositionOutOfRange, false},
                    EdgeCase{"longitude 181", 44, 181, 2027, R::PositionOutOfRange, false},
                    EdgeCase{"longitude -180.5", 44, -180.5, 2027, R::PositionOutOfRange, false},
                    EdgeCase{"latitude NaN", kNaN, 0, 2027, R::NotANumber, false},
                    EdgeCase{"longitude infinite", 44, kInf, 2027, R::NotANumber, false},
                    EdgeCase{"year NaN", 44, 9, kNaN, R::NotANumber, false},
                    EdgeCase{"2019.9", 44, 9, 2019.9, R::DateOutOfRange, false},
                    EdgeCase{"2035.1", 44, 9, 2035.1, R::DateOutOfRange, false},
                    EdgeCase{"2020.0, the first grace year", 44, 9, 2020.0, std::nullopt, true},
                    EdgeCase{"2024", 44, 9, 2024, std::nullopt, true},
                    EdgeCase{"2025.0, the epoch", 44, 9, 2025.0, std::nullopt, false},
                    EdgeCase{"2030.0, the last valid date", 44, 9, 2030.0, std::nullopt, false},
                    EdgeCase{"2031", 44, 9, 2031, std::nullopt, true},
                    EdgeCase{"2035.0, the last grace date", 44, 9, 2035.0, std::nullopt, true},
                    EdgeCase{"the South Pole itself", -90, 0, 2027, std::nullopt, false},
                    EdgeCase{"the North Pole, by the magnetic one", 90, 0, 2027, R::NearMagneticPole, false},
                    EdgeCase{"the antimeridian from the west", 0, -180, 2027, std::nullopt, false},
                    EdgeCase{"by the north magnetic pole", 85.8, 139.3, 2025, R::NearMagneticPole, false},
                    EdgeCase{"by the south magnetic pole", -63.8, 135.8, 2025, R::NearMagneticPole, false}));

// A degree-1 model written out: its layout and one hand-checked figure.
constexpr char kDipole[] = "  2025.0   TEST-1   a tilted dipole\n"
                           "  1  0  -30000.0   0.0   10.0   0.0\n"
                           "  1  1   -2000.0  5000.0  0.0  -20.0\n"
                           "999999999999999999999999999999999999999999999999\n";

TEST(ReadCofTest, LaysTheTermsOutForTheSums)
{
    const auto model = nav::ReadCof(kDipole);
    ASSERT_TRUE(model.has_value());
    EXPECT_EQ(model->name, "TEST-1");
    EXPECT_EQ(model->maxDegree, 1);
    EXPECT_EQ(model->g, (std::vector<double>{0, -30000, -2000}));
    EXPECT_EQ(model->h, (std::vector<double>{5000}));
    EXPECT_EQ(model->gRate, (std::vector<double>{0, 10, 0}));
    EXPECT_EQ(model->hRate, (std::vector<double>{-20}));
}

TEST(ReadCofTest, ADipolesDeclinationOnTheEquatorIsItsTilt)
{
    // On the equator at longitude 0 a dipole's field points (east, north)
    // = (-h11, -g10), up to one factor: h11 > 0 turns it West.
    const auto model = nav::ReadCof(kDipole);
    ASSERT_TRUE(model.has_value());
    const nav::ModelDeclination d = Answered(nav::MagneticDeclination(*model, 0, 0, 2025.0));
    EXPECT_NEAR(Degrees(d.declination), std::atan2(5000.0, 30000.0) * 180.0 / M_PI, 1.0 / 3600);
}

struct BadCofCase {
    const char* what;
    const char* text;
};

class BadCofTest : public testing::TestWithParam<BadCofCase> {};

TEST_P(BadCofTest, IsNoModel)
{
    EXPECT_FALSE(nav::ReadCof(GetParam().text).has_value()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadCofTest,
    testing::Values(BadCofCase{"empty", ""},
                    BadCofCase{"no line of nines", "2025.0 X\n1 0 1 0 0 0\n1 1 1 1 0 0\n"},
                    BadCofCase{"a missing term", "2025.0 X\n1 0 1 0 0 0\n9999\n"},
                    BadCofCase{"a repeated term", "2025.0 X\n1 0 1 0 0 0\n1 0 1 0 0 0\n9999\n"},
                    BadCofCase{"a sine of order 0", "2025.0 X\n1 0 1 5 0 0\n1 1 1 1 0 0\n9999\n"},
                    BadCofCase{"a word", "2025.0 X\n1 0 g 0 0 0\n1 1 1 1 0 0\n9999\n"},
                    BadCofCase{"a missing column", "2025.0 X\n1 0 1 0 0\n1 1 1 1 0 0\n9999\n"},
                    BadCofCase{"a huge degree", "2025.0 X\n100000 0 1 0 0 0\n9999\n"}));

struct DateCase {
    int year;
    unsigned month, day;
    double decimalYear;
};

class DecimalYearTest : public testing::TestWithParam<DateCase> {};

TEST_P(DecimalYearTest, CountsTheDaysBefore)
{
    const DateCase& c = GetParam();
    EXPECT_DOUBLE_EQ(nav::DecimalYear(c.year, c.month, c.day), c.decimalYear);
}

INSTANTIATE_TEST_SUITE_P(Table, DecimalYearTest,
                         testing::Values(DateCase{2027, 1, 1, 2027.0}, DateCase{2025, 7, 2, 2025 + 182.0 / 365},
                                         DateCase{2024, 12, 31, 2024 + 365.0 / 366},
                                         DateCase{2028, 3, 1, 2028 + 60.0 / 366}));
