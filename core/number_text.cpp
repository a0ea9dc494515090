#include "number_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <limits>
#include <locale.h>

#include "decimal_digits.h"
#include "powers_of_ten.h"

namespace {

constexpr int kMaxDigits = 18;

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// strtold in the "C" locale, whatever locale the process runs under.
Extended ToExtended(const std::string& ascii)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtold_l(ascii.c_str(), nullptr, c);
}

// The powers of ten an extended value holds exactly: 10^k = 2^k 5^k, and 5^27
// still fits the 64 bits of its significand.
constexpr int kMostExactPower = 27;
static_assert(std::numeric_limits<Extended>::digits >= 64, "64-bit significands expected");
constexpr PowersOfTen<Extended, kMostExactPower> kExactPowersOfTen;

// The most digits an unsigned 64-bit integer always holds, and the most an
// exponent is read with here.
constexpr int kMostWholeDigits = 19;
constexpr std::size_t kMostExponentDigits = 4;

// Most typed numbers have at most 19 significant digits and a small
// exponent: their value is an integer held exactly, times or divided by a
// power of ten held exactly, and that one operation rounds as strtold
// rounds the decimal. Empty for the others, which strtold reads.
std::optional<Extended> ExactDecimal(std::string_view whole, std::string_view fraction, bool negativeExponent,
                                     std::string_view exponent)
{
    if (exponent.size() > kMostExponentDigits)
        return std::nullopt;
    std::uint64_t significand = 0;
    int significantDigits = 0;
    for (const std::string_view part : {whole, fraction})
        for (const char c : part) {
            if (significantDigits == 0 && c == '0')
                continue;
            if (++significantDigits > kMostWholeDigits)
                return std::nullopt;
            significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
        }
    if (significand == 0)
        return Extended{0};
    int power = 0;
    for (const char c : exponent)
        power = power * 10 + (c - '0');
    power = (negativeExponent ? -power : power) - static_cast<int>(fraction.size());
    if (power < -kMostExactPower || power > kMostExactPower)
        return std::nullopt;
    const auto value = static_cast<Extended>(significand);
    return power < 0 ? value / kExactPowersOfTen.power[-power] : value * kExactPowersOfTen.power[power];
}

// The text of one number, built in place: the longest is a sign, 18 integer
// digits, the separator, 18 decimals and an exponent. Fills are at most 18
// characters and are written as a block of 18, and digits are copied one by
// one, so that no library call is needed for them; the buffer leaves room
// for the block's overhang.
class NumberWriter {
public:
    explicit NumberWriter(std::string_view separator)
        : separator_(separator.substr(0, kMaxSeparator))
    {
    }
    void Add(char c) { buffer_[size_++] = c; }
    void Add(const char* text, int n)
    {
        std::memcpy(buffer_ + size_, text, static_cast<std::size_t>(n));
        size_ += n;
    }
    // Digits were just written one by one; copying them the same way
    // lets each read take its value straight from the write.
    void AddDigits(const char* digits, int n)
    {
        for (int i = 0; i < n; ++i)
            buffer_[size_++] = digits[i];
    }
    void Fill(int n, char c)
    {
        std::memset(buffer_ + size_, c, kMaxDigits);
        size_ += n;
    }
    void AddSeparator()
    {
        if (separator_.size() == 1)
            Add(separator_[0]);
        else
            Add(separator_.data(), static_cast<int>(separator_.size()));
    }
    int Size() const { return size_; }
    std::string Text() const { return std::string(buffer_, static_cast<std::size_t>(size_)); }

private:
    static constexpr std::size_t kMaxSeparator = 64;
    std::string_view separator_;
    char buffer_[160];
    int size_ = 0;
};

// "-" d1 [sep d2...] "E" e-1
std::string ExponentForm(const DecimalDigits& d, std::string_view separator)
{
    NumberWriter out(separator);
    if (d.Negative())
        out.Add('-');
    out.Add(d.Digits()[0]);
    if (d.Count() > 1) {
        out.AddSeparator();
        out.AddDigits(d.Digits() + 1, d.Count() - 1);
    }
    out.Add('E');
    const std::string exponent = std::to_string(d.Exponent() - 1);
    out.Add(exponent.data(), static_cast<int>(exponent.size()));
    return out.Text();
}

// The first e digits, padded with "0" where the digits run out; "0" for e <= 0.
void WriteIntegerPart(NumberWriter& out, const DecimalDigits& d)
{
    if (d.Exponent() <= 0) {
        out.Add('0');
        return;
    }
    const int have = d.Count() < d.Exponent() ? d.Count() : d.Exponent();
    out.AddDigits(d.Digits(), have);
    out.Fill(d.Exponent() - have, '0');
}

}  // namespace

std::optional<Extended> ParseNumber(std::string_view text, std::string_view separator)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skipSpaces = [&] {
        while (i < n && text[i] == ' ')
            ++i;
    };
    auto digits = [&] {
        const std::size_t start = i;
        while (i < n && IsDigit(text[i]))
            ++i;
        return text.substr(start, i - start);
    };

    skipSpaces();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::string_view whole = digits();
    std::string_view fraction;
    bool hasSeparator = false;
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        hasSeparator = true;
        i += separator.size();
        fraction = digits();
    }
    if (whole.empty() && fraction.empty() && !hasSeparator)
        return std::nullopt;
    bool negativeExponent = false;
    std::string_view exponent;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        exponent = digits();
    }
    skipSpaces();
    if (i != n)
        return std::nullopt;
    if (const auto exact = ExactDecimal(whole, fraction, negativeExponent, exponent))
        return negative ? -*exact : *exact;

    std::string ascii = negative ? "-" : "";
    ascii += whole.empty() ? std::string_view("0") : whole;
    ascii += '.';
    ascii += fraction.empty() ? std::string_view("0") : fraction;
    if (!exponent.empty()) {
        ascii += negativeExponent ? "e-" : "e";
        ascii += exponent;
    }
    const Extended value = ToExtended(ascii);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

Extended ParseNumberOrThrow(std::string_view text, std::string_view separator)
{
    const auto value = ParseNumber(text, separator);
    if (!value)
        throw RunError::InvalidFloat(std::string(text));
    return *value;
}

std::string FormatFixed(Extended value, int precision, int decimals, std::string_view separator)
{
    precision = Clamp(precision, 2, kMaxDigits);
    decimals = Clamp(decimals, 0, kMaxDigits);
    DecimalDigits d(value);
    d.Round(std::min(d.Exponent() + decimals, precision));
    if (d.Exponent() > precision)
        return ExponentForm(d, separator);

    NumberWriter out(separator);
    if (d.Negative())
        out.Add('-');
    WriteIntegerPart(out, d);
    if (decimals > 0) {
        out.AddSeparator();
        const int start = out.Size();
        if (d.Exponent() < 0)
            out.Fill(std::min(-d.Exponent(), decimals), '0');
        const int first = d.Exponent() > 0 ? d.Exponent() : 0;
        if (d.Count() > first)
            out.AddDigits(d.Digits() + first, d.Count() - first);
        out.Fill(start + decimals - out.Size(), '0');
    }
    return out.Text();
}

std::string FormatGeneral(Extended value, int precision, std::string_view separator)
{
    precision = Clamp(precision, 2, kMaxDigits);
    DecimalDigits d(value);
    d.Round(precision);
    if (d.IsZero())
        return "0";
    if (d.Exponent() > precision || d.Exponent() < -3)
        return ExponentForm(d, separator);

    NumberWriter out(separator);
    if (d.Negative())
        out.Add('-');
    if (d.Exponent() <= 0) {
        out.Add('0');
        out.AddSeparator();
        out.Fill(-d.Exponent(), '0');
        out.AddDigits(d.Digits(), d.Count());
        return out.Text();
    }
    WriteIntegerPart(out, d);
    if (d.Count() > d.Exponent()) {
        out.AddSeparator();
        out.AddDigits(d.Digits() + d.Exponent(), d.Count() - d.Exponent());
    }
    return out.Text();
}

std::string AddLeadingZero(std::string text)
{
    if (!text.empty() && text.front() == '.')
        text.insert(text.begin(), '0');
    return text;
}

int ParseInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw RunError::InvalidInteger(std::string(text));
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            throw RunError::InvalidInteger(std::string(text));
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            throw RunError::InvalidInteger(std::string(text));
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        throw RunError::InvalidInteger(std::string(text));
    return static_cast<int>(value);
}
