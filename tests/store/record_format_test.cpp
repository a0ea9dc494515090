#include <gtest/gtest.h>

#include <random>

#include "store/record_format.h"
#include "store/record_delete.h"

namespace {

// The records the delete finds in the text, one range after the other.
long long RecordsTheDeleteFinds(std::string_view text)
{
    long long n = 0;
    while (RecordLines(text, n + 1).end > RecordLines(text, n + 1).begin)
        ++n;
    return n;
}

long long CountInPiecesOf(std::string_view text, std::size_t piece)
{
    MarkerLineCounter counter;
    for (std::size_t at = 0; at < text.size(); at += piece)
        counter.Add(text.substr(at, piece));
    return counter.Count();
}

// The counter, given the text in pieces of any size, counts the records the
// delete finds, for every way a '#' may stand to the blanks, CRs, LFs,
// Ctrl-Z and other bytes in front of it.
TEST(MarkerLineCounter, CountsTheRecordsTheDeleteFindsInPiecesOfAnySize)
{
    std::vector<std::string> texts = {
        "",          "#",           " #",         "\r\n#",          "\r \t#\r\n#",      "x#\r#",
        "\r\r#",     "\n#",         "#\x1a\r#",   "\r\x1a#",        std::string("\r\0#\r\x7f#", 6),
        "\r\xff#",   "\r\n#\r\n#\r\n", "##\r##",  "\r\n\r\n  #  #\r",
    };
    const char alphabet[] = {'#', '#', '\r', '\r', '\n', ' ', '\t', 'a', '\0', '\x1a', '\xa0'};
    std::mt19937 random(7);
    for (int k = 0; k < 400; ++k) {
        std::string text;
        for (int i = static_cast<int>(random() % 40); i > 0; --i)
            text += alphabet[random() % sizeof alphabet];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const long long expected = RecordsTheDeleteFinds(text);
        EXPECT_EQ(RecordCount(text), expected) << testing::PrintToString(text);
        for (std::size_t piece = 1; piece <= 4; ++piece)
            EXPECT_EQ(CountInPiecesOf(text, piece), expected) << testing::PrintToString(text) << " in " << piece;
    }
}

}  // namespace
