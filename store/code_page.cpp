#include "code_page.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Code points of bytes 0x80..0xBF; bytes 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};
constexpr char32_t kCyrillicA = 0x0410;

char32_t CodePointOf(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return kCyrillicA + (byte - 0xC0);
    return kHighTable[byte - 0x80];
}

std::optional<unsigned char> ByteOf(char32_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c >= kCyrillicA && c < kCyrillicA + 64)
        return static_cast<unsigned char>(0xC0 + (c - kCyrillicA));
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point of the well-formed UTF-8 sequence at `text[at]` and its
// length; length 0 when the sequence is malformed.
struct Decoded {
    char32_t c = 0;
    std::size_t length = 0;
};

Decoded DecodeUtf8(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length;
    char32_t c;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length)
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return {};
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {};
    return {c, length};
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251)
{
    std::string out;
    Cp1251ToUtf8(cp1251, out);
    return out;
}

void Cp1251ToUtf8(std::string_view cp1251, std::string& utf8)
{
    // ASCII, as numbers and dates are, is the same in both.
    const auto firstHigh =
        std::find_if(cp1251.begin(), cp1251.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
    utf8.assign(cp1251.data(), static_cast<std::size_t>(firstHigh - cp1251.begin()));
    if (firstHigh == cp1251.end())
        return;
    utf8.reserve(cp1251.size() * 2);
    for (auto byte = firstHigh; byte != cp1251.end(); ++byte)
        AppendUtf8(utf8, CodePointOf(static_cast<unsigned char>(*byte)));
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const Decoded d = DecodeUtf8(text, at);
        if (d.length == 0)
            return false;
        at += d.length;
    }
    return true;
}

Cp1251Encoding Utf8ToCp1251(std::string_view utf8)
{
    Cp1251Encoding result;
    result.bytes.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const Decoded d = DecodeUtf8(utf8, at);
        const auto byte = d.length ? ByteOf(d.c) : std::nullopt;
        if (!byte) {
            result.unencodable = std::string(utf8.substr(at, d.length ? d.length : 1));
            result.unencodablePosition = at;
            return result;
        }
        result.bytes += static_cast<char>(*byte);
        at += d.length;
    }
    return result;
}
