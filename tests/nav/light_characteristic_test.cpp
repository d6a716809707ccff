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
        ReadCase{"Q.Y", L{K::Quick, {}, 0, {Y}}},
        ReadCase{"LFl.10s", L{K::LongFlashing, {}, 0, {}, 10}},
        ReadCase{"Lam.L.10s", L{K::LongFlashing, {}, 0, {}, 10}},
        ReadCase{"Mo(A)8s", L{K::Morse, {}, 'A', {}, 8}},
        ReadCase{"F.R.", L{K::Fixed, {}, 0, {R}}},
        ReadCase{"F.Gi 0m", L{K::Fixed, {}, 0, {Y}, {}, 0}},
        ReadCase{"Lam.(2+1)BRV. 15 s", L{K::Flashing, {2, 1}, 0, {W, R, G}, 15}},
        ReadCase{"Fl.Y.2,5s", L{K::Flashing, {}, 0, {Y}, 2.5}},
        ReadCase{" Fl 2.5 s 12,5 m 8 M ", L{K::Flashing, {}, 0, {}, 2.5, 12.5, 8}},
        ReadCase{"Fl(20)600s1000m50M", L{K::Flashing, {20}, 0, {}, 600, 1000, 50}},
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
        ReadCase{"Mo(a)8s", std::nullopt}, ReadCase{"Fl.RR.5s", std::nullopt}, ReadCase{"Fl.WB", std::nullopt}));
