#pragma once

#include <string>
#include <string_view>

// The date and time texts of a new record, built from what the window reads
// off the clock and the user's locale.

// The short date as the locale renders it, with the year made four digits:
// "20" goes in front of the last two characters when the character before
// them is not a digit (05.03.07 gives 05.03.2007, 5.3.07 gives 5.3.2007); a
// date that already ends in a four-digit year stays as it is.
std::string DateTextFrom(std::string_view shortDate);

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
