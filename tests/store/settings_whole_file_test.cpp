#include <gtest/gtest.h>

#include <filesystem>

#include "store/settings_file.h"
#include "store/whole_file.h"
#include "temp_dir.h"

TEST(Settings, FirstLineNamesTheDataFile)
{
    TempDir dir;
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("a.ini", "C:\\data\\lab.dat\r\nsecond\r\n")), "C:\\data\\lab.dat");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("b.ini", " lab 1.dat ")), " lab 1.dat ");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("c.ini", "lab.dat\nsecond\n")), "lab.dat");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("d.ini", "\r\nlab.dat\r\n")), "");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("e.ini", "")), "");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("f.ini", "lab\x1A.dat")), "lab");
    EXPECT_EQ(DataFileNameFromSettings(dir.File("missing.ini")), "");
}

TEST(WholeFile, ReadsAndWritesRawBytes)
{
    TempDir dir;
    const std::string bytes = std::string("a\r\n\0\x1A\xFF\n", 7);
    ASSERT_TRUE(WriteWholeFile(dir.File("f.dat"), bytes));
    EXPECT_EQ(Slurp(dir.File("f.dat")), bytes);
    EXPECT_EQ(ReadWholeFile(dir.File("f.dat")), bytes);
    ASSERT_TRUE(WriteWholeFile(dir.File("f.dat"), "x"));
    EXPECT_EQ(ReadWholeFile(dir.File("f.dat")), "x");
    ASSERT_TRUE(WriteWholeFile(dir.File("empty.dat"), ""));
    EXPECT_EQ(ReadWholeFile(dir.File("empty.dat")), "");
}

TEST(WholeFile, ReportsWhatCannotBeOpenedOrCreated)
{
    TempDir dir;
    EXPECT_FALSE(ReadWholeFile(dir.File("missing.dat")));
    EXPECT_FALSE(ReadWholeFile(dir.Path().string()));
    EXPECT_FALSE(ReadWholeFile(""));
    EXPECT_FALSE(WriteWholeFile(dir.File("no/folder.dat"), "x"));
    EXPECT_FALSE(WriteWholeFile(dir.Path().string(), "x"));
    EXPECT_FALSE(WriteWholeFile("", "x"));
    std::filesystem::create_directory(dir.File("folder.dat"));
    EXPECT_FALSE(WriteWholeFile(dir.File("folder.dat"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.dat")));
}

TEST(WholeFile, AFailedReplaceKeepsTheOldBytes)
{
    TempDir dir;
    const std::string file = dir.Write(std::string(250, 'e'), "old");
    EXPECT_FALSE(WriteWholeFile(file, "new"));
    EXPECT_EQ(Slurp(file), "old");
    EXPECT_EQ(dir.FileCount(), 1);
}
