#include "decimal_digits.h"

#include <cmath>
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

// 10^k; exact up to 10^27 in extended precision.
Extended Pow10(int k)
{
    static const Extended table[] = {
        1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
        1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
        1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
    if (k >= 0 && k <= 27)
        return table[k];
    return std::pow(10.0L, static_cast<Extended>(k));
}

// value × 10^k with as few roundings as possible.
Extended Scale(Extended value, int k)
{
    if (k > 27)
        return Scale(value * Pow10(27), k - 27);
    if (k < -27)
        return Scale(value / Pow10(27), k + 27);
    return k >= 0 ? value * Pow10(k) : value / Pow10(-k);
}

// The integer nearest to a value in [0, 2^63), in the current (nearest)
// rounding mode of the extended unit.
std::uint64_t NearestInteger(Extended value)
{
    static_assert(std::numeric_limits<Extended>::digits == 64, "80-bit extended precision expected");
    return static_cast<std::uint64_t>(__builtin_llrintl(value));
}

// floor(log10(2) * k), or one less, for the binary exponents of extended
// values: never more, so that the decade is always found from below and a
// value just under a power of ten keeps its 18 digits.
int DecimalExponentEstimate(int k)
{
    const long long factor = k >= 0 ? 78913 : 78914;  // just below / above log10(2) * 2^18
    return static_cast<int>((static_cast<long long>(k) * factor) >> 18);
}

// The sign bit and the biased binary exponent of the extended format.
unsigned SignAndExponent(Extended value)
{
    std::uint16_t field;
    std::memcpy(&field, reinterpret_cast<const char*>(&value) + 8, sizeof field);
    return field;
}

}  // namespace

DecimalDigits::DecimalDigits(Extended value)
{
    const unsigned field = SignAndExponent(value);
    const unsigned biased = field & 0x7FFF;
    if (value == 0 || biased == 0x7FFF)
        return;
    negative_ = (field & 0x8000) != 0;
    const Extended magnitude = std::fabs(value);

    // The loop walks the estimate up to the right decade; only a denormal,
    // whose biased exponent overstates it, walks down.
    int e = DecimalExponentEstimate(static_cast<int>(biased) - 16383) + 1;
    for (;;) {
        const Extended scaled = Scale(magnitude, kDigits - e);
        if (scaled >= static_cast<Extended>(kPow10[kDigits])) {
            ++e;
            continue;
        }
        const std::uint64_t n = NearestInteger(scaled);
        if (n >= kPow10[kDigits]) {
            ++e;
        } else if (n < kPow10[kDigits - 1]) {
            --e;
        } else {
            digits_ = n;
            break;
        }
    }
    count_ = kDigits;
    exponent_ = e;
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
