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
    constexpr double kDecimalsPerBit = 0.30102999566398120;
    int exponent = static_cast<int>(std::floor((binaryExponent - 1) * kDecimalsPerBit));
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

// %.17g of a value in the range above: the digits without an exponent,
// trailing zeros of the fraction dropped.
void AppendFixedDigits(std::string& out, double value)
{
    const auto [digits, exponent] = SeventeenDigits(std::fabs(value));
    char text[kExactDigits];
    std::uint64_t rest = digits;
    for (int i = kExactDigits - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    int end = kExactDigits;
    const int wholeDigits = exponent >= 0 ? exponent + 1 : 0;
    while (end > wholeDigits && text[end - 1] == '0')
        --end;
    // Sign, "0." and the zeros after it, the digits with their point.
    char written[2 * kExactDigits + 4];
    char* at = written;
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
    at = std::copy(text + wholeDigits, text + end, at);
    out.append(written, at);
}

}  // namespace

std::string ExactNumber(double value)
{
    std::string out;
    AppendExactNumber(out, value);
    return out;
}

void AppendExactNumber(std::string& out, double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude >= kLeastFixed && magnitude < kBeyondFixed) {
        AppendFixedDigits(out, value);
        return;
    }
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, kExactDigits);
    out.append(text, result.ptr);
}

std::string ShortNumber(double value)
{
    return FormatGeneral(value, kShortDigits, ".");
}

std::string ShortNumber(const std::optional<double>& value)
{
    return value ? ShortNumber(*value) : std::string("не определено");
}
