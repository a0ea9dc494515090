#include <gtest/gtest.h>

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

}  // namespace
