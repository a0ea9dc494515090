#include <gtest/gtest.h>

#include "store/date_time_text.h"

TEST(DateText, TwoDigitYearsGetTheCentury)
{
    EXPECT_EQ(DateTextFrom("05.03.07"), "05.03.2007");
    EXPECT_EQ(DateTextFrom("5.3.07"), "5.3.2007");
    EXPECT_EQ(DateTextFrom("05/03/07"), "05/03/2007");
}

TEST(DateText, FourDigitYearsStayAsTheyAre)
{
    EXPECT_EQ(DateTextFrom("05.03.2007"), "05.03.2007");
    EXPECT_EQ(DateTextFrom("5.3.2007"), "5.3.2007");
}

TEST(DateText, ShortRenderings)
{
    EXPECT_EQ(DateTextFrom("07"), "2007");
    EXPECT_EQ(DateTextFrom("7"), "207");
    EXPECT_EQ(DateTextFrom(""), "20");
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
