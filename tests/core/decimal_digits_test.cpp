#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/decimal_digits.h"

namespace {

// The exact decimal expansion of a binary value, |value| = 0.digits × 10^exponent
// without trailing zeros, worked out with a big integer in base 10^9.
struct Expansion {
    std::string digits;
    int exponent = 0;
};

class BigInteger {
public:
    explicit BigInteger(std::uint64_t value)
    {
        for (; value > 0; value /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
    }
    void MultiplyBy(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry > 0; carry /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
    }
    // factor^count, in steps small enough for 32-bit factors.
    void MultiplyByPower(std::uint32_t factor, int count, std::uint32_t step, int stepCount)
    {
        for (; count >= stepCount; count -= stepCount)
            MultiplyBy(step);
        for (; count > 0; --count)
            MultiplyBy(factor);
    }
    std::string Decimal() const
    {
        std::string text = std::to_string(limbs_.back());
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text += std::string(9 - part.size(), '0') + part;
        }
        return text;
    }

private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

Expansion Exact(long double value)
{
    int binary;
    const long double fraction = std::frexp(std::fabs(value), &binary);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    int power = binary - 64;  // |value| = significand × 2^power
    BigInteger n(significand);
    int shift = 0;  // |value| = n × 10^shift
    if (power >= 0) {
        n.MultiplyByPower(2, power, 1u << 29, 29);
    } else {
        n.MultiplyByPower(5, -power, 1220703125u, 13);
        shift = power;
    }
    Expansion e;
    e.digits = n.Decimal();
    e.exponent = static_cast<int>(e.digits.size()) + shift;
    e.digits.erase(e.digits.find_last_not_of('0') + 1);
    return e;
}

// 18 significant digits rounded to nearest, ties to even, trailing zeros
// dropped.
Expansion RoundedTo18(Expansion e)
{
    if (e.digits.size() > 18) {
        const std::string rest = e.digits.substr(18);
        e.digits.resize(18);
        const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string::npos;
        const bool up = rest[0] > '5' || (rest[0] == '5' && (beyondHalf || (e.digits.back() - '0') % 2 == 1));
        if (up) {
            int i = 17;
            for (; i >= 0 && e.digits[i] == '9'; --i)
                e.digits[i] = '0';
            if (i < 0) {
                e.digits = "1";
                ++e.exponent;
            } else {
                ++e.digits[i];
            }
        }
    }
    e.digits.erase(e.digits.find_last_not_of('0') + 1);
    return e;
}

void ExpectExactDigits(long double value)
{
    const Expansion expected = RoundedTo18(Exact(value));
    DecimalDigits d(value);
    d.Round(18);
    ASSERT_EQ(std::string(d.Digits(), d.Count()), expected.digits) << std::hexfloat << value;
    ASSERT_EQ(d.Exponent(), expected.exponent) << std::hexfloat << value;
    ASSERT_EQ(d.Negative(), value < 0) << std::hexfloat << value;
}

long double Parse(const std::string& text) { return std::strtold(text.c_str(), nullptr); }

TEST(DecimalDigits, TheReferenceExpandsBinaryValuesExactly)
{
    EXPECT_EQ(Exact(0.00883485).digits, "883484999999999999487076962623177678324282169342041015625");
    EXPECT_EQ(Exact(0.00883485).exponent, -2);
    EXPECT_EQ(Exact(0x1p70L).digits, "1180591620717411303424");
    const Expansion tie = RoundedTo18(Exact(123456789012345678.5L));
    EXPECT_EQ(tie.digits, "123456789012345678");
    EXPECT_EQ(RoundedTo18(Exact(999999999999999999.5L)).digits, "1");
    EXPECT_EQ(RoundedTo18(Exact(999999999999999999.5L)).exponent, 19);
}

// Values whose shown digits end on a 5: the stored double lies a little
// above or below the tie, and the 18 digits must say which.
TEST(DecimalDigits, StoredDoublesNearAShownTie)
{
    for (const double v : {0.00883485, 8.964684293660385, 0.00203265, 0.015, 2.675, 1.005, 1e23, 5e-324})
        ExpectExactDigits(v);
    std::mt19937_64 random(11);
    for (int i = 0; i < 60000; ++i) {
        const int length = 1 + static_cast<int>(random() % 16);
        std::string text = std::to_string(random() % 1000000000000000ULL);
        text = text.substr(0, static_cast<std::size_t>(length)) + "5e" + std::to_string(static_cast<int>(random() % 40) - 25);
        const long double v = static_cast<double>(Parse(text));
        ExpectExactDigits(v);
        ExpectExactDigits(-v);
    }
}

// Extended values within 1e-19 (relative) of a tie between two 18-digit
// decimals, and exact ties, which round to the even digit.
TEST(DecimalDigits, ExtendedValuesAtEighteenDigitTies)
{
    ExpectExactDigits(123456789012345678.5L);
    ExpectExactDigits(123456789012345677.5L);
    ExpectExactDigits(999999999999999999.5L);
    ExpectExactDigits(0.5L);
    std::mt19937_64 random(18);
    for (int i = 0; i < 40000; ++i) {
        const std::uint64_t digits = 100000000000000000ULL + random() % 900000000000000000ULL;
        const int exponent = static_cast<int>(random() % 70) - 45;
        long double v = Parse(std::to_string(digits) + "5e" + std::to_string(exponent));
        for (int step = 0; step < 2; ++step)
            v = std::nextafter(v, 0.0L);
        for (int step = 0; step < 5; ++step, v = std::nextafter(v, HUGE_VALL))
            ExpectExactDigits(v);
    }
}

TEST(DecimalDigits, RandomExtendedSignificandsAcrossLabMagnitudes)
{
    std::mt19937_64 random(80);
    for (int i = 0; i < 200000; ++i) {
        const auto significand = static_cast<long double>(random() | (1ULL << 63));
        const int power = static_cast<int>(random() % 187) - 170;  // about 1e-32 .. 1e24
        ExpectExactDigits(std::ldexp(significand, power));
    }
}

TEST(DecimalDigits, RandomValuesOverTheWholeRange)
{
    std::mt19937_64 random(64);
    for (int i = 0; i < 3000; ++i) {
        std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v) && v != 0)
            ExpectExactDigits(v);
    }
    for (int i = 0; i < 60; ++i) {
        const auto significand = static_cast<long double>(random() | (1ULL << 63));
        ExpectExactDigits(std::ldexp(significand, static_cast<int>(random() % 32000) - 16000));
    }
    ExpectExactDigits(std::numeric_limits<long double>::denorm_min());
    ExpectExactDigits(std::numeric_limits<long double>::min());
    ExpectExactDigits(std::numeric_limits<long double>::max());
}

TEST(DecimalDigits, PowersOfTenAndTheirNeighbours)
{
    for (int n = -40; n <= 40; ++n) {
        const long double p = Parse("1e" + std::to_string(n));
        ExpectExactDigits(p);
        ExpectExactDigits(std::nextafter(p, 0.0L));
        ExpectExactDigits(std::nextafter(p, HUGE_VALL));
    }
}

TEST(DecimalDigits, ZeroAndNonFiniteValuesHaveNoDigits)
{
    for (const long double v : {0.0L, -0.0L, HUGE_VALL, -HUGE_VALL, std::numeric_limits<long double>::quiet_NaN()}) {
        DecimalDigits d(v);
        d.Round(18);
        EXPECT_TRUE(d.IsZero());
        EXPECT_FALSE(d.Negative());
    }
}

}  // namespace
