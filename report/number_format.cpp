#include "report/number_format.h"

#include <charconv>

#include "core/number_text.h"

namespace {

constexpr int kExactDigits = 17;
constexpr int kShortDigits = 10;

}  // namespace

std::string ExactNumber(double value)
{
    std::string out;
    AppendExactNumber(out, value);
    return out;
}

void AppendExactNumber(std::string& out, double value)
{
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
