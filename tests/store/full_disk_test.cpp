// Appends and saves on a full disk, which a file size limit in a child
// process stands in for.
#include <gtest/gtest.h>

#include <filesystem>

#include "child_process.h"
#include "example_record.h"
#include "store/record_list.h"
#include "store/record_writer.h"
#include "store/whole_file.h"

namespace {

constexpr int kAppended = 1;
constexpr int kRefused = 0;

int AppendExample(const std::string& file)
{
    return AppendRecord(file, ExampleState(), {"0.3", "0.75"}, "05.03.2007", "14:27") ? kAppended : kRefused;
}

// The append in a child whose files may grow to `limit` bytes.
int AppendWithin(const std::string& file, rlim_t limit)
{
    return RunChild([&] {
        LimitFileSize(limit);
        return AppendExample(file);
    });
}

}  // namespace

TEST(FullDisk, AnAppendThatDoesNotFitLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::string old = ExampleRecordBytes();
    const std::string file = dir.Write("data.dat", old);
    for (const rlim_t room : {0, 1, 100}) {
        EXPECT_EQ(AppendWithin(file, old.size() + room), kRefused) << room;
        EXPECT_EQ(Slurp(file), old) << room;
    }
    EXPECT_EQ(dir.FileCount(), 1) << "no lock file stays";
    EXPECT_EQ(AppendWithin(file, 2 * old.size()), kAppended);
    EXPECT_EQ(Slurp(file), old + old);
    EXPECT_EQ(ListRecordEntries(file).size(), 2u);
}

TEST(FullDisk, TheCtrlZCutHappensOnlyWithAnAppendThatFits)
{
    TempDir dir;
    const std::string old = ExampleRecordBytes() + "\x1A" + std::string(60, 'z');
    const std::string file = dir.Write("data.dat", old);
    EXPECT_EQ(AppendWithin(file, old.size() + 10), kRefused);
    EXPECT_EQ(Slurp(file), old) << "the bytes after Ctrl-Z are back in place";
    EXPECT_EQ(AppendWithin(file, 2 * old.size()), kAppended);
    EXPECT_EQ(Slurp(file), ExampleRecordBytes() + ExampleRecordBytes());
}

TEST(FullDisk, ARecordShorterThanTheCutTailEndsTheFile)
{
    TempDir dir;
    const std::string old = "#\r\n\x1A" + std::string(120, 'z');
    const std::string file = dir.Write("data.dat", old);
    ASSERT_EQ(AppendExample(file), kAppended);
    EXPECT_EQ(Slurp(file), "#\r\n" + ExampleRecordBytes());
}

TEST(FullDisk, AFileThatCouldNotBeCreatedWholeIsNotLeftBehind)
{
    TempDir dir;
    EXPECT_EQ(AppendWithin(dir.File("new.dat"), 10), kRefused);
    EXPECT_EQ(RunChild([&] {
                  LimitFileSize(3);
                  return WriteWholeFile(dir.File("saved.dat"), "abcdef") ? 1 : 0;
              }),
              0);
    EXPECT_EQ(dir.FileCount(), 0);
    std::filesystem::create_symlink("target.dat", dir.File("link.dat"));
    EXPECT_EQ(AppendWithin(dir.File("link.dat"), 10), kRefused);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(dir.FileCount(), 1) << "the link stays, its target is not left behind";
}

TEST(FullDisk, ASaveThatDoesNotFitKeepsTheOldFileAndLeavesNoCopy)
{
    TempDir dir;
    const std::string file = dir.Write("data.dat", "old");
    EXPECT_EQ(RunChild([&] {
                  LimitFileSize(1000);
                  return WriteWholeFile(file, std::string(5000, 'n')) ? 1 : 0;
              }),
              0);
    EXPECT_EQ(Slurp(file), "old");
    EXPECT_EQ(dir.FileCount(), 1);
}
