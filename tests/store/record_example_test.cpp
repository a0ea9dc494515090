#include <gtest/gtest.h>

#include <filesystem>

#include "example_record.h"
#include "store/record_list.h"
#include "store/record_reader.h"
#include "store/record_writer.h"

namespace {

const std::vector<std::string> kReadings = {"0.3", "0.75"};

bool AppendExample(const std::string& file, const CalibrationState& s = ExampleState())
{
    return AppendRecord(file, s, kReadings, "05.03.2007", "14:27");
}

}  // namespace

TEST(RecordExample, AppendsTheFifteenLinesByteForByte)
{
    TempDir dir;
    const std::string existing = Cp("Заметки\r\n");
    const std::string file = dir.Write("data.dat", existing);
    ASSERT_TRUE(AppendExample(file));
    EXPECT_EQ(Slurp(file), existing + ExampleRecordBytes());
}

TEST(RecordExample, ListsAsDateTwoBlanksAndTime)
{
    TempDir dir;
    const auto entries = ListRecordEntries(dir.Write("data.dat", ExampleRecordBytes()));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries.Text(1), "05.03.2007  14:27");
}

TEST(RecordExample, LoadsThreePointsRenumbered)
{
    TempDir dir;
    const LoadedRecord record = ReadRecord(dir.Write("data.dat", ExampleRecordBytes()), 1);
    EXPECT_EQ(record.markers, 1);
    const RecordBody& r = record.body;
    EXPECT_EQ(r.pointCount, 3);
    EXPECT_EQ(r.storedDecimals, 8);
    EXPECT_DOUBLE_EQ(r.tolerance, 0.05);
    EXPECT_EQ(r.x, (std::vector<double>{0, 5, 20}));
    EXPECT_EQ(r.y, (std::vector<double>{0.012, 0.26, 1.013}));
    EXPECT_EQ(r.readings, kReadings);
    EXPECT_EQ(r.ReadingRows(), 3);
}

TEST(RecordExample, AppendCreatesAMissingFile)
{
    TempDir dir;
    const std::string file = dir.File("new.dat");
    ASSERT_TRUE(AppendExample(file));
    EXPECT_EQ(Slurp(file), ExampleRecordBytes());
    ASSERT_TRUE(AppendExample(file));
    EXPECT_EQ(ListRecordEntries(file).size(), 2u);
}

TEST(RecordExample, AppendThroughADanglingLinkCreatesItsTarget)
{
    TempDir dir;
    const std::string link = dir.File("data.dat");
    std::filesystem::create_symlink("target.dat", link);
    ASSERT_TRUE(AppendExample(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Slurp(dir.File("target.dat")), ExampleRecordBytes());

    const std::string intoNoFolder = dir.File("lost.dat");
    std::filesystem::create_symlink(dir.File("no/such/target.dat"), intoNoFolder);
    EXPECT_FALSE(AppendExample(intoNoFolder));
    EXPECT_TRUE(std::filesystem::is_symlink(intoNoFolder));
}

TEST(RecordExample, AppendWithoutAFileNameWritesNothing)
{
    TempDir dir;
    EXPECT_FALSE(AppendExample(""));
    EXPECT_FALSE(AppendExample(dir.File("no/such/folder.dat")));
    EXPECT_EQ(dir.FileCount(), 0);
}

TEST(RecordExample, AppendCutsAtCtrlZInTheLast128BytesOnly)
{
    TempDir dir;
    const std::string tail = "#\r\nend\r\n";
    const std::string nearEnd = dir.Write("near.dat", tail + "\x1A" + std::string(120, 'x'));
    ASSERT_TRUE(AppendExample(nearEnd));
    EXPECT_EQ(Slurp(nearEnd), tail + ExampleRecordBytes());

    const std::string early = "a\x1A" + std::string(200, 'x');
    const std::string farFromEnd = dir.Write("far.dat", early);
    ASSERT_TRUE(AppendExample(farFromEnd));
    EXPECT_EQ(Slurp(farFromEnd), early + ExampleRecordBytes());
}

TEST(RecordExample, AppendAfterALastLineWithoutLineEnd)
{
    // The separator's CR LF completes the last reading; the marker follows
    // directly and both records still list and load.
    TempDir dir;
    std::string first = ExampleRecordBytes();
    first.resize(first.size() - 2);
    const std::string file = dir.Write("data.dat", first);
    ASSERT_TRUE(AppendExample(file));
    EXPECT_EQ(Slurp(file), first + ExampleRecordBytes());
    EXPECT_EQ(ListRecordEntries(file).size(), 2u);
    for (int n = 1; n <= 2; ++n) {
        const RecordBody r = ReadRecord(file, n).body;
        EXPECT_EQ(r.readings, kReadings);
        EXPECT_EQ(r.pointCount, 3);
    }
}

TEST(RecordExample, WriterTakesTheFlagsAndTheActiveCountAsTheyStand)
{
    // A point with no flag set is written; the count line is ActiveCount even
    // when the flags disagree, and without readings no reading line follows.
    CalibrationState s = ExampleState();
    s.PointExcluded[1] = 0;
    s.ActiveCount = 7;
    const std::string text = RecordText(s, {}, "d", "t");
    EXPECT_NE(text.find(Cp("7       Кол-во точек\r\n")), std::string::npos);
    EXPECT_NE(text.find("0.00000000    = X%(1)\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 22), "1.01300000    = D(4)\r\n");
    EXPECT_EQ(text.find("X%(3)"), std::string::npos);
}

TEST(RecordExample, WriterStopsAtPoint1001WithTheRangeErrorAndWritesNothing)
{
    TempDir dir;
    CalibrationState s = ExampleState();
    s.PointCount = 1001;
    const std::string file = dir.Write("data.dat", "keep");
    EXPECT_THROW(AppendExample(file, s), RunError);
    EXPECT_EQ(Slurp(file), "keep");
}
