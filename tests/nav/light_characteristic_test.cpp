#include "nav/light_characteristic.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using L = nav::LightCharacteristic;
using K = nav::LightKind;
constexpr auto W = nav::LightColour::White;
constexpr auto R = nav::LightColour::Red;
constexpr auto G = nav::LightColour::Green;
constexpr auto Y = nav::LightColour::Yellow;

// The longest text read, padded with blanks.
std::string Padded(std::size_t length)
{
    return "Fl" + std::string(length - 2, ' ');
}

}  // namespace

struct ReadCase {
    std::string text;
    std::optional<L> light;
};

class ReadLightCharacteristicTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLightCharacteristicTest, ReadsTheWholeTextOrNothing)
{
    EXPECT_EQ(nav::ReadCharacteristic(GetParam().text), GetParam().light) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadLightCharacteristicTest,
    testing::Values(
        ReadCase{"Lam.(2)10s42m18M", L{K::Flashing, {2}, 0, {}, 10, 42, 18}},
        ReadCase{"Fl(2)10s42m18M", L{K::Flashing, {2}, 0, {}, 10, 42, 18}},
        ReadCase{"Fl.R.5s", L{K::Flashing, {}, 0, {R}, 5}},
        ReadCase{"Oc(3)WRG.12s20m15M", L{K::Occulting, {3}, 0, {W, R, G}, 12, 20, 15}},
        ReadCase{"Int.(2)6s", L{K::Occulting, {2}, 0, {}, 6}},
        ReadCase{"Iso.G.4s", L{K::Isophase, {}, 0, {G}, 4}},
        ReadCase{"VQ(3)5s", L{K::VeryQuick, {3}, 0, {}, 5}},
        ReadCase{"Sc.R.(3)5s", L{K::VeryQuick, {3}, 0, {}, 5}},
        ReadCase{"Sc(6)R.15s", L{K::Quick, {6}, 0, {R}, 15}},
        ReadCase{"Sc.RG", L{K::VeryQuick, {}, 0, {G}}},
        ReadCase{"Q.Y", L{K::Quick, {}, 0, {Y}}},
        ReadCase{"LFl.10s", L{K::LongFlashing, {}, 0, {}, 10}},
        ReadCase{"Lam.L.10s", L{K::LongFlashing, {}, 0, {}, 10}},
        ReadCase{"Mo(A)8s", L{K::Morse, {}, 'A', {}, 8}},
        ReadCase{"Mo(7)\t10.s", L{K::Morse, {}, '7', {}, 10}},
        ReadCase{"F.R.", L{K::Fixed, {}, 0, {R}}},
        ReadCase{"F.Gi 0m", L{K::Fixed, {}, 0, {Y}, {}, 0}},
        ReadCase{"Lam.(2+1)BRV. 15 s", L{K::Flashing, {2, 1}, 0, {W, R, G}, 15}},
        ReadCase{"Fl.Y.2,5s", L{K::Flashing, {}, 0, {Y}, 2.5}},
        ReadCase{" Fl 2.5 s 12,5 m 8 M ", L{K::Flashing, {}, 0, {}, 2.5, 12.5, 8}},
        ReadCase{"Fl(20)600s1000m50M", L{K::Flashing, {20}, 0, {}, 600, 1000, 50}},
        ReadCase{"Fl 0,5s", L{K::Flashing, {}, 0, {}, 0.5}},
        ReadCase{Padded(nav::kMaxCharacteristicLength), L{K::Flashing}},
        ReadCase{Padded(nav::kMaxCharacteristicLength + 1), std::nullopt},
        ReadCase{"", std::nullopt}, ReadCase{" . ", std::nullopt}, ReadCase{"Xyz", std::nullopt},
        ReadCase{"fl.5s", std::nullopt}, ReadCase{"Fl(2)10sfoo", std::nullopt}, ReadCase{"Fl()", std::nullopt},
        ReadCase{"Fl(0)", std::nullopt}, ReadCase{"Fl(21)", std::nullopt}, ReadCase{"Fl(2+)", std::nullopt},
        ReadCase{"Fl(99999999999)", std::nullopt}, ReadCase{"Fl(2)601s", std::nullopt},
        ReadCase{"Fl 1000,5m", std::nullopt}, ReadCase{"Fl 51M", std::nullopt}, ReadCase{"Fl 0s", std::nullopt},
        ReadCase{"Fl.10", std::nullopt}, ReadCase{"Fl.5m10s", std::nullopt}, ReadCase{"Fl.5s5s", std::nullopt},
        ReadCase{"Fl.10s18/15M", std::nullopt}, ReadCase{"Q(6)+LFl.15s", std::nullopt},
        ReadCase{"F.R.5s", std::nullopt}, ReadCase{"Iso(2)4s", std::nullopt}, ReadCase{"Mo 8s", std::nullopt},
        ReadCase{"Mo(a)8s", std::nullopt}, ReadCase{"Fl.RR.5s", std::nullopt}, ReadCase{"Fl.WB", std::nullopt},
        ReadCase{"Fl(2 + 1)", std::nullopt}, ReadCase{"Fl 10S", std::nullopt}, ReadCase{"Fl.5s.R", std::nullopt},
        ReadCase{std::string("Fl\0", 3), std::nullopt}));

struct DescribeCase {
    const char* text;
    nav::Language language;
    const char* words;
};

class DescribeLightCharacteristicTest : public testing::TestWithParam<DescribeCase> {};

TEST_P(DescribeLightCharacteristicTest, TellsTheReadingInWords)
{
    const DescribeCase& c = GetParam();
    const auto light = nav::ReadCharacteristic(c.text);
    ASSERT_TRUE(light) << c.text;
    const char mark = c.language == nav::Language::Italian ? ',' : '.';
    EXPECT_EQ(nav::DescribeCharacteristic(*light, c.language, mark), c.words) << c.text;
}

constexpr auto kIt = nav::Language::Italian;
constexpr auto kEn = nav::Language::English;

INSTANTIATE_TEST_SUITE_P(
    Table, DescribeLightCharacteristicTest,
    testing::Values(
        DescribeCase{"Lam.(2)10s42m18M", kIt, "2 lampi ogni 10 s, altezza 42 m, portata 18 M"},
        DescribeCase{"Fl(2)10s42m18M", kEn, "2 flashes every 10 s, height 42 m, range 18 M"},
        DescribeCase{"Fl.R.5s", kIt, "1 lampo ogni 5 s, luce rossa"},
        DescribeCase{"Fl.R.5s", kEn, "1 flash every 5 s, red light"},
        DescribeCase{"Oc(3)WRG.12s20m15M", kIt,
                     "3 eclissi ogni 12 s, settori bianco, rosso, verde, altezza 20 m, portata 15 M"},
        DescribeCase{"Oc(3)WRG.12s20m15M", kEn,
                     "3 occultations every 12 s, sectors white, red, green, height 20 m, range 15 M"},
        DescribeCase{"Int.5s", kIt, "1 eclisse ogni 5 s"},
        DescribeCase{"F.R.", kIt, "luce rossa fissa"}, DescribeCase{"F.R.", kEn, "fixed red light"},
        DescribeCase{"F.BR", kIt, "luce fissa, settori bianco, rosso"},
        DescribeCase{"Iso.G.4s", kIt, "luce verde isofase, periodo 4 s"},
        DescribeCase{"Iso.G.4s", kEn, "isophase green light, period 4 s"},
        DescribeCase{"Sc.R.(3)5s", kIt, "3 lampi rapidissimi ogni 5 s"},
        DescribeCase{"VQ(3)5s", kEn, "3 very quick flashes every 5 s"},
        DescribeCase{"Sc.Gi", kIt, "luce gialla scintillante"},
        DescribeCase{"Q.5s", kEn, "quick light, period 5 s"},
        DescribeCase{"Q(9)15s", kIt, "9 lampi rapidi ogni 15 s"},
        DescribeCase{"Oc.R", kEn, "occulting red light"},
        DescribeCase{"Mo(A)8s", kIt, "Morse A ogni 8 s"},
        DescribeCase{"Mo(U)Y.15s", kEn, "Morse U every 15 s, yellow light"},
        DescribeCase{"Lam.L.10s", kIt, "1 lampo lungo ogni 10 s"},
        DescribeCase{"LFl(2)R.10s", kEn, "2 long flashes every 10 s, red light"},
        DescribeCase{"Fl(2+1)G.2,5s", kIt, "gruppi di 2+1 lampi ogni 2,5 s, luce verde"},
        DescribeCase{"Fl(2+1)G.2,5s", kEn, "groups of 2+1 flashes every 2.5 s, green light"},
        DescribeCase{"Fl(3)", kEn, "groups of 3 flashes"}, DescribeCase{"Fl.W", kIt, "luce bianca a lampi"},
        DescribeCase{"Fl 3s 10,50m", kIt, "1 lampo ogni 3 s, altezza 10,5 m"}));
