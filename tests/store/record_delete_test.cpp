#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "example_record.h"
#include "store/record_delete.h"
#include "store/record_list.h"

namespace {

// A file written by the program: three records, one of them hand-edited
// with blank lines and indented numbers.
const std::string kPreamble = "notes\r\n";
std::string RecordA() { return ExampleRecordBytes(); }
std::string RecordB() { return Cp("\r\n#\r\nДата: 06.03.2007\r\nВремя: 10:00\r\n\r\n   0.1 x\r\n\r\n0\r\n8\r\n  0.5\r\n"); }
std::string RecordC() { return "\r\n#\r\nd\r\nt\r\n1\r\n1\r\n8\r\n1\r\n2\r\n0.4"; }

std::string ThreeRecords() { return kPreamble + RecordA() + RecordB() + RecordC(); }

// The record bytes as deleting cuts them: from the marker line to the next
// marker line, so the separator in front of a record stays with the one
// before it.
std::string WithoutSeparator(const std::string& record) { return record.substr(2); }

}  // namespace

TEST(RecordDelete, RemovesOnlyTheLinesOfRecordN)
{
    const std::string all = ThreeRecords();
    const std::string a = WithoutSeparator(RecordA()) + "\r\n";
    const std::string b = WithoutSeparator(RecordB()) + "\r\n";
    const std::string c = WithoutSeparator(RecordC());
    struct Case {
        long long n;
        std::string expected;
    };
    const Case cases[] = {
        {1, kPreamble + "\r\n" + b + c},
        {2, kPreamble + "\r\n" + a + c},
        {3, kPreamble + "\r\n" + a + b},
        {0, a + b + c},
        {4, all},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto file = dir.Write("data.dat", all);
        EXPECT_TRUE(DeleteRecordLines(file, c.n)) << c.n;
        EXPECT_EQ(Slurp(file), c.expected) << c.n;
        EXPECT_EQ(dir.FileCount(), 1) << c.n;
    }
}

TEST(RecordDelete, RecordsAfterItMoveUpAndStillList)
{
    TempDir dir;
    const auto file = dir.Write("data.dat", ThreeRecords());
    ASSERT_TRUE(DeleteRecordLines(file, 1));
    const auto entries = ListRecordEntries(file);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.Text(1), "06.03.2007  10:00");
    ASSERT_TRUE(DeleteRecordLines(file, 2));
    ASSERT_TRUE(DeleteRecordLines(file, 1));
    EXPECT_TRUE(ListRecordEntries(file).empty());
    EXPECT_EQ(Slurp(file), kPreamble + "\r\n");
}

TEST(RecordDelete, MarkersCountAsTheLoadCountsThem)
{
    // First line "#" counts; a later line counts after leading blanks, even
    // after a lone LF; a first line "  #" does not.
    const std::string text = "#1\r\n  #2\r\nx\r\n\t\n#3\r\n";
    EXPECT_EQ(RecordLines(text, 1).begin, 0u);
    EXPECT_EQ(RecordLines(text, 2).begin, 4u);
    EXPECT_EQ(RecordLines(text, 2).end, 13u);
    EXPECT_EQ(RecordLines(text, 3).end, text.size());
    EXPECT_EQ(RecordLines("  #\r\n#\r\n", 1).begin, 5u);
}

TEST(RecordDelete, BytesAfterCtrlZStay)
{
    TempDir dir;
    const auto file = dir.Write("data.dat", "#\r\na\r\n#\r\nb\x1A#\r\ntrailing");
    ASSERT_TRUE(DeleteRecordLines(file, 2));
    EXPECT_EQ(Slurp(file), "#\r\na\r\n\x1A#\r\ntrailing");
}

TEST(RecordDelete, MissingFileIsAFailureAndStaysMissing)
{
    TempDir dir;
    EXPECT_FALSE(DeleteRecordLines(dir.File("missing.dat"), 1));
    EXPECT_FALSE(DeleteRecordLines("", 1));
    EXPECT_EQ(dir.FileCount(), 0);
}

TEST(RecordDelete, FailedReplaceLeavesTheFileAsItWas)
{
    // A data file that cannot be written stays, and no temporary file is left.
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    const auto file = dir.Write("data.dat", ThreeRecords());
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_FALSE(DeleteRecordLines(file, 2));
    EXPECT_EQ(Slurp(file), ThreeRecords());
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(DeleteRecordLines(file, 2));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(Slurp(file), ThreeRecords());
    EXPECT_EQ(dir.FileCount(), 1);
}

TEST(RecordDelete, NoRoomForTheTemporaryNameLeavesTheFileAsItWas)
{
    TempDir dir;
    const auto file = dir.Write(std::string(250, 'd'), ThreeRecords());
    EXPECT_FALSE(DeleteRecordLines(file, 2));
    EXPECT_EQ(Slurp(file), ThreeRecords());
    EXPECT_EQ(dir.FileCount(), 1);
}

TEST(RecordDelete, ADataFileThatIsNoFileIsLeftAlone)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder.dat"));
    EXPECT_FALSE(DeleteRecordLines(dir.File("folder.dat"), 1));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.dat")));
}

TEST(RecordDelete, ReplacesTheTargetOfALinkAndKeepsItsPermissions)
{
    TempDir dir;
    const auto target = dir.Write("target.dat", ThreeRecords());
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    const auto link = dir.File("link.dat");
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(DeleteRecordLines(link, 3));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Slurp(target), kPreamble + ExampleRecordBytes() + RecordB() + "\r\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
    EXPECT_EQ(dir.FileCount(), 2);
}
