#include "history/event_text.h"

#include <QByteArray>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace json_text {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AddEscaped(std::string& out, char16_t c)
{
    out += '\\';
    switch (c) {
    case u'"': out += '"'; break;
    case u'\\': out += '\\'; break;
    case u'\b': out += 'b'; break;
    case u'\f': out += 'f'; break;
    case u'\n': out += 'n'; break;
    case u'\r': out += 'r'; break;
    case u'\t': out += 't'; break;
    default:
        out += "u00";
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 15];
    }
}

void AddUtf8(std::string& out, char32_t c)
{
    if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

std::optional<std::string> String(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) + 2);
    out += '"';
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    for (; p < end; ++p) {
        const char16_t c = *p;
        if (c < 0x80) {
            if (c < 0x20 || c == u'"' || c == u'\\')
                AddEscaped(out, c);
            else
                out += static_cast<char>(c);
        } else if (!QChar::isSurrogate(c)) {
            AddUtf8(out, c);
        } else if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1])) {
            AddUtf8(out, QChar::surrogateToUcs4(c, p[1]));
            ++p;
        } else {
            return std::nullopt;
        }
    }
    out += '"';
    return out;
}

std::string Utf8String(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        if (c == '"' || c == '\\' || (c >= 0 && c < 0x20))
            AddEscaped(out, static_cast<char16_t>(c));
        else
            out += c;
    }
    out += '"';
    return out;
}

std::string Integer(long long value)
{
    return std::to_string(value);
}

std::optional<std::string> Double(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
}

std::string Object(std::vector<std::pair<std::string_view, std::string>> members)
{
    std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string out = "{";
    for (const auto& [key, value] : members) {
        if (out.size() > 1)
            out += ',';
        out += '"';
        out += key;
        out += "\":";
        out += value;
    }
    out += '}';
    return out;
}

std::string Array(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (const std::string& item : items) {
        if (out.size() > 1)
            out += ',';
        out += item;
    }
    out += ']';
    return out;
}

}  // namespace json_text
