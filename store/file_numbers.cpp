#include "file_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a run of digits from `at` and returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& at)
{
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at - start;
}

void SkipSign(std::string_view text, std::size_t& at)
{
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
}

// from_chars takes no '+'.
std::string_view WithoutPlus(std::string_view token)
{
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    return token;
}

constexpr int kMostPlainDigits = 15;
constexpr double kPowersOfTen[kMostPlainDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Whether the eight characters of a word, the first in its lowest byte, are
// all digits: every byte is 0x30..0x39, so its high half is 3 and stays 3
// when 6 is added.
bool EightAreDigits(std::uint64_t word)
{
    constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0;
    constexpr std::uint64_t kSixes = 0x0606060606060606;
    constexpr std::uint64_t kThrees = 0x3333333333333333;
    return ((word & kHighHalves) | (((word + kSixes) & kHighHalves) >> 4)) == kThrees;
}

// The value of eight digit characters, the first the most significant:
// pairs, then fours, then the eight are joined in the word's halves.
std::uint64_t EightDigitsValue(std::uint64_t word)
{
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the first character of a word is its lowest byte");
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    constexpr std::uint64_t kLowBytes = 0x000000FF000000FF;
    constexpr std::uint64_t kHundredAndMillion = 100 + (std::uint64_t{1000000} << 32);
    constexpr std::uint64_t kOneAndTenThousand = 1 + (std::uint64_t{10000} << 32);
    word -= kZeros;
    word = word * 10 + (word >> 8);
    return ((word & kLowBytes) * kHundredAndMillion + ((word >> 16) & kLowBytes) * kOneAndTenThousand) >> 32;
}

// Appends the run of digits from `p` to `significand`; the end of the run.
const char* TakeDigits(const char* p, const char* end, std::uint64_t& significand)
{
    for (; p < end && IsDigit(*p); ++p)
        significand = significand * 10 + static_cast<std::uint64_t>(*p - '0');
    return p;
}

// TakeDigits for a run that is mostly long, as the eight decimals of the
// data file's numbers are: eight digits at a time while eight characters
// are left.
const char* TakeLongDigits(const char* p, const char* end, std::uint64_t& significand)
{
    constexpr std::uint64_t kHundredMillion = 100000000;
    for (std::uint64_t word = 0; end - p >= 8; p += 8) {
        std::memcpy(&word, p, sizeof word);
        if (!EightAreDigits(word))
            break;
        significand = significand * kHundredMillion + EightDigitsValue(word);
    }
    return TakeDigits(p, end, significand);
}

// A plain decimal, [-]digits[.digits] with at least one and at most 15
// digits, as the data file writes most of its numbers: its digits make an
// integer that a double holds exactly, as it does the power of ten of the
// fraction, so that their one division rounds as from_chars rounds the
// decimal. Empty for every other token.
std::optional<double> PlainDecimal(std::string_view token)
{
    const bool negative = !token.empty() && token.front() == '-';
    const char* p = token.data() + (negative ? 1 : 0);
    const char* const end = token.data() + token.size();
    const auto length = end - p;
    if (length > kMostPlainDigits + 1)
        return std::nullopt;
    std::uint64_t significand = 0;
    p = TakeDigits(p, end, significand);
    const bool point = p < end && *p == '.';
    long fraction = 0;
    if (point) {
        const char* const first = p + 1;
        p = TakeLongDigits(first, end, significand);
        fraction = p - first;
    }
    const auto digits = length - (point ? 1 : 0);
    if (p != end || digits == 0 || digits > kMostPlainDigits)
        return std::nullopt;
    const double value = static_cast<double>(significand) / kPowersOfTen[fraction];
    return negative ? -value : value;
}

}  // namespace

double RealFromToken(std::string_view token)
{
    if (const std::optional<double> plain = PlainDecimal(token))
        return *plain;
    // from_chars takes the form above, and infinities and NaNs besides,
    // which are not finite; only a sign after the '+' it takes no is left
    // to refuse here.
    const bool plus = !token.empty() && token.front() == '+';
    token = WithoutPlus(token);
    if (plus && !token.empty() && token.front() == '-')
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        return 0;
    return value;
}

long long IntegerFromToken(std::string_view token)
{
    std::size_t at = 0;
    SkipSign(token, at);
    if (SkipDigits(token, at) == 0 || at != token.size())
        return 0;
    token = WithoutPlus(token);
    int value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return 0;
    return value;
}

std::string RealText(double value)
{
    constexpr double kFixedLimit = 1e36;
    char buffer[64];
    const auto format = std::fabs(value) < kFixedLimit ? std::chars_format::fixed : std::chars_format::scientific;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, 8);
    return std::string(buffer, result.ptr);
}
