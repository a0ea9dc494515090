#include <gtest/gtest.h>

#include <filesystem>

#include "store/settings_file.h"
#include "store/whole_file.h"
#include "temp_dir.h"

TEST(Settings, FirstLineNamesTheDataFile)
{
    TempDir dir;
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("a.ini", "C:\\data\\lab.dat\r\nsecond\r\n")).bytes, "C:\\data\\lab.dat");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("b.ini", " lab 1.dat ")).bytes, " lab 1.dat ");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("c.ini", "lab.dat\nsecond\n")).bytes, "lab.dat");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("d.ini", "\r\nlab.dat\r\n")).bytes, "");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("e.ini", "")).bytes, "");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("f.ini", "lab\x1A.dat")).bytes, "lab");
    EXPECT_EQ(DataFileNameFromSettings(dir.File("missing.ini")).bytes, "");
}

// Names short enough for a string's own buffer and longer ones, ended every
// way an editor or a shell leaves them.
TEST(Settings, EveryLengthAndLineEndGivesTheWholeName)
{
    TempDir dir;
    for (const std::size_t length : {1, 15, 16, 300}) {
        const std::string name = std::string(length - 1, 'n') + "x";
        for (const std::string end : {"\r\n", "\n", "\r", ""}) {
            const std::string rest = end.empty() ? "" : "second.dat" + end;
            EXPECT_EQ(DataFileNameFromSettings(dir.Write("a.ini", name + end + rest)).bytes, name)
                << length << " bytes, line end of " << end.size() << " bytes";
        }
    }
}

TEST(Settings, AByteOrderMarkIsPassedOver)
{
    TempDir dir;
    const SettingsLine line = DataFileNameFromSettings(dir.Write("a.ini", "\xEF\xBB\xBFlab.dat\r\n"));
    EXPECT_EQ(line.bytes, "lab.dat");
    EXPECT_FALSE(line.utf8);
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("b.ini", "\xEF\xBB\xBF")).bytes, "");
    EXPECT_EQ(DataFileNameFromSettings(dir.Write("c.ini", "\xEF\xBBlab.dat")).bytes, "\xEF\xBBlab.dat")
        << "only a whole mark is passed over";
}

TEST(Settings, AUtf8LineIsTakenAsUtf8)
{
    TempDir dir;
    const std::string utf8Name = "\xD0\xBB\xD0\xB0\xD0\xB1.dat";  // "лаб.dat"
    const SettingsLine plain = DataFileNameFromSettings(dir.Write("a.ini", utf8Name + "\r\n"));
    EXPECT_EQ(plain.bytes, utf8Name);
    EXPECT_TRUE(plain.utf8);
    const SettingsLine marked = DataFileNameFromSettings(dir.Write("b.ini", "\xEF\xBB\xBF" + utf8Name + "\n"));
    EXPECT_EQ(marked.bytes, utf8Name);
    EXPECT_TRUE(marked.utf8);
}

TEST(Settings, OtherLinesStayWindows1251)
{
    TempDir dir;
    const SettingsLine cp1251 = DataFileNameFromSettings(dir.Write("a.ini", "\xEB\xE0\xE1.dat\r\n"));
    EXPECT_EQ(cp1251.bytes, "\xEB\xE0\xE1.dat");
    EXPECT_FALSE(cp1251.utf8);
    // "Рґ" in Windows-1251 happens to be well-formed UTF-8 (U+0434).
    EXPECT_TRUE(DataFileNameFromSettings(dir.Write("b.ini", "\xD0\xB4")).utf8);
    EXPECT_FALSE(DataFileNameFromSettings(dir.Write("c.ini", "\xD0\xB4\xD0")).utf8) << "a cut sequence";
    EXPECT_FALSE(DataFileNameFromSettings(dir.Write("d.ini", "\xC0\xAF.dat")).utf8) << "an overlong form";
    EXPECT_FALSE(DataFileNameFromSettings(dir.Write("e.ini", "lab.dat")).utf8) << "plain ASCII";
    EXPECT_FALSE(DataFileNameFromSettings(dir.Write("f.ini", "lab.dat\r\n\xD0\xBB")).utf8)
        << "only the first line counts";
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
