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

// 5^k for k = 0..27, the powers that fit in 64 bits.
constexpr int kMaxPow5 = 27;
struct Pow5Table {
    std::uint64_t value[kMaxPow5 + 1];
    constexpr Pow5Table() : value()
    {
        value[0] = 1;
        for (int k = 1; k <= kMaxPow5; ++k)
            value[k] = value[k - 1] * 5;
    }
};
constexpr Pow5Table kPow5;

// The fields of an 80-bit extended value: the sign bit with the biased
// binary exponent, and the 64-bit significand with its explicit leading bit.
struct ExtendedFields {
    unsigned signAndExponent;
    std::uint64_t significand;
};

ExtendedFields Fields(Extended value)
{
    static_assert(std::numeric_limits<Extended>::digits == 64, "80-bit extended precision expected");
    std::uint16_t top;
    std::uint64_t significand;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&top, reinterpret_cast<const char*>(&value) + 8, sizeof top);
    return {top, significand};
}

// floor(log10(2) * k) for |k| up to 1650.
int FloorLog10Pow2(int k) { return static_cast<int>((static_cast<long long>(k) * 78913) >> 18); }

// The decimal exponents whose 18-digit scaling keeps within 64-bit powers
// of five, handled exactly with 128-bit integers.
constexpr int kLowestExactExponent = kDigits - kMaxPow5;
constexpr int kHighestExactExponent = kDigits - 1;

}  // namespace

DecimalDigits::DecimalDigits(Extended value)
{
    const ExtendedFields f = Fields(value);
    const int biased = static_cast<int>(f.signAndExponent & 0x7FFF);
    if (value == 0 || biased == 0x7FFF)
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
// |value| × 10^k = significand × 5^k × 2^(power + k) is an exact 128-bit
// product shifted right, rounded to nearest with ties to even.
void DecimalDigits::FromSignificand(std::uint64_t significand, int power, int e)
{
    for (;; ++e) {
        const int k = kDigits - e;
        const Wide product = static_cast<Wide>(significand) * kPow5.value[k];
        const int shift = -(power + k);
        const Wide whole = product >> shift;
        if (whole >= kPow10[kDigits])
            continue;
        std::uint64_t n = static_cast<std::uint64_t>(whole);
        if (shift > 0) {
            const Wide rest = product - (whole << shift);
            const Wide half = static_cast<Wide>(1) << (shift - 1);
            if (rest > half || (rest == half && (n & 1) != 0))
                ++n;
        }
        if (n == kPow10[kDigits]) {
            n = kPow10[kDigits - 1];
            ++e;
        }
        digits_ = n;
        exponent_ = e;
        return;
    }
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
