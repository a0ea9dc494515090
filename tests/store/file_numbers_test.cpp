#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <limits>

#include "store/file_numbers.h"

TEST(FileNumbers, RealTokens)
{
    EXPECT_DOUBLE_EQ(RealFromToken("0.05000000"), 0.05);
    EXPECT_DOUBLE_EQ(RealFromToken("+20"), 20);
    EXPECT_DOUBLE_EQ(RealFromToken("-1.5"), -1.5);
    EXPECT_DOUBLE_EQ(RealFromToken("5."), 5);
    EXPECT_DOUBLE_EQ(RealFromToken(".5"), 0.5);
    EXPECT_DOUBLE_EQ(RealFromToken("1E3"), 1000);
    EXPECT_DOUBLE_EQ(RealFromToken("25e-1"), 2.5);
    EXPECT_DOUBLE_EQ(RealFromToken("1.00000000e+40"), 1e40);
}

TEST(FileNumbers, RealTokensThatDoNotConvertReadAsZero)
{
    for (const char* bad : {"", "0,05", ".", "-", "1e", "1e+", "1.2.3", "abc", "--1", "1-", "inf", "nan",
                            "0x10", "1e999", "-1e999", "12abc", "+-1", "-+1", "infinity", "+nan", "5e", "5e1.5"})
        EXPECT_EQ(RealFromToken(bad), 0) << bad;
}

// Plain decimals of every length around the 15 digits that are read
// without the library, with and without a sign and a point anywhere, read
// to the very double the library reads.
TEST(FileNumbers, PlainDecimalsReadAsTheLibraryReadsThem)
{
    std::mt19937_64 random(19);
    for (int i = 0; i < 100000; ++i) {
        std::string token = random() % 2 ? "-" : "";
        const auto digits = static_cast<std::size_t>(1 + random() % 18);
        std::string number;
        for (std::size_t d = 0; d < digits; ++d)
            number += static_cast<char>('0' + random() % 10);
        const std::size_t point = random() % (digits + 2);
        if (point <= digits)
            number.insert(point, ".");
        token += number;
        double expected = 0;
        std::from_chars(number.data(), number.data() + number.size(), expected);
        if (token.front() == '-')
            expected = -expected;
        const double got = RealFromToken(token);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << token;
    }
}

TEST(FileNumbers, IntegerTokens)
{
    EXPECT_EQ(IntegerFromToken("3"), 3);
    EXPECT_EQ(IntegerFromToken("+65537"), 65537);
    EXPECT_EQ(IntegerFromToken("-1"), -1);
    EXPECT_EQ(IntegerFromToken("2147483647"), 2147483647);
    for (const char* bad : {"", "3.0", "1e3", "2147483648", "-2147483649", "x", "+", "5x"})
        EXPECT_EQ(IntegerFromToken(bad), 0) << bad;
}

TEST(FileNumbers, RealTextHasEightDecimalsAndAPoint)
{
    EXPECT_EQ(RealText(0.05), "0.05000000");
    EXPECT_EQ(RealText(20), "20.00000000");
    EXPECT_EQ(RealText(-1.5), "-1.50000000");
    EXPECT_EQ(RealText(0.012), "0.01200000");
    EXPECT_EQ(RealText(1.0 / 3), "0.33333333");
    EXPECT_EQ(RealText(2.0 / 3), "0.66666667");
    EXPECT_EQ(RealText(123456789.123456789), "123456789.12345679");
    EXPECT_EQ(RealText(1e22), "10000000000000000000000.00000000");
}

TEST(FileNumbers, HugeRealsUseAnExponentAndReadBack)
{
    EXPECT_EQ(RealText(1e36), "1.00000000e+36");
    EXPECT_EQ(RealText(-2.5e300), "-2.50000000e+300");
    const double max = std::numeric_limits<double>::max();
    EXPECT_LE(RealText(max).size(), 64u);
    EXPECT_NEAR(RealFromToken(RealText(max)) / max, 1, 1e-8);
    EXPECT_DOUBLE_EQ(RealFromToken(RealText(-3.25e36)), -3.25e36);
}
