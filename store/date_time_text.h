#pragma once

#include <string>
#include <string_view>

// The date and time texts of a new record, built from what the window reads
// off the clock and the user's locale.

// The locale's short date pattern (d, M and y fields, text in single quotes
// taken literally, '' a quote) with every two-digit year field "yy" made the
// four-digit "yyyy"; everything else stays as it is, so dd.MM.yy gives
// dd.MM.yyyy and yyyy-MM-dd or yy. M. d. keep their order.
std::string FourDigitYearPattern(std::string_view shortDatePattern);

struct TimeFormat {
    // The hour with a leading zero (09) or without (9).
    bool leadingZeroHour = true;
    // 12-hour clock with the designators; else 24-hour.
    bool twelveHour = false;
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    // The designator stands in front of the time, else after it; one blank
    // lies between the two.
    bool designatorFirst = false;
};

// The first five characters of the time rendered as hour ':' minutes ':'
// seconds with the designator where the format places it: "14:27" for
// 14:27:05, "9:05:" for 9:05:07 without leading zero.
std::string TimeTextFrom(int hour, int minute, int second, const TimeFormat& format);
