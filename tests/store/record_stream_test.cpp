// Records read from files larger than the readers' buffer, so that records,
// lines and line ends fall across its boundaries.
#include <gtest/gtest.h>

#include "example_record.h"
#include "store/record_delete.h"
#include "store/record_list.h"
#include "store/record_reader.h"
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

    CalibrationState s;
    const RecordEntries entries = ListRecordEntries(s, file);
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(entries.Text(count), "05.03.2007  14:27");
    EXPECT_EQ(s.DateText, "05.03.2007");
    EXPECT_EQ(s.TimeText, " 14:27");

    for (const int n : {1, 2, 4, 77, count}) {
        const RecordReadings readings = ReadRecord(s, file, n);
        EXPECT_EQ(s.RecordCounter, n);
        EXPECT_EQ(s.MeasuredValues[1], n);
        ASSERT_EQ(readings.lines.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(readings.lines.back(), std::to_string(n));

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

}  // namespace
