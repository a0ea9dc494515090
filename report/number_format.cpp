#include "report/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "core/number_text.h"
#include "core/powers_of_ten.h"

namespace {

constexpr int kExactDigits = 17;
constexpr int kShortDigits = 10;

__extension__ typedef unsigned __int128 Wide;

// The magnitudes whose 17 digits are found here with integers: their
// significand times a power of ten of at most 10^21 fits 128 bits, and %.17g
// writes them without an exponent. The others go to the library.
constexpr double kLeastFixed = 1e-4;
constexpr double kBeyondFixed = 1e15;
constexpr std::uint64_t kLeast17Digits = 10000000000000000;
// The digits are copied in blocks of this size, more than come before or
// after the point; a text takes up to a block more than its length.
constexpr std::size_t kBlock = kExactDigits;
constexpr std::size_t kMostWholeDigits = 15;  // below kBeyondFixed
static_assert(kExactNumberRoom >= 1 + kMostWholeDigits + 1 + kBlock, "sign, whole digits, point and a block");

constexpr int kMostPowerOfTen = 21;

constexpr PowersOfTen<Wide, kMostPowerOfTen> kPowersOfTen;

// The powers of ten that bound the decades of the range, as doubles.
constexpr int kLeastDecade = -4;
constexpr double kDecades[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,  1e2,  1e3,  1e4,  1e5,
                               1e6,  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// "00" "01" .. "99".
struct DigitPairs {
    char text[200] = {};
    constexpr DigitPairs()
    {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr DigitPairs kDigitPairs;

// The 17 significant digits of `magnitude` (in the range above), rounded
// half to even from its exact binary value, and the decimal exponent of the
// first of them.
std::pair<std::uint64_t, int> SeventeenDigits(double magnitude)
{
    // A normal double: 52 stored bits, the leading 1 and a biased exponent.
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    constexpr int kStoredBits = 52;
    constexpr int kExponentBias = 1023;
    const std::uint64_t significand = (bits & ((std::uint64_t{1} << kStoredBits) - 1)) | (std::uint64_t{1} << kStoredBits);
    const int binaryExponent = static_cast<int>(bits >> kStoredBits) - kExponentBias + 1;
    const int shift = 53 - binaryExponent;  // magnitude = significand / 2^shift
    // log10(2): the decimal exponent from the binary one, one low or right;
    // floor(log10(2) k) = floor(k · 78913 / 2^18) for the exponents here.
    // The next power of ten as a double then tells which, without a branch
    // to mispredict; where that power is rounded down the loop below puts
    // the exponent right.
    int exponent = ((binaryExponent - 1) * 78913) >> 18;
    exponent += magnitude >= kDecades[exponent + 1 - kLeastDecade] ? 1 : 0;
    for (;;) {
        const Wide scaled = Wide{significand} * kPowersOfTen.power[kExactDigits - 1 - exponent];
        const Wide whole = scaled >> shift;
        if (whole < kLeast17Digits) {
            --exponent;
            continue;
        }
        if (whole >= Wide{kLeast17Digits} * 10) {
            ++exponent;
            continue;
        }
        auto digits = static_cast<std::uint64_t>(whole);
        const Wide rest = scaled - (whole << shift);
        const Wide half = Wide{1} << (shift - 1);
        digits += static_cast<std::uint64_t>((rest > half) | ((rest == half) & ((digits & 1) != 0)));
        if (digits == kLeast17Digits * 10)
            return {kLeast17Digits, exponent + 1};
        return {digits, exponent};
    }
}

std::uint64_t DigitPair(std::uint32_t n)
{
    std::uint16_t pair = 0;
    std::memcpy(&pair, kDigitPairs.text + 2 * n, sizeof pair);
    return pair;
}

// The eight digit characters of n < 10^8 in one word, the first in its
// lowest byte, two at a time, the halves of the number side by side rather
// than one after another. The word is stored whole and looked at as it is:
// bytes stored one pair at a time would stall its reading back.
std::uint64_t EightDigits(std::uint32_t n)
{
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the first character of a word is its lowest byte");
    constexpr std::uint32_t kHalf = 10000;
    const std::uint32_t high = n / kHalf;
    const std::uint32_t low = n % kHalf;
    return DigitPair(high / 100) | DigitPair(high % 100) << 16 | DigitPair(low / 100) << 32 |
           DigitPair(low % 100) << 48;
}

// How many of the 17 digit characters, the first (never '0') and the words
// of the next eight and the last eight, are left without the trailing zeros:
// the last character that is not '0' is the highest byte of its word that
// differs from "00000000". Both ends are made, and one is taken, without a
// branch.
int WithoutTrailingZeros(std::uint64_t middle, std::uint64_t last)
{
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    middle ^= kZeros;
    last ^= kZeros;
    const int inMiddle = middle != 0 ? 9 - __builtin_clzll(middle | 1) / 8 : 1;
    const int inLast = 17 - __builtin_clzll(last | 1) / 8;
    return last != 0 ? inLast : inMiddle;
}

// %.17g of a value in the range above: the digits without an exponent,
// trailing zeros of the fraction dropped.
char* WriteFixedDigits(char* at, double value)
{
    const auto [digits, exponent] = SeventeenDigits(std::fabs(value));
    // The first digit, then eight and eight; the rest of the text is room
    // for the blocks of fixed size the digits are copied in.
    char text[kMostWholeDigits + kBlock] = {};
    constexpr std::uint64_t kLastEight = 100000000;
    const auto first = static_cast<std::uint32_t>(digits / kLastEight);
    const std::uint64_t middle = EightDigits(first % kLastEight);
    const std::uint64_t last = EightDigits(static_cast<std::uint32_t>(digits % kLastEight));
    text[0] = static_cast<char>('0' + first / kLastEight);
    std::memcpy(text + 1, &middle, sizeof middle);
    std::memcpy(text + 9, &last, sizeof last);
    const int wholeDigits = exponent >= 0 ? exponent + 1 : 0;
    const int end = std::max(WithoutTrailingZeros(middle, last), wholeDigits);
    // Sign, "0." and the zeros after it, the digits with their point, each
    // part copied as a block of fixed size and passed by its length.
    if (value < 0)
        *at++ = '-';
    if (exponent < 0) {
        std::memcpy(at, "0.000", 5);
        at += 1 - exponent;
        std::memcpy(at, text, kBlock);
        return at + end;
    }
    std::memcpy(at, text, kBlock);
    at += wholeDigits;
    if (end == wholeDigits)
        return at;
    *at++ = '.';
    std::memcpy(at, text + wholeDigits, kBlock);
    return at + end - wholeDigits;
}

}  // namespace

std::string ExactNumber(double value)
{
    char text[kExactNumberRoom];
    return std::string(text, WriteExactNumber(text, value));
}

char* WriteExactNumber(char* out, double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude >= kLeastFixed && magnitude < kBeyondFixed)
        return WriteFixedDigits(out, value);
    return std::to_chars(out, out + kExactNumberRoom, value, std::chars_format::general, kExactDigits).ptr;
}

std::string ShortNumber(double value)
{
    return FormatGeneral(value, kShortDigits, ".");
}

std::string ShortNumber(const std::optional<double>& value)
{
    return value ? ShortNumber(*value) : std::string("не определено");
}
