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

constexpr int kMostPowerOfTen = 21;

constexpr PowersOfTen<Wide, kMostPowerOfTen> kPowersOfTen;

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
    // log10(2): the decimal exponent from the binary one, off by one at most.
    // floor(log10(2) k) = floor(k · 78913 / 2^18) for the exponents here.
    int exponent = ((binaryExponent - 1) * 78913) >> 18;
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
        if (rest > half || (rest == half && digits % 2 == 1))
            ++digits;
        if (digits == kLeast17Digits * 10)
            return {kLeast17Digits, exponent + 1};
        return {digits, exponent};
    }
}

// The eight digits of n < 10^8 at `out`, two at a time, the halves of the
// number side by side rather than one after another.
void WriteEightDigits(char* out, std::uint32_t n)
{
    constexpr std::uint32_t kHalf = 10000;
    const std::uint32_t high = n / kHalf;
    const std::uint32_t low = n % kHalf;
    std::memcpy(out, kDigitPairs.text + 2 * (high / 100), 2);
    std::memcpy(out + 2, kDigitPairs.text + 2 * (high % 100), 2);
    std::memcpy(out + 4, kDigitPairs.text + 2 * (low / 100), 2);
    std::memcpy(out + 6, kDigitPairs.text + 2 * (low % 100), 2);
}

// How many of the 17 digit characters are left without the trailing zeros,
// eight at a time: the last character that is not '0' is the highest byte
// of the word that differs from "00000000". The first digit is never 0.
int WithoutTrailingZeros(const char* text)
{
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the last character of a word is its highest byte");
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    for (int start = kExactDigits - 8; start > 0; start -= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text + start, sizeof word);
        word ^= kZeros;
        if (word != 0)
            return start + 8 - __builtin_clzll(word) / 8;
    }
    return 1;
}

// %.17g of a value in the range above: the digits without an exponent,
// trailing zeros of the fraction dropped.
char* WriteFixedDigits(char* at, double value)
{
    const auto [digits, exponent] = SeventeenDigits(std::fabs(value));
    // The first digit, then eight and eight.
    char text[kExactDigits];
    constexpr std::uint64_t kLastEight = 100000000;
    const auto first = static_cast<std::uint32_t>(digits / kLastEight);
    text[0] = static_cast<char>('0' + first / kLastEight);
    WriteEightDigits(text + 1, static_cast<std::uint32_t>(first % kLastEight));
    WriteEightDigits(text + 9, static_cast<std::uint32_t>(digits % kLastEight));
    const int wholeDigits = exponent >= 0 ? exponent + 1 : 0;
    const int end = std::max(WithoutTrailingZeros(text), wholeDigits);
    // Sign, "0." and the zeros after it, the digits with their point.
    if (value < 0)
        *at++ = '-';
    if (exponent < 0) {
        *at++ = '0';
        *at++ = '.';
        at = std::fill_n(at, -exponent - 1, '0');
    }
    at = std::copy(text, text + wholeDigits, at);
    if (exponent >= 0 && end > wholeDigits)
        *at++ = '.';
    return std::copy(text + wholeDigits, text + end, at);
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
