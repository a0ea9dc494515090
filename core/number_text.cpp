#include "number_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
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

void AppendExponent(std::string& out, int e)
{
    out += 'E';
    out += std::to_string(e);
}

// "-" d1 [sep d2...] "E" e-1
void WriteExponentForm(std::string& out, const DecimalDigits& d, std::string_view separator)
{
    if (d.Negative())
        out += '-';
    out += d.Digits()[0];
    if (d.Count() > 1) {
        out += separator;
        out.append(d.Digits() + 1, static_cast<std::size_t>(d.Count() - 1));
    }
    AppendExponent(out, d.Exponent() - 1);
}

// The first e digits, padded with "0" where the digits run out; "0" for e <= 0.
void WriteIntegerPart(std::string& out, const DecimalDigits& d)
{
    if (d.Exponent() <= 0) {
        out += '0';
        return;
    }
    const int have = d.Count() < d.Exponent() ? d.Count() : d.Exponent();
    out.append(d.Digits(), static_cast<std::size_t>(have));
    out.append(static_cast<std::size_t>(d.Exponent() - have), '0');
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

    std::string out;
    if (d.Exponent() > precision) {
        WriteExponentForm(out, d, separator);
        return out;
    }
    if (d.Negative())
        out += '-';
    WriteIntegerPart(out, d);
    if (decimals > 0) {
        out += separator;
        const std::size_t start = out.size();
        if (d.Exponent() < 0)
            out.append(static_cast<std::size_t>(std::min(-d.Exponent(), decimals)), '0');
        const int first = d.Exponent() > 0 ? d.Exponent() : 0;
        if (d.Count() > first)
            out.append(d.Digits() + first, static_cast<std::size_t>(d.Count() - first));
        out.append(start + static_cast<std::size_t>(decimals) - out.size(), '0');
    }
    return out;
}

std::string FormatGeneral(Extended value, int precision, std::string_view separator)
{
    precision = Clamp(precision, 2, kMaxDigits);
    DecimalDigits d(value);
    d.Round(precision);
    if (d.IsZero())
        return "0";

    std::string out;
    if (d.Exponent() > precision || d.Exponent() < -3) {
        WriteExponentForm(out, d, separator);
        return out;
    }
    if (d.Negative())
        out += '-';
    if (d.Exponent() <= 0) {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-d.Exponent()), '0');
        out.append(d.Digits(), static_cast<std::size_t>(d.Count()));
        return out;
    }
    WriteIntegerPart(out, d);
    if (d.Count() > d.Exponent()) {
        out += separator;
        out.append(d.Digits() + d.Exponent(), static_cast<std::size_t>(d.Count() - d.Exponent()));
    }
    return out;
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
