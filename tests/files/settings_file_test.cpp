#include "data_folder.h"

namespace {

using SettingsFileTest = DataFolderTest;

TEST_F(SettingsFileTest, AUtf8NameWithAByteOrderMarkOpensThatFile)
{
    Write(QStringLiteral("tolvazen.ini"), "\xEF\xBB\xBF\xD0\xBB\xD0\xB0\xD0\xB1.dat\n");
    Write(QStringLiteral("лаб.dat"), ExampleRecord());
    Open(".");
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл: лаб.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 2);
    EXPECT_EQ(Listed(1), QStringLiteral("05.03.2007  14:27"));
}

TEST_F(SettingsFileTest, AWindows1251NameOpensThatFile)
{
    Write(QStringLiteral("tolvazen.ini"), "\xEB\xE0\xE1.dat\r\n");
    Write(QStringLiteral("лаб.dat"), ExampleRecord());
    Open(".");
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("Файл: лаб.dat"));
    EXPECT_EQ(form->StringGrid2->RowCount(), 2);
}

}  // namespace
