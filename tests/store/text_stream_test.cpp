// The file-streaming reader against the same bytes read from memory, with
// lines, line ends and Ctrl-Z placed across the reader's buffer boundaries.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "store/text_reader.h"
#include "temp_dir.h"

namespace {

constexpr std::size_t kBuffer = 1 << 16;

// Every line, each read after skipped blanks, with the offset it starts at.
std::vector<std::pair<std::uint64_t, std::string>> Lines(TextReader& reader)
{
    std::vector<std::pair<std::uint64_t, std::string>> lines;
    while (!reader.SkipBlanks()) {
        const std::uint64_t at = reader.Position();
        lines.emplace_back(at, std::string(reader.ReadLine()));
    }
    return lines;
}

// The offsets of the marker lines' '#', found line by line.
std::vector<std::uint64_t> MarkersLineByLine(TextReader& reader)
{
    std::vector<std::uint64_t> markers;
    for (const auto& [at, line] : Lines(reader))
        if (line.front() == '#')
            markers.push_back(at);
    return markers;
}

std::vector<std::uint64_t> MarkersBySearch(TextReader& reader)
{
    std::vector<std::uint64_t> markers;
    while (reader.SkipToLineStartingWith('#')) {
        markers.push_back(reader.Position());
        reader.ReadLine(0);
    }
    return markers;
}

std::string RandomBytes(unsigned seed, std::size_t size, const std::string& alphabet)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string bytes(size, ' ');
    for (char& c : bytes)
        c = alphabet[pick(random)];
    return bytes;
}

TEST(TextStream, ALineAcrossTheBufferIsReadWhole)
{
    TempDir dir;
    const std::string longLine(kBuffer + 100, 'x');
    const std::string bytes = "a\r\n" + longLine + "\r\nb";
    TextReader r = TextReader::OpenFile(dir.Write("f.dat", bytes));
    ASSERT_TRUE(r.ReadOk());
    EXPECT_EQ(r.ReadLine(), "a");
    EXPECT_EQ(r.ReadLine(), longLine);
    EXPECT_EQ(r.Position(), bytes.size() - 1);
    EXPECT_EQ(r.ReadLine(), "b");
    EXPECT_TRUE(r.AtEnd());

    TextReader cut = TextReader::OpenFile(dir.File("f.dat"));
    cut.ReadLine();
    EXPECT_EQ(cut.ReadLine(5), "xxxxx") << "the line is cut, yet passed whole";
    EXPECT_EQ(cut.ReadLine(), "b");
}

TEST(TextStream, ACrAtTheBufferEndTakesTheLfAfterIt)
{
    TempDir dir;
    const std::string bytes = std::string(kBuffer - 1, 'y') + "\r\nz\r\n";
    TextReader r = TextReader::OpenFile(dir.Write("f.dat", bytes));
    EXPECT_EQ(r.ReadLine().size(), kBuffer - 1);
    EXPECT_EQ(r.ReadLine(), "z") << "the LF belongs to the line end, not to the next line";
    EXPECT_TRUE(r.AtEnd());
}

TEST(TextStream, CtrlZInALaterBufferEndsTheText)
{
    TempDir dir;
    const std::string bytes = std::string(kBuffer + 10, ' ') + "7 x\x1A" + "9\r\n";
    TextReader r = TextReader::OpenFile(dir.Write("f.dat", bytes));
    EXPECT_EQ(r.ReadIntegerLine(), 7);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.Position(), kBuffer + 13);
}

TEST(TextStream, AMissingFileReadsAsEmpty)
{
    TempDir dir;
    TextReader r = TextReader::OpenFile(dir.File("missing.dat"));
    EXPECT_FALSE(r.ReadOk());
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_FALSE(r.SkipToLineStartingWith('#'));
    EXPECT_FALSE(TextReader::OpenFile("").ReadOk());
    TextReader folder = TextReader::OpenFile(dir.File("."));
    EXPECT_TRUE(folder.AtEnd());
    EXPECT_FALSE(folder.ReadOk()) << "a folder opens but cannot be read";
}

TEST(TextStream, TheFileReadsAsTheSameBytesInMemory)
{
    TempDir dir;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const std::string bytes = RandomBytes(seed, 3 * kBuffer + seed, "ab  #\r\r\n\n\t");
        TextReader memory(bytes);
        TextReader file = TextReader::OpenFile(dir.Write("f.dat", bytes));
        EXPECT_EQ(Lines(memory), Lines(file)) << seed;
    }
}

// Numbers read a line at a time, each with where it leaves the reader.
std::vector<std::pair<double, std::uint64_t>> Numbers(TextReader& reader)
{
    std::vector<std::pair<double, std::uint64_t>> numbers;
    for (int i = 0; !reader.AtEnd(); ++i) {
        const double value = i % 3 == 2 ? static_cast<double>(reader.ReadIntegerLine()) : reader.ReadRealLine();
        numbers.emplace_back(value, reader.Position());
    }
    return numbers;
}

TEST(TextStream, NumbersReadFromTheFileAsFromMemory)
{
    TempDir dir;
    // Short tokens among blanks and line ends, then long ones cut at their
    // length limit, across the buffer boundaries.
    unsigned seed = 0;
    for (const std::string alphabet : {"0123456789.-e  \r\r\n\n\t", "0123456789012345678901234567890123456789.\r"})
        for (int k = 0; k < 3; ++k) {
            ++seed;
            const std::string bytes = RandomBytes(seed, 3 * kBuffer + seed, alphabet);
            TextReader memory(bytes);
            TextReader file = TextReader::OpenFile(dir.Write("f.dat", bytes));
            EXPECT_EQ(Numbers(memory), Numbers(file)) << seed;
        }
}

TEST(TextStream, TheMarkerSearchFindsWhatTheLinesShow)
{
    TempDir dir;
    const std::vector<std::string> alphabets = {"a #\r\n", "#\r\r\n ", "ab #\r\n\n\t\x1A", "#a\r"};
    unsigned seed = 0;
    for (const std::string& alphabet : alphabets) {
        for (int k = 0; k < 50; ++k) {
            const std::string bytes = RandomBytes(++seed, 40, alphabet);
            TextReader lines(bytes);
            TextReader search(bytes);
            EXPECT_EQ(MarkersLineByLine(lines), MarkersBySearch(search)) << testing::PrintToString(bytes);
        }
        const std::string big = RandomBytes(++seed, 2 * kBuffer + 7, alphabet);
        TextReader lines(big);
        TextReader search = TextReader::OpenFile(dir.Write("f.dat", big));
        EXPECT_EQ(MarkersLineByLine(lines), MarkersBySearch(search)) << alphabet;
    }
}

TEST(TextStream, TheMarkerSearchCarriesALineAcrossTheBuffer)
{
    TempDir dir;
    // The line "x ... #" spans the boundary, so its '#' starts no marker;
    // the blanks and CR in front of the next '#' do.
    const std::string bytes = "x" + std::string(kBuffer, ' ') + "#\r" + std::string(kBuffer, ' ') + "#\r\n";
    TextReader r = TextReader::OpenFile(dir.Write("f.dat", bytes));
    ASSERT_TRUE(r.SkipToLineStartingWith('#'));
    EXPECT_EQ(r.Position(), 2 * kBuffer + 3);
    r.ReadLine(0);
    EXPECT_FALSE(r.SkipToLineStartingWith('#'));
}

}  // namespace
