#include "nav/worked.h"

#include "nav/number_text.h"

#include <cmath>
#include <cstdio>

namespace nav {

namespace {

constexpr const char* kMinus = "\u2212";

// «97° 00'» or «97° 00' 22"», the degrees padded to `degreeDigits`.
std::string Magnitude(Angle a, int degreeDigits)
{
    const Dms d = SplitAngle(a);
    char text[48];
    if (d.seconds == 0)
        std::snprintf(text, sizeof text, "%0*d\u00B0 %02d'", degreeDigits, d.degrees, d.minutes);
    else
        std::snprintf(text, sizeof text, "%0*d\u00B0 %02d' %02d\"", degreeDigits, d.degrees, d.minutes,
                      d.seconds);
    return text;
}

}  // namespace

std::string OriginText(Origin origin, Language language)
{
    const bool italian = language == Language::Italian;
    switch (origin) {
    case Origin::Table:
        return italian ? "tabella" : "table";
    case Origin::Declination:
        return italian ? "declinazione" : "declination";
    case Origin::User:
        break;
    }
    return italian ? "dato" : "given";
}

std::string DirectionText(Angle a)
{
    return Magnitude(a, 3);
}

std::string SignedText(Angle a)
{
    if (a == 0)
        return Magnitude(0, 1);
    return (a < 0 ? kMinus : "+") + Magnitude(a, 1);
}

std::string SidedText(Angle eastPositive)
{
    if (eastPositive == 0)
        return SignedText(0);
    return SignedText(eastPositive) + (eastPositive < 0 ? " W" : " E");
}

std::string DecimalText(double x, int decimals, Language language)
{
    std::string text = FixedText(x, decimals);
    if (language == Language::Italian)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

std::string SignedDecimalText(double x, int decimals, Language language)
{
    const std::string digits = DecimalText(std::abs(x), decimals, language);
    if (digits.find_first_not_of("0.,") == std::string::npos)
        return digits;
    return (x < 0 ? kMinus : "+") + digits;
}

std::string Say(Language language, std::string_view italian, std::string_view english)
{
    return std::string(language == Language::Italian ? italian : english);
}

}  // namespace nav
