#include "text_reader.h"

#include <cstring>

#include "file_numbers.h"

namespace {

constexpr char kCtrlZ = 26;
constexpr std::size_t kRealLength = 64;
constexpr std::size_t kIntegerLength = 32;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

TextReader::TextReader(std::string_view bytes) : text_(bytes)
{
    const auto* end = bytes.empty() ? nullptr : static_cast<const char*>(std::memchr(bytes.data(), kCtrlZ, bytes.size()));
    if (end)
        text_ = bytes.substr(0, static_cast<std::size_t>(end - bytes.data()));
}

std::string_view TextReader::ReadLine()
{
    if (AtEnd())
        return {};
    const std::size_t start = at_;
    const auto* cr = static_cast<const char*>(std::memchr(text_.data() + at_, '\r', text_.size() - at_));
    if (!cr) {
        at_ = text_.size();
        return text_.substr(start);
    }
    const auto length = static_cast<std::size_t>(cr - (text_.data() + start));
    at_ = start + length + 1;
    if (at_ < text_.size() && text_[at_] == '\n')
        ++at_;
    return text_.substr(start, length);
}

bool TextReader::SkipBlanks()
{
    while (at_ < text_.size() && IsBlank(text_[at_]))
        ++at_;
    return AtEnd();
}

std::string_view TextReader::ReadToken(std::size_t maxLength)
{
    if (SkipBlanks())
        return {};
    const std::size_t start = at_;
    while (at_ < text_.size() && at_ - start < maxLength && !IsBlank(text_[at_]))
        ++at_;
    return text_.substr(start, at_ - start);
}

double TextReader::ReadRealLine()
{
    const double value = RealFromToken(ReadToken(kRealLength));
    ReadLine();
    return value;
}

long long TextReader::ReadIntegerLine()
{
    const long long value = IntegerFromToken(ReadToken(kIntegerLength));
    ReadLine();
    return value;
}
