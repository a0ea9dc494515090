#include "history/line_diff.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kBlock = 4096;

// The number of LF bytes, eight bytes at a time: in `x` (a word XOR eight
// LFs) a byte is zero where the word has an LF, and its high bit alone is
// left set in `lf`; the bits are summed per byte for 31 words, whose eight
// sums then fit in one byte together.
std::size_t CountLineEnds(std::string_view bytes)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fULL;
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    std::size_t count = 0;
    std::size_t at = 0;
    while (at + kWord <= bytes.size()) {
        std::uint64_t perByte = 0;
        for (int word = 0; word < 31 && at + kWord <= bytes.size(); ++word, at += kWord) {
            std::uint64_t x = 0;
            std::memcpy(&x, bytes.data() + at, kWord);
            x ^= kOnes * '\n';
            const std::uint64_t lf = ~(((x & kLow7) + kLow7) | x | kLow7);
            perByte += lf >> 7;
        }
        count += static_cast<std::size_t>((perByte * kOnes) >> 56);
    }
    for (; at < bytes.size(); ++at)
        count += bytes[at] == '\n' ? 1 : 0;
    return count;
}

std::size_t LineCount(std::string_view bytes)
{
    return CountLineEnds(bytes) + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

bool LineStart(std::string_view bytes, std::size_t at)
{
    return at == 0 || bytes[at - 1] == '\n';
}

// The offset of line k, or no value when there are fewer lines. Blocks that
// end before the text does and hold fewer line ends than are left to pass
// are passed whole.
std::optional<std::size_t> LineOffset(std::string_view bytes, std::size_t k)
{
    std::size_t at = 0;
    while (at + kBlock < bytes.size()) {
        const std::size_t ends = CountLineEnds(bytes.substr(at, kBlock));
        if (ends >= k)
            break;
        k -= ends;
        at += kBlock;
    }
    for (std::size_t line = 0; line < k; ++line) {
        if (at >= bytes.size())
            return std::nullopt;
        const std::size_t end = bytes.find('\n', at);
        at = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    return at;
}

// The length of the common end of two texts, found a block at a time.
std::size_t CommonSuffix(std::string_view a, std::string_view b, std::size_t room)
{
    std::size_t common = 0;
    while (common + kBlock <= room &&
           std::memcmp(a.data() + a.size() - common - kBlock, b.data() + b.size() - common - kBlock, kBlock) == 0)
        common += kBlock;
    while (common < room && a[a.size() - 1 - common] == b[b.size() - 1 - common])
        ++common;
    return common;
}

// The new text's bytes before and after the changed lines; no value when it
// has fewer lines than the change names.
std::optional<std::pair<std::string_view, std::string_view>> Unchanged(std::string_view newBytes, const LineDiff& diff)
{
    const auto begin = LineOffset(newBytes, diff.firstLine);
    if (!begin)
        return std::nullopt;
    const auto count = LineOffset(newBytes.substr(*begin), diff.newLineCount);
    if (!count)
        return std::nullopt;
    return std::pair(newBytes.substr(0, *begin), newBytes.substr(*begin + *count));
}

}  // namespace

std::size_t CommonPrefix(std::string_view a, std::string_view b)
{
    const std::size_t room = std::min(a.size(), b.size());
    std::size_t common = 0;
    while (common + kBlock <= room && std::memcmp(a.data() + common, b.data() + common, kBlock) == 0)
        common += kBlock;
    while (common < room && a[common] == b[common])
        ++common;
    return common;
}

LineDiff DiffLines(std::string_view oldBytes, std::string_view newBytes)
{
    std::size_t start = CommonPrefix(oldBytes, newBytes);
    while (!LineStart(oldBytes, start))
        --start;
    const std::size_t common = CommonSuffix(oldBytes, newBytes, std::min(oldBytes.size(), newBytes.size()) - start);
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
    const auto parts = Unchanged(newBytes, diff);
    if (!parts)
        return std::nullopt;
    std::string old(parts->first);
    old += diff.oldText;
    old += parts->second;
    return old;
}

bool RebuildsOld(std::string_view newBytes, const LineDiff& diff, std::string_view oldBytes)
{
    const auto parts = Unchanged(newBytes, diff);
    return parts && parts->first.size() + diff.oldText.size() + parts->second.size() == oldBytes.size() &&
           oldBytes.substr(0, parts->first.size()) == parts->first &&
           oldBytes.substr(parts->first.size(), diff.oldText.size()) == diff.oldText &&
           oldBytes.substr(parts->first.size() + diff.oldText.size()) == parts->second;
}
