#include <gtest/gtest.h>

#include "example_record.h"
#include "store/record_list.h"
#include "store/record_reader.h"

namespace {

// A record of the given points (x, y pairs) and readings, hand-written.
std::string Record(const std::string& date, std::vector<double> xy, const std::vector<std::string>& readings)
{
    std::string text = Cp("\r\n#\r\nДата: " + date + "\r\nВремя: 09:15\r\n0.1   Погрешность\r\n") +
                       std::to_string(xy.size() / 2) + "\r\n8\r\n";
    for (double v : xy)
        text += std::to_string(v) + "\r\n";
    for (const auto& r : readings)
        text += r + "\r\n";
    return text;
}

}  // namespace

TEST(RecordEdges, EmptyReadingCutsTheReadings)
{
    TempDir dir;
    const auto file = dir.Write("d.dat", Record("01.01.2020", {1, 2}, {"0.5", "", "0.7"}));
    const RecordBody r = ReadRecord(file, 1).body;
    EXPECT_EQ(r.readings, std::vector<std::string>{"0.5"});
    EXPECT_EQ(r.ReadingRows(), 2);
}

TEST(RecordEdges, ReadingStartingWithMarkerIsAFurtherRecord)
{
    TempDir dir;
    const auto file = dir.Write("d.dat", Record("01.01.2020", {1, 2}, {"0.5", "#1", "x"}));
    EXPECT_EQ(ListRecordEntries(file).size(), 2u);
    EXPECT_EQ(ReadRecord(file, 1).body.readings, std::vector<std::string>{"0.5"});
}

TEST(RecordEdges, TwoMarkersInARow)
{
    // The list takes the second marker as the first one's date line; the load
    // counts both.
    TempDir dir;
    const auto file = dir.Write("d.dat", "\r\n#\r\n" + Record("02.02.2020", {3, 4}, {"0.9"}));
    const auto entries = ListRecordEntries(file);
    ASSERT_EQ(entries.size(), 1u);
    const RecordBody r = ReadRecord(file, 2).body;
    EXPECT_EQ(r.pointCount, 1);
    EXPECT_EQ(r.x, std::vector<double>{3});
    EXPECT_EQ(r.readings, std::vector<std::string>{"0.9"});
}

TEST(RecordEdges, HandEditedRecordWithWordsAndBlankLinesLoadsTheSameNumbers)
{
    TempDir dir;
    const auto file = dir.Write("d.dat", Cp("junk\r\n  #x\r\nДата: 03.03.2021\r\nВремя: 10:00\r\n\r\n  \t 0.2 допуск\r\n\r\n"
                                            "2 точки\r\n\r\n8 и ещё\r\n1.5 a\r\n\r\n   2.5 b\r\n3e0 c\r\n4 d\r\n0.1\r\n"));
    const RecordBody r = ReadRecord(file, 1).body;
    EXPECT_DOUBLE_EQ(r.tolerance, 0.2);
    ASSERT_EQ(r.pointCount, 2);
    EXPECT_EQ(r.x, (std::vector<double>{1.5, 3}));
    EXPECT_EQ(r.y, (std::vector<double>{2.5, 4}));
    EXPECT_EQ(r.readings, std::vector<std::string>{"0.1"});
    EXPECT_EQ(ListRecordEntries(file).Text(1), "03.03.2021  10:00");
}

TEST(RecordEdges, CountAboveThePairsTakesTheNextTokens)
{
    // Count 2 with one pair: the second pair is the reading and the next
    // record's marker line (no number: 0); the readings then start inside the
    // next record.
    TempDir dir;
    std::string first = Record("01.01.2020", {1, 2}, {"0.5"});
    first.replace(first.find("1\r\n8"), 1, "2");
    const auto file = dir.Write("d.dat", first + Record("02.02.2020", {7, 8}, {}));
    const RecordBody r = ReadRecord(file, 1).body;
    EXPECT_EQ(r.pointCount, 2);
    EXPECT_EQ(r.x, (std::vector<double>{1, 0.5}));
    EXPECT_EQ(r.y, (std::vector<double>{2, 0}));
    ASSERT_FALSE(r.readings.empty());
    EXPECT_EQ(r.readings.front(), Cp("Дата: 02.02.2020"));
}

TEST(RecordEdges, MissingRecordChangesNoPoint)
{
    TempDir dir;
    const auto file = dir.Write("d.dat", ExampleRecordBytes());
    for (long long n : {0LL, 2LL, -1LL}) {
        const LoadedRecord record = ReadRecord(file, n);
        EXPECT_FALSE(record.found);
        EXPECT_EQ(record.markers, 1);
        EXPECT_TRUE(record.body.readings.empty());
        EXPECT_EQ(record.body.ReadingRows(), 2);
    }
    EXPECT_FALSE(ReadRecord(dir.File("missing.dat"), 1).found);
    EXPECT_EQ(ReadRecord(dir.File("missing.dat"), 1).body.ReadingRows(), 2);
    EXPECT_TRUE(ListRecordEntries(dir.File("missing.dat")).empty());
    EXPECT_TRUE(ListRecordEntries("").empty());
}

TEST(RecordEdges, FirstLineIsTestedAsItStandsByTheLoad)
{
    // "  #" as first line counts for the list but not for the load.
    TempDir dir;
    const auto file = dir.Write("d.dat", "  #\r\nd\r\nt\r\n" + Record("01.01.2020", {1, 2}, {}));
    EXPECT_EQ(ListRecordEntries(file).size(), 2u);
    EXPECT_EQ(ReadRecord(file, 1).body.x, std::vector<double>{1});
}

TEST(RecordEdges, CountAbove1000KeepsTheFirst1000PointsAndNoReadings)
{
    TempDir dir;
    std::string text = "#\r\nd\r\nt\r\n0.3\r\n1200\r\n8\r\n";
    for (int i = 1; i <= 1200; ++i)
        text += std::to_string(i) + "\r\n" + std::to_string(-i) + "\r\n";
    const RecordBody r = ReadRecord(dir.Write("d.dat", text), 1).body;
    EXPECT_EQ(r.pointCount, 1200);
    EXPECT_DOUBLE_EQ(r.tolerance, 0.3);
    ASSERT_EQ(r.x.size(), 1000u);
    EXPECT_DOUBLE_EQ(r.x[999], 1000);
    EXPECT_DOUBLE_EQ(r.y[999], -1000);
    EXPECT_TRUE(r.readings.empty());
}

TEST(RecordEdges, CountsKeepTheirLow16Bits)
{
    TempDir dir;
    const auto file = dir.Write("d.dat", "#\r\nd\r\nt\r\n0.3\r\n65537\r\n65544\r\n4\r\n5\r\n");
    const RecordBody r = ReadRecord(file, 1).body;
    EXPECT_EQ(r.pointCount, 1);
    EXPECT_EQ(r.storedDecimals, 8);
    EXPECT_EQ(r.y, std::vector<double>{5});
}

TEST(RecordEdges, ListCutsAndPadsTheFields)
{
    TempDir dir;
    const auto file = dir.Write("d.dat", Cp("#\r\nДата: 5.3.2007\r\nВремя: 9:05:\r\n"
                                            "#\r\nДата: 05.03.202007\r\nВремя: 14:27 extra\r\n"
                                            "#\r\nДата\r\n\r\n"
                                            "#\r\nДата: 05.03.2007"));
    const auto entries = ListRecordEntries(file);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries.Text(1), "    5.3.2007  9:05:");
    EXPECT_EQ(entries.Text(2), "05.03.2020  14:27");
    EXPECT_EQ(entries.Text(3), std::string(20, ' ') + " ");
    EXPECT_EQ(entries.Text(4), "05.03.2007 ");
}
