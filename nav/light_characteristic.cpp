#include "nav/light_characteristic.h"

#include "nav/number_text.h"

#include <algorithm>
#include <array>
#include <string>
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


struct Phrase {
    std::string_view italian, english;

    std::string_view In(Language language) const { return language == Language::Italian ? italian : english; }
};

// The counted kinds name one flash (or occultation) and several; every kind
// but Morse has the adjective that names the light when nothing is counted.
struct KindPhrases {
    Phrase one, many, adjective;
    bool continuous;  // with no group it is not counted, even with a period
};

// In the order of LightKind.
constexpr std::array kKindPhrases{
    KindPhrases{{}, {}, {"fissa", "fixed"}, true},
    KindPhrases{{"lampo", "flash"}, {"lampi", "flashes"}, {"a lampi", "flashing"}, false},
    KindPhrases{{"eclisse", "occultation"}, {"eclissi", "occultations"}, {"intermittente", "occulting"}, false},
    KindPhrases{{}, {}, {"isofase", "isophase"}, true},
    KindPhrases{{"lampo rapido", "quick flash"}, {"lampi rapidi", "quick flashes"}, {"scintillante", "quick"}, true},
    KindPhrases{{"lampo rapidissimo", "very quick flash"},
                {"lampi rapidissimi", "very quick flashes"},
                {"scintillante rapida", "very quick"},
                true},
    KindPhrases{{"lampo lungo", "long flash"},
                {"lampi lunghi", "long flashes"},
                {"a lampi lunghi", "long-flashing"},
                false},
    KindPhrases{{}, {}, {}, true},
};
static_assert(kKindPhrases.size() == static_cast<std::size_t>(LightKind::Morse) + 1);

// Italian agrees with "luce" (feminine) and with "settori" (masculine).
struct ColourPhrases {
    Phrase light;
    Phrase sector;
};

// In the order of LightColour.
constexpr std::array kColourPhrases{
    ColourPhrases{{"bianca", "white"}, {"bianco", "white"}},
    ColourPhrases{{"rossa", "red"}, {"rosso", "red"}},
    ColourPhrases{{"verde", "green"}, {"verde", "green"}},
    ColourPhrases{{"gialla", "yellow"}, {"giallo", "yellow"}},
};
static_assert(kColourPhrases.size() == static_cast<std::size_t>(LightColour::Yellow) + 1);

constexpr Phrase kLight{"luce", "light"};
constexpr Phrase kSectors{"settori", "sectors"};
constexpr Phrase kEvery{"ogni", "every"};
constexpr Phrase kPeriod{"periodo", "period"};
constexpr Phrase kGroupsOf{"gruppi di", "groups of"};
constexpr Phrase kHeight{"altezza", "height"};
constexpr Phrase kRange{"portata", "range"};

constexpr int kShownDecimals = 2;

const KindPhrases& PhrasesOf(LightKind kind)
{
    return kKindPhrases[static_cast<std::size_t>(kind)];
}

const ColourPhrases& PhrasesOf(LightColour colour)
{
    return kColourPhrases[static_cast<std::size_t>(colour)];
}

// "10", "2,5": no trailing zeros, no bare decimal mark.
std::string Number(double x, char decimalMark)
{
    std::string text = FixedText(x, kShownDecimals);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    else
        std::replace(text.begin(), text.end(), '.', decimalMark);
    return text;
}

// "luce rossa fissa", "fixed red light"; colour or adjective may be empty.
std::string NamedLight(Language language, std::string_view colour, std::string_view adjective)
{
    const std::array italian{kLight.italian, colour, adjective};
    const std::array english{adjective, colour, kLight.english};
    std::string text;
    for (const std::string_view word : language == Language::Italian ? italian : english)
        if (!word.empty())
            text += (text.empty() ? "" : " ") + std::string(word);
    return text;
}

// "2 lampi", "gruppi di 2+1 lampi", "gruppi di 3 lampi rapidi" with no period.
std::string Count(const LightCharacteristic& c, const KindPhrases& kind, Language language)
{
    if (c.groups.size() <= 1 && c.period) {
        const int n = c.groups.empty() ? 1 : c.groups.front();
        return std::to_string(n) + ' ' + std::string((n == 1 ? kind.one : kind.many).In(language));
    }
    std::string text(kGroupsOf.In(language));
    for (std::size_t i = 0; i < c.groups.size(); ++i)
        text += (i == 0 ? " " : "+") + std::to_string(c.groups[i]);
    const bool one = c.groups.size() == 1 && c.groups.front() == 1;
    return text + ' ' + std::string((one ? kind.one : kind.many).In(language));
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

std::string DescribeCharacteristic(const LightCharacteristic& c, Language language, char decimalMark)
{
    const KindPhrases& kind = PhrasesOf(c.kind);
    const auto words = [language](const Phrase& p) { return std::string(p.In(language)); };
    const std::string period = c.period ? Number(*c.period, decimalMark) + " s" : "";
    const std::string every = c.period ? ' ' + words(kEvery) + ' ' + period : "";
    const bool counted = !kind.many.italian.empty() && (!c.groups.empty() || (c.period && !kind.continuous));
    // The light named by its adjective takes its one colour along.
    const bool colourInLight = c.kind != LightKind::Morse && !counted && c.colours.size() == 1;
    std::string text;
    if (c.kind == LightKind::Morse) {
        text = "Morse " + std::string(1, c.morse) + every;
    } else if (counted) {
        text = Count(c, kind, language) + every;
    } else {
        text = NamedLight(language, colourInLight ? PhrasesOf(c.colours.front()).light.In(language) : "",
                          kind.adjective.In(language));
        if (c.period)
            text += ", " + words(kPeriod) + ' ' + period;
    }
    if (c.colours.size() == 1 && !colourInLight) {
        text += ", " + NamedLight(language, PhrasesOf(c.colours.front()).light.In(language), "");
    } else if (c.colours.size() > 1) {
        text += ", " + words(kSectors);
        for (std::size_t i = 0; i < c.colours.size(); ++i)
            text += (i == 0 ? " " : ", ") + words(PhrasesOf(c.colours[i]).sector);
    }
    if (c.height)
        text += ", " + words(kHeight) + ' ' + Number(*c.height, decimalMark) + " m";
    if (c.range)
        text += ", " + words(kRange) + ' ' + Number(*c.range, decimalMark) + " M";
    return text;
}

}  // namespace nav
