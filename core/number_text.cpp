#include "number_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

#include "decimal_digits.h"

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
    auto digitsFrom = [&](std::string& into) {
        while (i < n && IsDigit(text[i]))
            into += text[i++];
    };

    std::string ascii;
    skipSpaces();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            ascii += '-';
        ++i;
    }
    std::string whole, fraction;
    digitsFrom(whole);
    bool hasSeparator = false;
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        hasSeparator = true;
        i += separator.size();
        digitsFrom(fraction);
    }
    if (whole.empty() && fraction.empty() && !hasSeparator)
        return std::nullopt;
    ascii += whole.empty() ? "0" : whole;
    ascii += '.';
    ascii += fraction.empty() ? "0" : fraction;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        std::string sign;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            sign = text[i++];
        std::string exponent;
        digitsFrom(exponent);
        if (!exponent.empty())
            ascii += "e" + sign + exponent;
    }
    skipSpaces();
    if (i != n)
        return std::nullopt;
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
