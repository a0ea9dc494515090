#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What an editor save changed, as lines: the lines from `firstLine` (counted
// from 0) that differ, `newLineCount` of them in the new text, `oldText`
// their bytes in the old one. A line is its bytes up to and with its LF (a
// CR LF line end is part of its line), or the bytes after the last LF. The
// lines before and after are those the two texts have in common.
struct LineDiff {
    std::size_t firstLine = 0;
    std::size_t newLineCount = 0;
    std::string oldText;
};

LineDiff DiffLines(std::string_view oldBytes, std::string_view newBytes);

// The number of bytes two texts begin with alike.
std::size_t CommonPrefix(std::string_view a, std::string_view b);

// The old text rebuilt from the new one; no value when the new text has
// fewer lines than the change names.
std::optional<std::string> RebuildOld(std::string_view newBytes, const LineDiff& diff);
// True when RebuildOld would give `oldBytes`, found without building it.
bool RebuildsOld(std::string_view newBytes, const LineDiff& diff, std::string_view oldBytes);
