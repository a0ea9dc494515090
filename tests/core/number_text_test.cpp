#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <vector>

#include "core/number_text.h"

namespace {

struct Separator {
    const char* sep;
};

class NumberTextTest : public ::testing::TestWithParam<Separator> {
protected:
    std::string sep() const { return GetParam().sep; }
    // Writes the expected text with the separator under test in place of ".".
    std::string L(std::string text) const
    {
        for (std::size_t p = text.find('.'); p != std::string::npos; p = text.find('.', p + sep().size()))
            text.replace(p, 1, sep());
        return text;
    }
    std::string Fixed(long double v, int decimals = 3) const { return FormatFixed(v, 5, decimals, sep()); }
    std::string General(long double v, int precision = 5) const { return FormatGeneral(v, precision, sep()); }
};

TEST_P(NumberTextTest, FixedFormatExamples)
{
    EXPECT_EQ(Fixed(2.5L), L("2.500"));
    EXPECT_EQ(Fixed(1234.5678L), L("1234.600"));
    EXPECT_EQ(Fixed(12345.678L), L("12346.000"));
    EXPECT_EQ(Fixed(123456.7L), L("1.2346E5"));
    EXPECT_EQ(Fixed(99999.7L), "1E5");
    EXPECT_EQ(Fixed(0.0006L), L("0.001"));
    EXPECT_EQ(Fixed(-0.0004L), L("0.000"));
    EXPECT_EQ(Fixed(-0.0006L), L("-0.001"));
    EXPECT_EQ(Fixed(2.5L, 0), "3");
}

TEST_P(NumberTextTest, FixedFormatEdges)
{
    EXPECT_EQ(Fixed(123456.7L, 0), L("1.2346E5"));
    EXPECT_EQ(Fixed(123456.7L, 18), L("1.2346E5"));
    EXPECT_EQ(Fixed(0), L("0.000"));
    EXPECT_EQ(Fixed(-0.0L), L("0.000"));
    EXPECT_EQ(Fixed(0.00004L), L("0.000"));
    EXPECT_EQ(Fixed(0.6L, 0), "1");
    EXPECT_EQ(Fixed(0.4L, 0), "0");
    EXPECT_EQ(Fixed(-2.5L, 0), "-3");
    EXPECT_EQ(Fixed(9.9996L), L("10.000"));
    EXPECT_EQ(Fixed(-0.026L), L("-0.026"));
    // Decimals above 18 show as 18; precision is held within 2..18.
    EXPECT_EQ(FormatFixed(0.5L, 5, 19, sep()), FormatFixed(0.5L, 5, 18, sep()));
    EXPECT_EQ(FormatFixed(1.25L, 0, 3, sep()), L("1.300"));
    EXPECT_EQ(FormatFixed(-123.0L, 2, 1, sep()), L("-1.2E2"));
    EXPECT_EQ(FormatFixed(1e-20L, 5, 18, sep()), L("0.000000000000000000"));
}

TEST_P(NumberTextTest, GeneralFormatExamples)
{
    EXPECT_EQ(General(2), "2");
    EXPECT_EQ(General(1.5L), L("1.5"));
    EXPECT_EQ(General(-0.25L), L("-0.25"));
    EXPECT_EQ(General(0.0001L), L("0.0001"));
    EXPECT_EQ(General(0.00001234L), L("1.234E-5"));
    EXPECT_EQ(General(12345), "12345");
    EXPECT_EQ(General(123456), L("1.2346E5"));
    EXPECT_EQ(General(0), "0");
    EXPECT_EQ(General(0.000012345L), L("1.2345E-5"));
    EXPECT_EQ(General(-0.014285714285714L), L("-0.014286"));
    EXPECT_EQ(General(100000), "1E5");
}

TEST_P(NumberTextTest, GeneralFormatOfStoredDoublesAtFifteenDigits)
{
    EXPECT_EQ(General(0.1, 15), L("0.1"));
    EXPECT_EQ(General(1.95, 15), L("1.95"));
    EXPECT_EQ(General(0.05, 15), L("0.05"));
    EXPECT_EQ(General(1.50, 15), L("1.5"));
    EXPECT_EQ(General(1.0 / 3.0, 15), L("0.333333333333333"));
    EXPECT_EQ(General(1e300, 15), "1E300");
    EXPECT_EQ(General(5e-324, 15), L("4.94065645841247E-324"));
}

// Stored doubles whose decimal texts end on a 5 lie just below it; the
// shown digits round down.
TEST_P(NumberTextTest, DoublesJustBelowAShownTieRoundDown)
{
    EXPECT_EQ(General(8.964684293660385, 15), L("8.96468429366038"));
    EXPECT_EQ(FormatFixed(0.00203265, 5, 7, sep()), L("0.0020326"));
    EXPECT_EQ(General(0.00883485), L("0.0088348"));
    EXPECT_EQ(General(-0.00883485), L("-0.0088348"));
    EXPECT_EQ(FormatFixed(1.005, 5, 2, sep()), L("1.00"));
}

// Exact decimal ties of the stored value still round half-up, away from zero.
TEST_P(NumberTextTest, ExactTiesRoundHalfUp)
{
    EXPECT_EQ(Fixed(0.0625L), L("0.063"));
    EXPECT_EQ(Fixed(-0.0625L), L("-0.063"));
    EXPECT_EQ(General(1.125L, 3), L("1.13"));
    EXPECT_EQ(General(123456789012345678.5L, 18), "123456789012345678");
}

TEST_P(NumberTextTest, ParseAcceptsTheNumberForms)
{
    EXPECT_EQ(*ParseNumber(L(" 12.5 "), sep()), 12.5L);
    EXPECT_EQ(*ParseNumber("1e3", sep()), 1000.0L);
    EXPECT_EQ(*ParseNumber(L("."), sep()), 0.0L);
    EXPECT_EQ(*ParseNumber(L("-.5"), sep()), -0.5L);
    EXPECT_EQ(*ParseNumber(L("5."), sep()), 5.0L);
    EXPECT_EQ(*ParseNumber("+7", sep()), 7.0L);
    EXPECT_EQ(*ParseNumber("2E", sep()), 2.0L);
    EXPECT_EQ(*ParseNumber("2e-", sep()), 2.0L);
    EXPECT_EQ(*ParseNumber(L("1.5E+2"), sep()), 150.0L);
    EXPECT_EQ(static_cast<double>(*ParseNumber(L("0.1"), sep())), 0.1);
}

// Every text reads as strtold reads it, to the last bit: short ones by
// integer arithmetic, the others by the library.
TEST_P(NumberTextTest, ParseRoundsAsTheLibraryDoes)
{
    std::vector<std::string> texts = {"9007199254740993", "18446744073709551615", "18446744073709551616",
                                      "1234567890123456789e-27", "1234567890123456789e-28", "3e27", "3e28",
                                      "-0", "0.000", "-0.0e5", "00000000000000000000000000012.5", "7e-0004"};
    std::srand(19);
    for (int i = 0; i < 3000; ++i) {
        std::string t = std::rand() % 2 ? "-" : "";
        for (int d = std::rand() % 22; d >= 0; --d)
            t += static_cast<char>('0' + std::rand() % 10);
        t.insert(std::rand() % t.size() + (t[0] == '-'), ".");
        texts.push_back(t + (std::rand() % 3 ? "" : "e" + std::to_string(std::rand() % 61 - 30)));
    }
    const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    for (const std::string& text : texts) {
        const long double expected = strtold_l(text.c_str(), nullptr, c);
        const long double got = *ParseNumber(L(text), sep());
        EXPECT_TRUE(got == expected && std::signbit(got) == std::signbit(expected)) << text;
    }
    freelocale(c);
}

TEST_P(NumberTextTest, ParseRejectsEverythingElse)
{
    for (const char* bad : {"", " ", "-", "+", "12,5x", "1 2", "e5", "--1", "1e5x", "\t1", "1e99999", "0x10"})
        EXPECT_FALSE(ParseNumber(bad, sep()).has_value()) << '"' << bad << '"';
    const std::string other = sep() == "." ? "1,5" : "1.5";
    EXPECT_FALSE(ParseNumber(other, sep()).has_value());
}

TEST_P(NumberTextTest, LongestTextsKeepEveryDigit)
{
    EXPECT_EQ(FormatFixed(-123456789012345678.0L, 18, 18, sep()), L("-123456789012345678.000000000000000000"));
    EXPECT_EQ(FormatFixed(0.000123456789012345678L, 18, 18, sep()), L("0.000123456789012346"));
    EXPECT_EQ(General(0.000123456789012345678L, 18), L("0.000123456789012345678"));
    EXPECT_EQ(General(-1.23456789012345678e-30L, 18), L("-1.23456789012345678E-30"));
    EXPECT_EQ(General(123456789012345678.0L, 18), "123456789012345678");
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextTest, ::testing::Values(Separator{"."}, Separator{","}),
                         [](const auto& info) { return std::string(info.param.sep) == "." ? "Point" : "Comma"; });

TEST(ParseNumberOrThrow, NamesTheText)
{
    try {
        ParseNumberOrThrow("abc", ".");
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
        EXPECT_EQ(e.BoxText(), "'abc' is not a valid floating point value.");
    }
    try {
        ParseNumberOrThrow("", ".");
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

// A separator of several bytes, as a UTF-8 locale may have.
TEST(NumberText, SeparatorOfSeveralBytes)
{
    EXPECT_EQ(FormatFixed(1.5L, 5, 3, "\u066B"), "1\u066B500");
    EXPECT_EQ(FormatGeneral(-0.25L, 5, "\u066B"), "-0\u066B25");
    EXPECT_EQ(FormatGeneral(123456.0L, 5, "\u066B"), "1\u066B2346E5");
    EXPECT_EQ(*ParseNumber("2\u066B5", "\u066B"), 2.5L);
}

TEST(AddLeadingZero, OnlyALeadingPoint)
{
    EXPECT_EQ(AddLeadingZero(".5"), "0.5");
    EXPECT_EQ(AddLeadingZero(",5"), ",5");
    EXPECT_EQ(AddLeadingZero("0.5"), "0.5");
    EXPECT_EQ(AddLeadingZero("-.5"), "-.5");
    EXPECT_EQ(AddLeadingZero(""), "");
}

TEST(ParseInteger, WholeNumbersOfThirtyTwoBits)
{
    EXPECT_EQ(ParseInteger("5"), 5);
    EXPECT_EQ(ParseInteger("  -12"), -12);
    EXPECT_EQ(ParseInteger("+3"), 3);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "5 ", "1.5", "abc", "2147483648", "99999999999999999999"}) {
        try {
            ParseInteger(bad);
            ADD_FAILURE() << bad;
        } catch (const RunError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

}  // namespace

namespace {

// Values just below a power of ten keep all 18 nines: the decade is found
// from below, never settled one decade too high.
TEST(FormatGeneral, EighteenNinesBelowEveryPowerOfTen)
{
    for (int n = -300; n <= 300; ++n) {
        const std::string text = "0.999999999999999999e" + std::to_string(n);
        const long double value = std::strtold(text.c_str(), nullptr);
        const std::string written = FormatGeneral(value, 18, ".");
        std::string digits;
        for (const char c : written.substr(0, written.find('E')))
            if (c != '.')
                digits += c;
        EXPECT_NE(digits.find("999999999999999999"), std::string::npos) << text << " gave " << written;
    }
}

}  // namespace
