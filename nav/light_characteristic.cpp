#include "nav/light_characteristic.h"

#include "nav/number_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace nav {

namespace {

struct KindWord {
    std::string_view text;
    LightKind kind;
    // The Italian two-word kinds, "Sc.R." and "Lam.L.": the word that may
    // follow, and the kind the two make.
    std::string_view second = {};
    LightKind twoWordKind = kind;
};

// Longest first, so that "LFl" is not read as "L" and "Fl" not as "F".
constexpr std::array kKindWords{
    KindWord{"LFl", LightKind::LongFlashing},
    KindWord{"Lam", LightKind::Flashing, "L", LightKind::LongFlashing},
    KindWord{"Int", LightKind::Occulting},
    KindWord{"Iso", LightKind::Isophase},
    KindWord{"VQ", LightKind::VeryQuick},
    KindWord{"Fl", LightKind::Flashing},
    KindWord{"Oc", LightKind::Occulting},
    KindWord{"Sc", LightKind::Quick, "R", LightKind::VeryQuick},
    KindWord{"Mo", LightKind::Morse},
    KindWord{"Q", LightKind::Quick},
    KindWord{"F", LightKind::Fixed},
};

struct ColourWord {
    std::string_view text;
    LightColour colour;
};

// "Gi" before "G".
constexpr std::array kColourWords{
    ColourWord{"Gi", LightColour::Yellow}, ColourWord{"W", LightColour::White}, ColourWord{"B", LightColour::White},
    ColourWord{"R", LightColour::Red},     ColourWord{"G", LightColour::Green}, ColourWord{"V", LightColour::Green},
    ColourWord{"Y", LightColour::Yellow},
};

struct Measure {
    char unit;
    double max;
    bool zeroAllowed;
    std::optional<double> LightCharacteristic::*field;
};

// In the order they are printed.
constexpr std::array kMeasures{
    Measure{'s', kMaxLightPeriod, false, &LightCharacteristic::period},
    Measure{'m', kMaxLightHeight, true, &LightCharacteristic::height},
    Measure{'M', kMaxLightRange, false, &LightCharacteristic::range},
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsMorseSign(char c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'Z');
}

class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }

    void SkipSeparators()
    {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t' || rest_.front() == '.'))
            rest_.remove_prefix(1);
    }

    bool Take(std::string_view word)
    {
        if (!rest_.starts_with(word))
            return false;
        rest_.remove_prefix(word.size());
        return true;
    }

    std::optional<LightKind> Kind()
    {
        for (const KindWord& w : kKindWords) {
            if (!Take(w.text))
                continue;
            SkipSeparators();
            return !w.second.empty() && Take(w.second) ? w.twoWordKind : w.kind;
        }
        return std::nullopt;
    }

    // "(2)" or "(2+1)"; an empty vector when there is no group.
    std::optional<std::vector<int>> Groups()
    {
        std::vector<int> groups;
        if (!Take("("))
            return groups;
        do {
            const std::optional<int> n = ParseInteger(Digits());
            if (!n || *n < 1 || *n > kMaxLightGroup)
                return std::nullopt;
            groups.push_back(*n);
        } while (Take("+"));
        if (!Take(")"))
            return std::nullopt;
        return groups;
    }

    std::optional<char> MorseSign()
    {
        if (rest_.size() < 3 || rest_[0] != '(' || !IsMorseSign(rest_[1]) || rest_[2] != ')')
            return std::nullopt;
        const char sign = rest_[1];
        rest_.remove_prefix(3);
        return sign;
    }

    // Each colour once; no value for a colour given twice.
    std::optional<std::vector<LightColour>> Colours()
    {
        std::vector<LightColour> colours;
        for (;;) {
            SkipSeparators();
            const std::optional<LightColour> colour = Colour();
            if (!colour)
                return colours;
            if (std::find(colours.begin(), colours.end(), *colour) != colours.end())
                return std::nullopt;
            colours.push_back(*colour);
        }
    }

    // Digits, then "." or "," and more digits; empty when no digit stands here.
    std::string_view Number()
    {
        const std::string_view start = rest_;
        Digits();
        if (rest_.size() > 1 && (rest_[0] == '.' || rest_[0] == ',') && IsDigit(rest_[1])) {
            rest_.remove_prefix(1);
            Digits();
        }
        return start.substr(0, start.size() - rest_.size());
    }

    char Unit()
    {
        SkipSeparators();
        if (rest_.empty())
            return 0;
        const char unit = rest_.front();
        rest_.remove_prefix(1);
        return unit;
    }

private:
    std::optional<LightColour> Colour()
    {
        for (const ColourWord& w : kColourWords)
            if (Take(w.text))
                return w.colour;
        return std::nullopt;
    }

    std::string_view Digits()
    {
        std::size_t n = 0;
        while (n < rest_.size() && IsDigit(rest_[n]))
            ++n;
        const std::string_view digits = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return digits;
    }

    std::string_view rest_;
};

// Period, height and range, each at most once and in that order.
bool ReadMeasures(Reader& reader, LightCharacteristic& c)
{
    auto next = kMeasures.begin();
    for (reader.SkipSeparators(); !reader.AtEnd(); reader.SkipSeparators()) {
        const std::string_view digits = reader.Number();
        if (digits.empty())
            return false;
        const char mark = digits.find(',') != std::string_view::npos ? ',' : '.';
        const std::optional<double> value = ParseDecimal(digits, mark);
        const char unit = reader.Unit();
        next = std::find_if(next, kMeasures.end(), [unit](const Measure& m) { return m.unit == unit; });
        if (next == kMeasures.end() || !value || *value > next->max || (*value == 0 && !next->zeroAllowed))
            return false;
        c.*(next->field) = *value;
        ++next;
    }
    return true;
}

}  // namespace

std::optional<LightCharacteristic> ReadCharacteristic(std::string_view text)
{
    if (text.size() > kMaxCharacteristicLength)
        return std::nullopt;
    Reader reader(text);
    reader.SkipSeparators();
    LightCharacteristic c;
    const std::optional<LightKind> kind = reader.Kind();
    if (!kind)
        return std::nullopt;
    c.kind = *kind;
    reader.SkipSeparators();
    if (c.kind == LightKind::Morse) {
        const std::optional<char> sign = reader.MorseSign();
        if (!sign)
            return std::nullopt;
        c.morse = *sign;
    } else if (c.kind != LightKind::Fixed && c.kind != LightKind::Isophase) {
        std::optional<std::vector<int>> groups = reader.Groups();
        if (!groups)
            return std::nullopt;
        c.groups = std::move(*groups);
    }
    std::optional<std::vector<LightColour>> colours = reader.Colours();
    if (!colours || !ReadMeasures(reader, c))
        return std::nullopt;
    c.colours = std::move(*colours);
    if (c.kind == LightKind::Fixed && c.period)
        return std::nullopt;
    return c;
}

}  // namespace nav
