#include <QTest>
#include <QToolButton>
#include <map>

#include "data_folder.h"
#include "store/code_page.h"
#include "ui/record_clock.h"

namespace {

std::string DateIn(const char* localeName, int year, int month, int day)
{
    return Cp1251ToUtf8(RecordDateText(QDate(year, month, day), QLocale(QString::fromLatin1(localeName))));
}

TEST(RecordDate, TwoDigitYearLocalesWriteFourDigits)
{
    EXPECT_EQ(DateIn("de_DE", 2007, 3, 5), "05.03.2007");
    EXPECT_EQ(DateIn("en_US", 2007, 3, 5), "3/5/2007");
    EXPECT_EQ(DateIn("ko_KR", 2007, 3, 5), "2007. 3. 5.");
}

TEST(RecordDate, OtherLocalesWriteTheirOwnRendering)
{
    EXPECT_EQ(DateIn("sv_SE", 2007, 3, 5), "2007-03-05");
    EXPECT_EQ(DateIn("ru_RU", 2007, 3, 5), "05.03.2007");
    EXPECT_EQ(DateIn("ru_RU", 1999, 12, 31), "31.12.1999") << "the century is the date's own";
    EXPECT_EQ(DateIn("de_DE", 1999, 12, 31), "31.12.1999");
}

using SystemLocaleDateTest = DataFolderTest;

// A record saved in the window carries today's date in the user's locale
// with a four-digit year. The test runs under each of these locales as a
// test of its own (tests/files/CMakeLists.txt) and is skipped under others.
TEST_F(SystemLocaleDateTest, ASavedRecordsDateHasFourYearDigits)
{
    const std::map<QString, QString> patterns = {{"sv_SE", "yyyy-MM-dd"},
                                                 {"ko_KR", "yyyy. M. d."},
                                                 {"en_US", "M/d/yyyy"},
                                                 {"de_DE", "dd.MM.yyyy"},
                                                 {"ru_RU", "dd.MM.yyyy"}};
    const auto pattern = patterns.find(QLocale::system().name());
    if (pattern == patterns.end())
        GTEST_SKIP() << "locale " << QLocale::system().name().toStdString();

    Start(ExampleRecord());
    ClickRecord(1);
    QTest::mouseClick(form->ToolButton2, Qt::LeftButton);
    Settle();
    const std::string file = Read(QStringLiteral("lab.dat"));
    const std::string label = Cp("Дата: ");
    const std::size_t at = file.rfind(label) + label.size();
    const std::string saved = file.substr(at, file.find('\r', at) - at);
    EXPECT_EQ(saved, QDate::currentDate().toString(pattern->second).toStdString());
}

}  // namespace
