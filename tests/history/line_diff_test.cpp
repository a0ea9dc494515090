#include <gtest/gtest.h>

#include "history/line_diff.h"

namespace {

TEST(LineDiff, TheOldTextIsRebuiltFromTheNewOne)
{
    // Longer than the blocks in which lines are counted; the last line with
    // and without its line end.
    std::string lines;
    for (int k = 0; k < 3000; ++k)
        lines += "ab\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {lines + "x", lines + "y"},
        {lines, lines + "z"},
        {lines + "x", lines},
        {"", ""},
        {"", "a\r\nb\r\n"},
        {"a\r\nb\r\n", ""},
        {"a\r\nb\r\nc\r\n", "a\r\nB\r\nc\r\n"},
        {"a\r\nb\r\nc", "a\r\nb\r\nc\r\n"},
        {"a\r\nb", "a\r\nbc"},
        {"a\r\na\r\na\r\n", "a\r\na\r\n"},
        {"x\r\n", "y\r\nx\r\n"},
        {"ab\ncd\n", "ab\nxcd\n"},
        {"one\rtwo\r\n", "one\rtwo\r\nthree"},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before + " -> " + after);
        const LineDiff diff = DiffLines(before, after);
        EXPECT_EQ(RebuildOld(after, diff), before);
        EXPECT_TRUE(RebuildsOld(after, diff, before));
        EXPECT_FALSE(RebuildsOld(after, diff, before + "x"));
    }
}

TEST(LineDiff, OneChangedLineOfALargeFileKeepsOnlyThatLine)
{
    std::string before;
    for (int k = 0; k < 100000; ++k)
        before += std::to_string(k) + "\r\n";
    std::string after = before;
    after.replace(after.find("\r\n50000\r\n") + 2, 5, "5000x");
    const LineDiff diff = DiffLines(before, after);
    EXPECT_EQ(diff.firstLine, 50000u);
    EXPECT_EQ(diff.newLineCount, 1u);
    EXPECT_EQ(diff.oldText, "50000\r\n");
    EXPECT_EQ(RebuildOld(after, diff), before);
    EXPECT_EQ(RebuildOld("short\r\n", diff), std::nullopt);
}

}  // namespace
