#include "toolkit/text_format.h"

#include <gtest/gtest.h>

using toolkit::Format;
using toolkit::FormatSettings;
using toolkit::ScopedFormatSettings;

namespace {

const FormatSettings kItalian{QLatin1Char(','), QLatin1Char('.')};
const FormatSettings kEnglish{QLatin1Char('.'), QLatin1Char(',')};

}  // namespace

struct FormatCase {
    const char* pattern;
    toolkit::FormatArg arg;
    const char* comma;  // with "," as the decimal separator
    const char* point;  // with "."
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesWithTheLocaleSeparator)
{
    const auto& c = GetParam();
    {
        ScopedFormatSettings italian(kItalian);
        EXPECT_EQ(Format(QString::fromUtf8(c.pattern), {c.arg}), QString::fromUtf8(c.comma));
    }
    ScopedFormatSettings english(kEnglish);
    EXPECT_EQ(Format(QString::fromUtf8(c.pattern), {c.arg}), QString::fromUtf8(c.point));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatTest,
    testing::Values(FormatCase{"%3.0d", 0LL, "  0", "  0"}, FormatCase{"%3.0d", 45LL, " 45", " 45"},
                    FormatCase{"%3.0d", 1000LL, "1000", "1000"}, FormatCase{"%3.0d", -7LL, " -7", " -7"},
                    FormatCase{"%2.0u", 0LL, " 0", " 0"}, FormatCase{"%2.0u", 7LL, " 7", " 7"},
                    FormatCase{"%2.2u", 5LL, "05", "05"}, FormatCase{"%2.2u", 545LL, "545", "545"},
                    FormatCase{"%2.0u", -7LL, " 7", " 7"},
                    FormatCase{"%-3.1f °", 1.5, "1,5 °", "1.5 °"},
                    FormatCase{"%-3.1f °", -2.5, "-2,5 °", "-2.5 °"},
                    FormatCase{"%-3.1f °", 355.0, "355,0 °", "355.0 °"},
                    FormatCase{"%-6.1f|", 1.5, "1,5   |", "1.5   |"},
                    FormatCase{"%5.1f", 93.6, " 93,6", " 93.6"},
                    FormatCase{"%5.1f", 1234.56, "1234,6", "1234.6"},
                    FormatCase{"%3.1f", 7.5, "7,5", "7.5"}, FormatCase{"%-2.1f", 6.3245, "6,3", "6.3"},
                    FormatCase{"%f", 1.0, "1,00", "1.00"}, FormatCase{"%s!", QStringLiteral("PB"), "PB!", "PB!"},
                    FormatCase{"%.2s", QStringLiteral("abc"), "ab", "ab"},
                    FormatCase{"100%% %d", 3LL, "100% 3", "100% 3"}));

TEST(Format, TakesSeveralArguments)
{
    EXPECT_EQ(Format(QStringLiteral("%2.2u:%2.2u"), {2LL, 5LL}), QStringLiteral("02:05"));
    EXPECT_EQ(Format(QString::fromUtf8("%3.0d° %2.0u' %2.0u\""), {45LL, 7LL, 3LL}),
              QString::fromUtf8(" 45°  7'  3\""));
}

TEST(Format, LeavesAConversionWithoutArgumentAsWritten)
{
    EXPECT_EQ(Format(QStringLiteral("a %d b"), {}), QStringLiteral("a %d b"));
}

TEST(StrToFloat, UsesTheLocaleDecimalSeparator)
{
    {
        ScopedFormatSettings italian(kItalian);
        EXPECT_EQ(toolkit::StrToFloat(QStringLiteral("2,5")), 2.5);
        EXPECT_FALSE(toolkit::StrToFloat(QStringLiteral("2.5")));
    }
    ScopedFormatSettings english(kEnglish);
    EXPECT_EQ(toolkit::StrToFloat(QStringLiteral("2.5")), 2.5);
    EXPECT_FALSE(toolkit::StrToFloat(QStringLiteral("2,5")));
    EXPECT_FALSE(toolkit::StrToFloat(QStringLiteral("2\u00B05")));
}

TEST(StrToFloat, AcceptsANonAsciiSeparator)
{
    ScopedFormatSettings arabic({QChar(0x066B), QChar(0x066C)});
    EXPECT_EQ(toolkit::StrToFloat(QString::fromUtf8("2\u066B5")), 2.5);
    EXPECT_FALSE(toolkit::StrToFloat(QStringLiteral("2.5")));
}

TEST(ConversionMessages, AreThePlatformTexts)
{
    EXPECT_EQ(toolkit::InvalidFloatMessage(QStringLiteral("2,5;x")),
              QStringLiteral("'2,5;x' is not a valid floating point value"));
    EXPECT_EQ(toolkit::InvalidIntegerMessage(QStringLiteral("x")),
              QStringLiteral("'x' is not a valid integer value"));
}
