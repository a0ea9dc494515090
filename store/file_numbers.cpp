#include "file_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
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

// Appends the run of digits from `p` to `significand`; the end of the run.
const char* TakeDigits(const char* p, const char* end, std::uint64_t& significand)
{
    for (; p < end && IsDigit(*p); ++p)
        significand = significand * 10 + static_cast<std::uint64_t>(*p - '0');
    return p;
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
        p = TakeDigits(first, end, significand);
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
