// Records read from files larger than the readers' buffers, so that records,
// lines and line ends fall across their boundaries; the stream of every
// record against the load of one.
#include <gtest/gtest.h>

#include "example_record.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_stream.h"
#include "temp_dir.h"

namespace {

// Records of growing length, with date and time labels as long as the
// program's: record k has k readings and, from the fourth on, a run of
// blanks in front of its marker.
std::string GrowingRecords(int count)
{
    std::string bytes = "preamble\r\n";
    for (int k = 1; k <= count; ++k) {
        if (k > 3)
            bytes += std::string(static_cast<std::size_t>(k * 37 % 3000), ' ');
        bytes += "#\r\nDate: 05.03.2007\r\nTimer: 14:27\r\n0.05\r\n1\r\n8\r\n1\r\n" + std::to_string(k) + "\r\n";
        for (int r = 1; r <= k; ++r)
            bytes += std::to_string(r) + "\r\n";
        bytes += "\r\n";
    }
    return bytes;
}

TEST(RecordStream, ListLoadAndRangeAgreeAcrossBuffers)
{
    TempDir dir;
    const int count = 150;
    const std::string bytes = GrowingRecords(count);
    ASSERT_GT(bytes.size(), 3u << 16);
    const std::string file = dir.Write("big.dat", bytes);

    const RecordEntries entries = ListRecordEntries(file);
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(entries.Text(count), "05.03.2007  14:27");

    for (const int n : {1, 2, 4, 77, count}) {
        const LoadedRecord record = ReadRecord(file, n);
        EXPECT_EQ(record.markers, n);
        ASSERT_EQ(record.body.y.size(), 1u);
        EXPECT_EQ(record.body.y[0], n);
        const std::vector<std::string>& readings = record.body.readings;
        ASSERT_EQ(readings.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(readings.back(), std::to_string(n));

        const auto streamed = RecordLinesInFile(file, n);
        const ByteRange inMemory = RecordLines(bytes, n);
        ASSERT_TRUE(streamed);
        EXPECT_EQ(streamed->begin, inMemory.begin) << n;
        EXPECT_EQ(streamed->end, inMemory.end) << n;
        if (n == count)
            EXPECT_EQ(inMemory.end, bytes.size());
        else
            EXPECT_EQ(bytes[bytes.find_first_not_of(' ', inMemory.end)], '#') << "the next record's line starts";
    }
    EXPECT_EQ(RecordLinesInFile(file, 0)->end, 10u) << "the preamble";
    EXPECT_EQ(RecordLinesInFile(file, count + 1)->begin, RecordLinesInFile(file, count + 1)->end);
}


// A record of `points` points whose readings are `readings` lines, padded so
// that records of many sizes cross the reader's chunk boundaries.
std::string Record(int seed, int points, int readings)
{
    std::string text = "\r\n#\r\n" + Cp("Дата: 0") + std::to_string(seed % 9 + 1) + ".03.2007\r\n" + Cp("Время: 14:2") +
                       std::to_string(seed % 10) + "\r\n0.05000000\r\n" + std::to_string(points) + "\r\n8\r\n";
    for (int i = 1; i <= points; ++i)
        text += std::to_string(i * 5 + seed % 3) + ".25\r\n0." + std::to_string(100 + seed * 7 % 800 + i) + "\r\n";
    for (int r = 0; r < readings; ++r)
        text += "0." + std::to_string(seed + r) + std::string(static_cast<std::size_t>(seed % 97), 'x') + "\r\n";
    return text;
}

std::vector<StoredRecord> StreamAll(const std::string& fileName)
{
    RecordStream stream(fileName);
    std::vector<StoredRecord> records;
    StoredRecord record;
    while (stream.Next(record))
        records.push_back(record);
    EXPECT_FALSE(stream.Failed());
    RecordStream skipped(fileName);
    std::size_t count = 0;
    while (skipped.Skip())
        ++count;
    EXPECT_EQ(count, records.size()) << "records passed without reading them";
    return records;
}

// Each streamed record equals what the load of that one record reads.
void ExpectSameAsRecordReader(const std::string& fileName, const std::vector<StoredRecord>& records)
{
    for (const StoredRecord& record : records) {
        const RecordBody loaded = ReadRecord(fileName, record.number).body;
        ASSERT_EQ(record.pointCount, loaded.pointCount) << "record " << record.number;
        EXPECT_EQ(record.tolerance, loaded.tolerance);
        EXPECT_EQ(record.x, loaded.x) << "record " << record.number;
        EXPECT_EQ(record.y, loaded.y) << "record " << record.number;
        EXPECT_EQ(record.readings, loaded.readings) << "record " << record.number;
    }
}

TEST(RecordStream, ManyRecordsAcrossChunkBoundariesReadAsTheRecordReaderReadsThem)
{
    TempDir dir;
    std::string bytes;
    for (int r = 0; r < 12000; ++r)
        bytes += Record(r, r % 1000 == 7 ? 300 : r % 5 + 1, r % 1000 == 8 ? 400 : r % 4);
    ASSERT_GT(bytes.size(), 2u << 20) << "the file spans several chunks";
    const std::string file = dir.Write("many.dat", bytes);
    const std::vector<StoredRecord> records = StreamAll(file);
    ASSERT_EQ(records.size(), 12000u);
    EXPECT_EQ(records.back().number, 12000);
    std::vector<StoredRecord> sample;
    for (std::size_t i = 0; i < records.size(); i += 97)
        sample.push_back(records[i]);
    sample.push_back(records.back());
    ExpectSameAsRecordReader(file, sample);
}

// Records longer than the first view, with short ones after them up to the
// end of the file: none of those after is lost, whatever the long ones' size.
TEST(RecordStream, ShortRecordsAfterLongOnesAtTheEndOfTheFileAreRead)
{
    TempDir dir;
    for (const int points : {60, 100, 130, 200, 300, 600, 999}) {
        std::string bytes;
        for (int r = 0; r < 6; ++r)
            bytes += Record(r, r % 2 == 1 && r < 4 ? points : 3, 2);
        const std::string file = dir.Write("long.dat", bytes);
        const std::vector<StoredRecord> records = StreamAll(file);
        ASSERT_EQ(records.size(), 6u) << points << " points";
        ExpectSameAsRecordReader(file, records);
    }
}

// A record longer than the chunks the file is read in, between short ones.
TEST(RecordStream, ARecordLongerThanAChunkIsReadWhole)
{
    TempDir dir;
    const std::string bytes = Record(1, 3, 2) + Record(96, 999, 3000) + Record(2, 3, 2);
    ASSERT_GT(bytes.size(), 3 * kRecordStreamChunk);
    const std::string file = dir.Write("longer.dat", bytes);
    const std::vector<StoredRecord> records = StreamAll(file);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].readings.size(), 3000u);
    ExpectSameAsRecordReader(file, records);
}

TEST(RecordStream, CarriageReturnAndLineFeedSplitByAChunkEndStayOneLineEnd)
{
    TempDir dir;
    // Place the CR of a marker line as the last byte of the first chunk.
    const std::size_t chunk = kRecordStreamChunk;
    std::string bytes = ExampleRecordBytes();
    std::string filler(chunk - bytes.size() - 2, ' ');
    bytes += filler + "#\r\n" + Cp("Дата: 06.03.2007\r\nВремя: 09:15\r\n") + "0.1\r\n2\r\n8\r\n1\r\n2\r\n3\r\n4\r\n0.5\r\n";
    ASSERT_EQ(bytes[chunk - 1], '\r');
    const std::string file = dir.Write("split.dat", bytes);
    const std::vector<StoredRecord> records = StreamAll(file);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].head.dateField, "06.03.2007");
    EXPECT_EQ(records[1].head.timeField, " 09:15");
    ExpectSameAsRecordReader(file, records);
}

TEST(RecordStream, TheExampleRecordAndTheTextRulesOfTheReaders)
{
    TempDir dir;
    const std::vector<StoredRecord> example = StreamAll(dir.Write("example.dat", ExampleRecordBytes()));
    ASSERT_EQ(example.size(), 1u);
    EXPECT_EQ(example[0].head.dateField, "05.03.2007");
    EXPECT_EQ(example[0].pointCount, 3);
    EXPECT_EQ(example[0].x, (std::vector<double>{0, 5, 20}));
    EXPECT_EQ(example[0].readings, (std::vector<std::string>{"0.3", "0.75"}));

    // Ctrl-Z ends the text: the record after it does not exist.
    const std::string cut = dir.Write("cut.dat", ExampleRecordBytes() + "\x1a" + ExampleRecordBytes());
    EXPECT_EQ(StreamAll(cut).size(), 1u);
    // A first line that is a marker counts; a file without markers has none.
    const std::string first = dir.Write("first.dat", ExampleRecordBytes().substr(2));
    EXPECT_EQ(StreamAll(first).size(), 1u);
    EXPECT_TRUE(StreamAll(dir.Write("none.dat", "no records\r\n")).empty());
    EXPECT_TRUE(StreamAll(dir.Write("empty.dat", "")).empty());
    // A count above 1000 keeps the first 1000 points and reads no readings.
    const std::string big = dir.Write("big.dat", Cp("#\r\nДата: 05.03.2007\r\nВремя: 14:27\r\n0.05\r\n1001\r\n8\r\n"));
    const std::vector<StoredRecord> large = StreamAll(big);
    ASSERT_EQ(large.size(), 1u);
    EXPECT_EQ(large[0].pointCount, 1001);
    EXPECT_EQ(large[0].x.size(), 1000u);
    EXPECT_TRUE(large[0].readings.empty());
}

// The marker lines the load counts, whatever stands in front of them, and
// blank runs longer than the stream's first view.
TEST(RecordStream, FindsTheMarkerLinesTheLoadFinds)
{
    TempDir dir;
    const std::string body = "\r\nDate: 05.03.2007\r\nTimer: 14:27\r\n0.05\r\n1\r\n8\r\n1\r\n2\r\n3\r\n";
    const std::string blanks = std::string(2500, ' ') + "\r\n\n\t" + std::string(1500, ' ');
    for (const std::string& bytes : {" #" + body + "#" + body, "x#\r\n\n  \t#" + body + "a#b\r\n\r\r\n #" + body,
                                     "\n#" + body + blanks + "#" + body + blanks, blanks + "x#" + body + blanks + "#" + body}) {
        const std::string file = dir.Write("markers.dat", bytes);
        const std::vector<StoredRecord> records = StreamAll(file);
        EXPECT_EQ(static_cast<long long>(records.size()), ReadRecord(file, 1 << 30).markers) << bytes.substr(0, 20);
        ExpectSameAsRecordReader(file, records);
    }
}

TEST(RecordStream, AFileThatCannotBeOpenedIsNotOpen)
{
    RecordStream stream("/nonexistent/folder/lab.dat");
    StoredRecord record;
    EXPECT_FALSE(stream.IsOpen());
    EXPECT_FALSE(stream.Next(record));
}

}  // namespace
