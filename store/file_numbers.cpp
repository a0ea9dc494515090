#include "file_numbers.h"

#include <charconv>
#include <cmath>

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

}  // namespace

double RealFromToken(std::string_view token)
{
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
