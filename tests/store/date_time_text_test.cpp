#include <gtest/gtest.h>

#include "store/date_time_text.h"

TEST(DatePattern, TwoDigitYearsGetFourDigits)
{
    EXPECT_EQ(FourDigitYearPattern("dd.MM.yy"), "dd.MM.yyyy");
    EXPECT_EQ(FourDigitYearPattern("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(FourDigitYearPattern("yy. M. d."), "yyyy. M. d.");
    EXPECT_EQ(FourDigitYearPattern("yy-MM-dd yy"), "yyyy-MM-dd yyyy");
}

TEST(DatePattern, EverythingElseStays)
{
    EXPECT_EQ(FourDigitYearPattern("yyyy-MM-dd"), "yyyy-MM-dd");
    EXPECT_EQ(FourDigitYearPattern("dd.MM.yyyy"), "dd.MM.yyyy");
    EXPECT_EQ(FourDigitYearPattern("d.M.y"), "d.M.y");
    EXPECT_EQ(FourDigitYearPattern("dd.MM.yyy"), "dd.MM.yyy");
    EXPECT_EQ(FourDigitYearPattern("dd 'yy' MM yy"), "dd 'yy' MM yyyy") << "quoted text is literal";
    EXPECT_EQ(FourDigitYearPattern("dd''yy"), "dd''yyyy");
    EXPECT_EQ(FourDigitYearPattern(""), "");
}

TEST(TimeText, TwentyFourHourClock)
{
    const TimeFormat zero;
    EXPECT_EQ(TimeTextFrom(14, 27, 5, zero), "14:27");
    EXPECT_EQ(TimeTextFrom(9, 5, 7, zero), "09:05");
    EXPECT_EQ(TimeTextFrom(0, 0, 0, zero), "00:00");
    TimeFormat noZero;
    noZero.leadingZeroHour = false;
    EXPECT_EQ(TimeTextFrom(9, 5, 7, noZero), "9:05:");
    EXPECT_EQ(TimeTextFrom(23, 59, 59, noZero), "23:59");
}

TEST(TimeText, TwelveHourClock)
{
    TimeFormat after;
    after.twelveHour = true;
    after.leadingZeroHour = false;
    EXPECT_EQ(TimeTextFrom(14, 27, 5, after), "2:27:");
    EXPECT_EQ(TimeTextFrom(0, 10, 0, after), "12:10");
    EXPECT_EQ(TimeTextFrom(12, 10, 0, after), "12:10");
    TimeFormat before = after;
    before.designatorFirst = true;
    before.pmDesignator = "pm";
    EXPECT_EQ(TimeTextFrom(14, 27, 5, before), "pm 2:");
    EXPECT_EQ(TimeTextFrom(9, 27, 5, before), "AM 9:");
    before.leadingZeroHour = true;
    EXPECT_EQ(TimeTextFrom(21, 7, 5, before), "pm 09");
}
