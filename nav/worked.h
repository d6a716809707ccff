#pragma once
// A worked calculation as a student writes it down: the data, each marked
// with where it came from, the steps with their signs and sides, and the
// results. Plain UTF-8 text in the interface's language; the log that keeps
// it adds the time.

#include "nav/angle.h"
#include "nav/language.h"

#include <string>
#include <string_view>
#include <vector>

namespace nav {

// Where a value of the data came from.
enum class Origin { User, Table, Declination };

struct WorkedValue {
    std::string name;   // "Pb", "Velocità propria"
    std::string value;  // "100° 00'", "6,5 kn"
    Origin origin = Origin::User;

    friend bool operator==(const WorkedValue&, const WorkedValue&) = default;
};

struct Worked {
    std::string source;  // the tab or window, as its caption reads
    std::vector<WorkedValue> data;
    std::vector<std::string> steps;
    std::vector<WorkedValue> results;

    friend bool operator==(const Worked&, const Worked&) = default;
};

// The word for an origin: "dato", "tabella", "declinazione".
std::string OriginText(Origin origin, Language language);

// A direction as textbooks write it: «097° 00'», seconds only when there
// are any («094° 44' 22"»).
std::string DirectionText(Angle a);

// A signed correction: «+3° 00'», «−2° 16'» (a true minus sign), «0° 00'».
std::string SignedText(Angle a);

// A signed correction with its side, East positive: «+1° 30' E»,
// «−2° 16' W». Italian and English both write E and W.
std::string SidedText(Angle eastPositive);

// A figure with a decimal comma in Italian and a point in English.
std::string DecimalText(double x, int decimals, Language language);

// A decimal figure with its sign, as a component is written: «+1,55»,
// «−6,48» (a true minus sign), and «0,00» when nothing is left of it.
std::string SignedDecimalText(double x, int decimals, Language language);

// The text in the language asked for.
std::string Say(Language language, std::string_view italian, std::string_view english);

}  // namespace nav
