#include "history/line_diff.h"

#include <algorithm>

namespace {

std::size_t LineCount(std::string_view bytes)
{
    const auto ends = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return ends + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

bool LineStart(std::string_view bytes, std::size_t at)
{
    return at == 0 || bytes[at - 1] == '\n';
}

// The offset of line k, or no value when there are fewer lines.
std::optional<std::size_t> LineOffset(std::string_view bytes, std::size_t k)
{
    std::size_t at = 0;
    for (std::size_t line = 0; line < k; ++line) {
        if (at >= bytes.size())
            return std::nullopt;
        const std::size_t end = bytes.find('\n', at);
        at = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    return at;
}

}  // namespace

LineDiff DiffLines(std::string_view oldBytes, std::string_view newBytes)
{
    const auto mismatch = std::mismatch(oldBytes.begin(), oldBytes.end(), newBytes.begin(), newBytes.end());
    std::size_t start = static_cast<std::size_t>(mismatch.first - oldBytes.begin());
    while (!LineStart(oldBytes, start))
        --start;
    const std::size_t room = std::min(oldBytes.size(), newBytes.size()) - start;
    std::size_t common = 0;
    while (common < room && oldBytes[oldBytes.size() - 1 - common] == newBytes[newBytes.size() - 1 - common])
        ++common;
    std::size_t oldEnd = oldBytes.size() - common;
    std::size_t newEnd = newBytes.size() - common;
    while (oldEnd < oldBytes.size() && !(LineStart(oldBytes, oldEnd) && LineStart(newBytes, newEnd))) {
        ++oldEnd;
        ++newEnd;
    }
    return {LineCount(oldBytes.substr(0, start)), LineCount(newBytes.substr(start, newEnd - start)),
            std::string(oldBytes.substr(start, oldEnd - start))};
}

std::optional<std::string> RebuildOld(std::string_view newBytes, const LineDiff& diff)
{
    const auto begin = LineOffset(newBytes, diff.firstLine);
    if (!begin)
        return std::nullopt;
    const auto count = LineOffset(newBytes.substr(*begin), diff.newLineCount);
    if (!count)
        return std::nullopt;
    std::string old(newBytes.substr(0, *begin));
    old += diff.oldText;
    old += newBytes.substr(*begin + *count);
    return old;
}
