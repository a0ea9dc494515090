#include "decimal_digits.h"

#include <charconv>
#include <cstring>

namespace {

constexpr int kDigits = 18;

constexpr std::uint64_t kPow10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL};

using Wide = unsigned __int128;

// 5^k for k = 0..55, the powers that fit in 128 bits.
constexpr int kMaxPow5 = 55;
struct Pow5Table {
    Wide value[kMaxPow5 + 1];
    constexpr Pow5Table() : value()
    {
        value[0] = 1;
        for (int k = 1; k <= kMaxPow5; ++k)
            value[k] = value[k - 1] * 5;
    }
};
constexpr Pow5Table kPow5;

// A binary value as its whole part, its first bit after the point, and
// whether any later bit is set.
struct ScaledProduct {
    std::uint64_t whole;
    bool halfBit;
    bool beyondHalf;
};

// top × 2^-shift, with below telling whether bits under top were dropped.
ScaledProduct Split(Wide top, bool below, int shift)
{
    if (shift == 0)
        return {static_cast<std::uint64_t>(top), false, below};
    const Wide rest = top & ((static_cast<Wide>(1) << shift) - 1);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    return {static_cast<std::uint64_t>(top >> shift), rest >= half, below || (rest & (half - 1)) != 0};
}

// a × b × 2^-shift for a 64-bit a and a 128-bit b, exact; the whole part
// must fit in 64 bits.
ScaledProduct Scale(std::uint64_t a, Wide b, int shift)
{
    if ((b >> 64) == 0)
        return Split(static_cast<Wide>(a) * static_cast<std::uint64_t>(b), false, shift);
    const Wide low = static_cast<Wide>(a) * static_cast<std::uint64_t>(b);
    const Wide high = static_cast<Wide>(a) * static_cast<std::uint64_t>(b >> 64) + (low >> 64);
    // The product is high × 2^64 + the low word; past 64 bits of shift the
    // low word lies wholly below the half bit.
    if (shift > 64)
        return Split(high, static_cast<std::uint64_t>(low) != 0, shift - 64);
    return Split((high << 64) | static_cast<std::uint64_t>(low), false, shift);
}

// The fields of an 80-bit extended value: the 64-bit significand with its
// explicit leading bit, then the sign bit with the biased binary exponent.
struct ExtendedFields {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

ExtendedFields Fields(const Extended& value)
{
    static_assert(std::numeric_limits<Extended>::digits == 64, "80-bit extended precision expected");
    ExtendedFields f;
    std::memcpy(&f.significand, &value, sizeof f.significand);
    std::memcpy(&f.signAndExponent, reinterpret_cast<const char*>(&value) + sizeof f.significand,
                sizeof f.signAndExponent);
    return f;
}

// floor(log10(2) * k) for |k| up to 1650.
int FloorLog10Pow2(int k) { return static_cast<int>((static_cast<long long>(k) * 78913) >> 18); }

// The decimal exponents whose 18-digit scaling needs powers of five that fit
// in 128 bits, handled exactly with integers.
constexpr int kLowestExactExponent = kDigits - kMaxPow5;
constexpr int kHighestExactExponent = kDigits - 1;

}  // namespace

DecimalDigits::DecimalDigits(const Extended& value)
{
    const ExtendedFields f = Fields(value);
    const int biased = static_cast<int>(f.signAndExponent & 0x7FFF);
    if ((biased == 0 && f.significand == 0) || biased == 0x7FFF)
        return;
    negative_ = (f.signAndExponent & 0x8000) != 0;
    count_ = kDigits;

    // |value| lies in [2^binary, 2^(binary+1)), so its decade is this
    // estimate or the next one.
    const int binary = biased - 16383;
    const int estimate = FloorLog10Pow2(binary) + 1;
    if (biased == 0 || estimate < kLowestExactExponent || estimate > kHighestExactExponent)
        FromLibrary(value);
    else
        FromSignificand(f.significand, binary - 63, estimate);
}

// |value| = significand × 2^power. With k = 18 − e the scaled value
// |value| × 10^k = significand × 5^k × 2^(power + k) is an exact 192-bit
// product shifted right, rounded to nearest with ties to even. When e is one
// decade low the whole part has 19 digits and its last one joins the
// fraction.
void DecimalDigits::FromSignificand(std::uint64_t significand, int power, int e)
{
    const int k = kDigits - e;
    const ScaledProduct scaled = Scale(significand, kPow5.value[k], -(power + k));
    std::uint64_t n = scaled.whole;
    bool up;
    if (n >= kPow10[kDigits]) {
        const std::uint64_t last = n % 10;
        n /= 10;
        ++e;
        up = last > 5 || (last == 5 && (scaled.halfBit || scaled.beyondHalf || (n & 1) != 0));
    } else {
        up = scaled.halfBit && ((n & 1) != 0 || scaled.beyondHalf);
    }
    if (up && ++n == kPow10[kDigits]) {
        n = kPow10[kDigits - 1];
        ++e;
    }
    digits_ = n;
    exponent_ = e;
}

// Values beyond the exact range, and denormals, take the standard library's
// correctly rounded scientific form d.ddddddddddddddddde±x.
void DecimalDigits::FromLibrary(Extended value)
{
    char text[40];
    const Extended magnitude = value < 0 ? -value : value;
    const char* end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kDigits - 1).ptr;
    std::uint64_t n = 0;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            n = n * 10 + static_cast<std::uint64_t>(*p - '0');
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    digits_ = n;
    exponent_ = exponent + 1;
}

void DecimalDigits::Round(int n)
{
    if (count_ > 0 && n < count_) {
        if (n < 0) {
            digits_ = 0;
            count_ = 0;
        } else {
            const std::uint64_t unit = kPow10[count_ - n];
            const std::uint64_t kept = digits_ / unit;
            const bool up = digits_ - kept * unit >= unit / 2;
            digits_ = kept;
            count_ = n;
            if (up) {
                ++digits_;
                if (digits_ == kPow10[n]) {
                    digits_ = 1;
                    count_ = 1;
                    ++exponent_;
                }
            }
        }
    }
    Normalize();
}

void DecimalDigits::Normalize()
{
    while (count_ > 0 && digits_ % 10 == 0) {
        digits_ /= 10;
        --count_;
    }
    if (count_ == 0) {
        negative_ = false;
        exponent_ = 0;
        return;
    }
    std::uint64_t d = digits_;
    for (int i = count_ - 1; i >= 0; --i) {
        text_[i] = static_cast<char>('0' + d % 10);
        d /= 10;
    }
}
