#pragma once
// A light's characteristic as light lists and charts print it, with the
// Italian or the English abbreviations: "Lam.(2)10s42m18M", "Fl(2)10s42m18M",
// "Oc(3)WRG.12s20m15M", "Sc.R.(3)5s", "Mo(A)8s", "F.R.". Periods in seconds,
// heights in metres above the datum, nominal ranges in nautical miles.

#include "nav/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nav {

enum class LightKind { Fixed, Flashing, Occulting, Isophase, Quick, VeryQuick, LongFlashing, Morse };
enum class LightColour { White, Red, Green, Yellow };

// Every member has its initializer, so that a reading may name only some.
struct LightCharacteristic {
    LightKind kind = LightKind::Fixed;
    std::vector<int> groups = {};           // {2} for "(2)", {2, 1} for "(2+1)"; empty for none
    char morse = 0;                         // the Morse light's letter or digit, "A".."Z" or "0".."9"
    std::vector<LightColour> colours = {};  // in the order printed, each once; empty: white, not stated
    std::optional<double> period = {};      // seconds
    std::optional<double> height = {};      // metres above the datum
    std::optional<double> range = {};       // nominal range, nautical miles

    bool operator==(const LightCharacteristic&) const = default;
};

// Longer texts are refused unread.
inline constexpr std::size_t kMaxCharacteristicLength = 100;
// Larger values are refused as misprints.
inline constexpr double kMaxLightPeriod = 600.0;
inline constexpr double kMaxLightHeight = 1000.0;
inline constexpr double kMaxLightRange = 50.0;
inline constexpr int kMaxLightGroup = 20;

// Reads, in this order: the kind, its group or Morse letter, the colours,
// then a period "10s", a height "42m" and a range "18M", each optional.
// Kinds: F; Fl or Lam; Oc or Int; Iso; Q or Sc; VQ or Sc.R; LFl or Lam.L;
// Mo(letter). "Sc" followed by "R" is always the very quick light. Groups
// "(2)" or "(2+1)", each 1..kMaxLightGroup, with no blanks inside; none on F,
// Iso and Mo, and F has no period. Colours: W or B white, R red, G or V
// green, Y or Gi yellow; several for a light with sectors ("WRG").
// Abbreviations and units are case-sensitive ("m" metres, "M" miles). Blanks
// and dots may stand between the parts, and between a number and its unit;
// a number may have a decimal part after "." or ",". The period and the
// range are above 0, the height 0 or more, none above its maximum.
// Anything else refuses the whole text: there is no partial reading, so
// ranges by sector ("18/15M") and composite rhythms ("Q(6)+LFl.15s") give
// no value.
std::optional<LightCharacteristic> ReadCharacteristic(std::string_view text);

// The characteristic in words, numbers with the decimal mark given and at
// most two decimals. A count and its period: "2 lampi ogni 10 s" or "2
// flashes every 10 s", "1 lampo ogni 5 s", "gruppi di 2+1 lampi ogni 10 s";
// then the colour, "luce rossa" / "red light" or "settori bianco, rosso,
// verde" / "sectors white, red, green"; then ", altezza 42 m, portata 18 M"
// / ", height 42 m, range 18 M". A light with no count (fixed, isophase,
// quick with no group, flashing with neither group nor period) carries its
// one colour: "luce rossa fissa" / "fixed red light", "luce verde isofase,
// periodo 4 s". Morse: "Morse A ogni 8 s". Never empty.
std::string DescribeCharacteristic(const LightCharacteristic& c, Language language, char decimalMark);

}  // namespace nav
