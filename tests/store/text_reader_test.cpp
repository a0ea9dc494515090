#include <gtest/gtest.h>

#include <string>

#include "store/text_reader.h"

using namespace std::string_literals;

TEST(TextReader, LinesEndAtCrWithOneOptionalLf)
{
    const std::string bytes = "a\r\nb\rc\nd\r\n\r\ne\r\r\nf";
    TextReader r(bytes);
    EXPECT_EQ(r.ReadLine(), "a");
    EXPECT_EQ(r.ReadLine(), "b");
    EXPECT_EQ(r.ReadLine(), "c\nd");  // a lone LF is no line end
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_EQ(r.ReadLine(), "e");
    EXPECT_EQ(r.ReadLine(), "");  // CR, then CR LF
    EXPECT_FALSE(r.AtEnd());
    EXPECT_EQ(r.ReadLine(), "f");  // last line without line end
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.ReadLine(), "");  // at the end: an empty line
    EXPECT_TRUE(r.AtEnd());
}

TEST(TextReader, CtrlZEndsTheText)
{
    const std::string bytes = "one\r\ntw\x1Ao\r\nthree";
    TextReader r(bytes);
    r.ReadLine();
    EXPECT_EQ(r.ReadLine(), "tw");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_TRUE(r.SkipBlanks());
}

TEST(TextReader, SkipBlanksPassesEveryControlByteAndEmptyLines)
{
    const std::string bytes = " \t\r\n\r\n\x01\x1F\n  x y"s;
    TextReader r(bytes);
    EXPECT_FALSE(r.SkipBlanks());
    EXPECT_EQ(r.ReadLine(), "x y");
    EXPECT_TRUE(r.SkipBlanks());
    const std::string nul = std::string("\0\0 ", 3);
    TextReader onlyBlanks(nul);
    EXPECT_TRUE(onlyBlanks.SkipBlanks());
}

TEST(TextReader, NumbersTakeTheFirstTokenAndDiscardTheRestOfTheLine)
{
    const std::string bytes = "\r\n  \r\n\t0.05000000       Погрешность\r\n3 trailing words\r\n-2.5e1x\r\n7";
    TextReader r(bytes);
    EXPECT_DOUBLE_EQ(r.ReadRealLine(), 0.05);
    EXPECT_EQ(r.ReadIntegerLine(), 3);
    EXPECT_DOUBLE_EQ(r.ReadRealLine(), 0);  // "-2.5e1x" does not convert
    EXPECT_EQ(r.ReadIntegerLine(), 7);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.ReadRealLine(), 0);  // at the end
    EXPECT_EQ(r.ReadIntegerLine(), 0);
}

TEST(TextReader, TokensAreCutAtTheirLengthLimit)
{
    // 64 characters of a real are taken; the 65th byte is discarded with the
    // rest of the line, so the value is the 64 digits.
    const std::string digits64(64, '1');
    const std::string bytes = digits64 + "9\r\n" + std::string(32, '0') + "5\r\n4";
    TextReader r(bytes);
    EXPECT_DOUBLE_EQ(r.ReadRealLine(), std::stod(digits64));
    EXPECT_EQ(r.ReadIntegerLine(), 0);  // 32 zeros: the 5 is cut off
    EXPECT_EQ(r.ReadIntegerLine(), 4);
}

TEST(TextReader, ANumberEndsAtAnyControlByteButTheLineAtCr)
{
    // The lone LF ends the token but not the line, so the next number is
    // discarded with it.
    const std::string bytes = "12\n34\r\n56";
    TextReader r(bytes);
    EXPECT_EQ(r.ReadIntegerLine(), 12);
    EXPECT_EQ(r.ReadIntegerLine(), 56);
}

// The end of a token is found eight bytes at a time: a blank at every
// place in a word ends it there, and a byte above 127 is no blank.
TEST(TextReader, ATokenEndsAtItsFirstBlankWhereverItLies)
{
    for (std::size_t digits = 1; digits <= 20; ++digits)
        for (const char blank : {' ', '\t', '\0', '\x1f', '\r'}) {
            const std::string token = "1" + std::string(digits - 1, '0');
            const std::string line = token + blank + "9 \xcf\r\n";
            TextReader r(line);
            EXPECT_DOUBLE_EQ(r.ReadRealLine(), std::stod(token)) << digits << " " << int(blank);
            const std::string gluedLine = token + "\xcf" + blank + "\r\n";
            TextReader glued(gluedLine);
            EXPECT_EQ(glued.ReadRealLine(), 0) << digits;
        }
}
