#include "widgets/numeric/num_edit_model.h"

#include "toolkit/format_float.h"
#include "toolkit/text_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using toolkit::ScopedFormatSettings;

namespace {

constexpr char kBackspace = '\b';
constexpr char kDelete = '\x7f';

// Cases are written with "." as the decimal and "," as the thousands
// separator; the Italian run swaps the two.
QString Localized(const char* text, bool italian)
{
    QString s = QString::fromLatin1(text);
    if (!italian)
        return s;
    for (QChar& c : s)
        c = c == QLatin1Char('.') ? QLatin1Char(',') : (c == QLatin1Char(',') ? QLatin1Char('.') : c);
    return s;
}

toolkit::FormatSettings Separators(bool italian)
{
    return italian ? toolkit::FormatSettings{QLatin1Char(','), QLatin1Char('.')}
                   : toolkit::FormatSettings{QLatin1Char('.'), QLatin1Char(',')};
}

}  // namespace

struct KeyCase {
    const char* what;
    int decimals;
    TNumberFormat format;
    const char* text;
    int selStart, selLength;
    const char* keys;  // "\b" Backspace, "\x7f" Delete, others typed
    const char* result;
    int caret;
    int refused;
};

class NumEditKeysTest : public testing::TestWithParam<std::tuple<KeyCase, bool>> {};

TEST_P(NumEditKeysTest, FollowsTheKeystrokeRules)
{
    const auto& [c, italian] = GetParam();
    ScopedFormatSettings locale(Separators(italian));
    NumEditModel m(c.decimals, c.format);
    m.text = Localized(c.text, italian);
    m.selStart = c.selStart;
    m.selLength = c.selLength;
    int refused = 0;
    for (const QChar key : Localized(c.keys, italian)) {
        if (key == QLatin1Char(kBackspace) || key == QLatin1Char(kDelete))
            m.DeleteKey(key == QLatin1Char(kBackspace));
        else
            refused += m.TypeChar(key) ? 0 : 1;
    }
    EXPECT_EQ(m.text, Localized(c.result, italian)) << c.what;
    EXPECT_EQ(m.selStart, c.caret) << c.what;
    EXPECT_EQ(refused, c.refused) << c.what;
    EXPECT_TRUE(ReadNumberText(m.text).has_value()) << c.what;
}

constexpr auto S = TNumberFormat::Standard;
constexpr auto T = TNumberFormat::Thousands;
constexpr auto X = TNumberFormat::Scientific;

INSTANTIATE_TEST_SUITE_P(
    Table, NumEditKeysTest,
    testing::Combine(
        testing::Values(
            KeyCase{"digit replaces the leading zero", 1, S, "0.0", 0, 0, "5", "5.0", 1, 0},
            KeyCase{"minus toggles the sign", 1, S, "5.0", 1, 0, "-", "-5.0", 2, 0},
            KeyCase{"minus twice gives it back", 1, S, "5.0", 1, 0, "--", "5.0", 1, 0},
            KeyCase{"all places filled", 1, S, "5.0", 3, 0, "7", "5.0", 3, 1},
            KeyCase{"a place is overwritten", 1, S, "5.0", 2, 0, "7", "5.7", 3, 0},
            KeyCase{"separator jumps behind it", 1, S, "5.0", 0, 0, ".", "5.0", 2, 0},
            KeyCase{"no separator without places", 0, S, "5", 1, 0, ".", "5", 1, 1},
            KeyCase{"separator goes to the end", -1, S, "12", 1, 0, ".", "12.", 3, 0},
            // "," here is the mark the locale does not use: it types the locale's.
            KeyCase{"the other mark is the decimal too", -1, S, "6", 1, 0, ",5", "6.5", 3, 0},
            KeyCase{"the other mark jumps behind it", 1, S, "5.0", 0, 0, ",", "5.0", 2, 0},
            KeyCase{"no other mark without places", 0, S, "5", 1, 0, ",", "5", 1, 1},
            KeyCase{"letters are refused", 1, S, "5.0", 1, 0, "a+ ", "5.0", 1, 3},
            KeyCase{"backspace after the separator", 1, S, "7.5", 2, 0, "\b", "0.5", 1, 0},
            KeyCase{"backspace keeps two places", 2, S, "1.25", 3, 0, "\b", "1.50", 2, 0},
            KeyCase{"delete the only integer digit", 1, S, "5.0", 0, 0, "\x7f", "0.0", 1, 0},
            KeyCase{"backspace removes the sign", 1, S, "-5.0", 1, 0, "\b", "5.0", 0, 0},
            KeyCase{"backspace at the start", 1, S, "5.0", 0, 0, "\b", "5.0", 0, 0},
            KeyCase{"delete at the end", 1, S, "5.0", 3, 0, "\x7f", "5.0", 3, 0},
            KeyCase{"typing over everything", 1, S, "12.5", 0, 4, "3", "3.0", 1, 0},
            KeyCase{"zero after the sign replaced", 1, S, "-0.5", 2, 0, "3", "-3.5", 2, 0},
            KeyCase{"leading zero of places", 2, S, "0.50", 0, 0, "7", "7.50", 1, 0},
            KeyCase{"integer digits inserted", 1, S, "12.5", 1, 0, "9", "192.5", 2, 0},
            KeyCase{"selection deleted", 2, S, "123.45", 1, 2, "\b", "1.45", 1, 0},
            KeyCase{"exponent appended", -1, S, "5", 1, 0, "E3", "5E3", 3, 0},
            KeyCase{"exponent sign", -1, X, "5E3", 2, 0, "-", "5E-3", 3, 0},
            KeyCase{"nothing between E and its sign", -1, X, "5E-3", 2, 0, "4", "5E-43", 4, 0},
            KeyCase{"exponent at its limit", -1, X, "1E493", 5, 0, "2", "1E4932", 6, 0},
            KeyCase{"exponent beyond its limit", -1, X, "1E493", 5, 0, "3", "1E493", 5, 1},
            KeyCase{"lower-case e", -1, S, "2", 1, 0, "e", "2E", 2, 0},
            KeyCase{"exponent digit removed", -1, X, "1E3", 3, 0, "\b", "1E0", 2, 0},
            KeyCase{"thousands stepped over", -1, T, "1,234", 2, 0, "\b", ",234", 0, 0},
            KeyCase{"a mark behind a mark goes, the exponent's sign with its E", -1, S, ".E-", 0, 0, "\x7f", ".", 1, 0},
            KeyCase{"backspace over the E deletes the separator", -1, S, "1.E5", 3, 0, "\b", "1E5", 1, 0},
            KeyCase{"delete over the separator deletes the E", -1, S, "1.E5", 1, 0, "\x7f", "1.5", 2, 0},
            KeyCase{"fixed places keep their separator", 2, T, ",.00", 0, 0, "\x7f", ",.00", 0, 0},
            KeyCase{"minus over a selection from the mantissa", -1, S, "123E5", 2, 2, "-", "-1E5", 3, 0},
            // The lone "-" counts as "-0": the deletion also takes the 7 before the E.
            KeyCase{"minus over the exponent's sign", -1, S, "87E-", 3, 1, "-", "8E-", 3, 0},
            KeyCase{"a selected separator is no digit to delete", 2, S, "123.45", 2, 3, "\b", "12.50", 2, 0},
            KeyCase{"separator goes before the E", -1, S, "5E3", 3, 0, ".", "5.E3", 2, 0},
            KeyCase{"E again jumps behind it", -1, S, "5E3", 0, 0, "E", "5E3", 2, 0},
            KeyCase{"digit replaces the zero after E", -1, X, "5E0", 2, 0, "7", "5E7", 3, 0},
            KeyCase{"minus removes the exponent's sign", -1, X, "5E-34", 4, 0, "-", "5E34", 3, 0},
            KeyCase{"places refilled before the E", 2, X, "1.25E3", 3, 0, "\b", "1.50E3", 2, 0}),
        testing::Bool()));

TEST(NumEditModel, ThousandsRegroupOnKeyRelease)
{
    for (bool italian : {false, true}) {
        ScopedFormatSettings locale(Separators(italian));
        NumEditModel m(-1, T);
        m.text = QStringLiteral("123");
        m.selStart = 3;
        ASSERT_TRUE(m.TypeChar(QLatin1Char('4')));
        m.Regroup(false);
        EXPECT_EQ(m.text, Localized("1,234", italian));
        EXPECT_EQ(m.selStart, 5);  // after the typed digit
    }
}

struct RegroupCase {
    const char* text;
    int decimals;
    int caret;
    bool enterOrSpace;
    const char* result;
    int resultCaret;
};

class RegroupTest : public testing::TestWithParam<RegroupCase> {};

TEST_P(RegroupTest, KeepsTheCaretBesideTheSameDigit)
{
    ScopedFormatSettings locale(Separators(false));
    NumEditModel m(GetParam().decimals, T);
    m.text = QString::fromLatin1(GetParam().text);
    m.selStart = GetParam().caret;
    m.Regroup(GetParam().enterOrSpace);
    EXPECT_EQ(m.text, QString::fromLatin1(GetParam().result));
    EXPECT_EQ(m.selStart, GetParam().resultCaret);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegroupTest,
    testing::Values(RegroupCase{"12345", -1, 5, false, "12,345", 6},   // one separator more
                    RegroupCase{",234", -1, 0, false, "234", 0},       // one fewer, caret kept at 0
                    RegroupCase{"1234", 1, 4, false, "1,234.0", 6},    // a separator and a point appear
                    RegroupCase{"12345.", 0, 4, true, "12,345", 4},    // the point goes
                    RegroupCase{"1234567", -1, 3, false, "1,234,567", 6},  // stepped past a separator
                    RegroupCase{"1,234", -1, 5, false, "1,234", 5},
                    RegroupCase{"1,234.50", 2, 3, true, "1,234.50", 3}));

TEST(NumEditModel, PasteFeedsEveryCharacterThroughTheRules)
{
    NumEditModel m(1, S);
    m.text = QStringLiteral("0.0");
    m.selStart = 0;
    m.selLength = 3;
    EXPECT_EQ(m.Paste(QStringLiteral("4x2")), 1);
    EXPECT_EQ(m.text, QStringLiteral("42.0"));
}

TEST(NumEditModel, ClipboardGetsTheCleanedSelection)
{
    ScopedFormatSettings locale(Separators(false));
    NumEditModel m(2, T);
    m.text = QStringLiteral("1,234.50");
    m.selStart = 0;
    m.selLength = 5;
    EXPECT_EQ(m.SelectionForClipboard(), QStringLiteral("1234"));
}

struct FormatCase {
    double value;
    int decimals;
    TNumberFormat format;
    const char* text;
};

class FormatNumberTest : public testing::TestWithParam<std::tuple<FormatCase, bool>> {};

TEST_P(FormatNumberTest, WritesThePattern)
{
    const auto& [c, italian] = GetParam();
    ScopedFormatSettings locale(Separators(italian));
    EXPECT_EQ(FormatNumber(c.value, c.decimals, c.format), Localized(c.text, italian));
    // What is written reads back.
    const auto back = ReadNumberText(Localized(c.text, italian));
    ASSERT_TRUE(back.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatNumberTest,
    testing::Combine(
        testing::Values(FormatCase{12.34, 1, S, "12.3"}, FormatCase{12.34, 0, S, "12"},
                        FormatCase{12.34, -1, S, "12.34"}, FormatCase{1234.5, 2, T, "1,234.50"},
                        FormatCase{0, -1, S, "0"}, FormatCase{0, 1, S, "0.0"},
                        FormatCase{-0.04, 1, S, "0.0"}, FormatCase{199.92, -1, S, "199.92"},
                        FormatCase{99.96, 1, S, "100.0"}, FormatCase{1234567.5, -1, T, "1,234,567.5"},
                        FormatCase{1500, -1, X, "1.5E3"}, FormatCase{0.0015, 2, X, "1.50E-3"},
                        FormatCase{9.96, 1, X, "1.0E1"},  // the mantissa rounds up to 10
                        FormatCase{1234, -1, TNumberFormat::Engineering, "1.234E3"},
                        FormatCase{0, 1, TNumberFormat::Engineering, "0.0E0"},
                        // 15 significant digits; the places beyond are zeros
                        FormatCase{123456789012.345678, 5, S, "123456789012.34600"},
                        FormatCase{1e16, 1, S, "10000000000000000.0"}),
        testing::Bool()));

struct ReadCase {
    const char* text;
    bool ok;
    double value;
};

class ReadNumberTextTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTextTest, ReadsWhatTheRulesCanLeave)
{
    ScopedFormatSettings locale(Separators(false));
    const auto v = ReadNumberText(QString::fromLatin1(GetParam().text));
    ASSERT_EQ(v.has_value(), GetParam().ok) << GetParam().text;
    if (GetParam().ok) {
        EXPECT_DOUBLE_EQ(*v, GetParam().value) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReadNumberTextTest,
                         testing::Values(ReadCase{"", true, 0}, ReadCase{"-", true, -0.0},
                                         ReadCase{"1,234.5", true, 1234.5}, ReadCase{"5E", true, 5},
                                         ReadCase{"5E-", true, 5}, ReadCase{"-.5", true, -0.5},
                                         ReadCase{"2.5E2", true, 250}, ReadCase{"1E4932", true, 1.7976931348623157e308},
                                         ReadCase{"abc", false, 0}, ReadCase{"1.2.3", false, 0},
                                         ReadCase{"5 5", false, 0},
                                         ReadCase{"-1E4932", true, -1.7976931348623157e308},
                                         ReadCase{"1E-4932", true, 0}));

TEST(ReadNumberText, SaturatesByTheNumbersMagnitude)
{
    ScopedFormatSettings locale(Separators(false));
    const QString tiny = QStringLiteral("0.") + QString(330, QLatin1Char('0')) + QLatin1Char('1');
    const QString huge = QLatin1Char('1') + QString(400, QLatin1Char('0')) + QStringLiteral("E-10");
    EXPECT_LT(std::fabs(ReadNumberText(tiny).value()), 1e-300);
    EXPECT_EQ(ReadNumberText(QLatin1Char('-') + huge), -DBL_MAX);
    EXPECT_EQ(ReadNumberText(huge), DBL_MAX);
    EXPECT_EQ(ReadNumberText(QStringLiteral("0.001E99999999999999999999")), DBL_MAX);
}
