#include "date_time_text.h"

#include <cstdio>

namespace {

constexpr std::size_t kYearDigits = 2;
constexpr std::size_t kTimeLength = 5;
constexpr int kHalfDay = 12;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string DateTextFrom(std::string_view shortDate)
{
    if (shortDate.size() < kYearDigits)
        return "20" + std::string(shortDate);
    const std::size_t split = shortDate.size() - kYearDigits;
    if (split > 0 && IsDigit(shortDate[split - 1]))
        return std::string(shortDate);
    return std::string(shortDate.substr(0, split)) + "20" + std::string(shortDate.substr(split));
}

std::string TimeTextFrom(int hour, int minute, int second, const TimeFormat& format)
{
    int shownHour = hour;
    if (format.twelveHour) {
        shownHour = hour % kHalfDay;
        if (shownHour == 0)
            shownHour = kHalfDay;
    }
    std::string time = format.leadingZeroHour ? TwoDigits(shownHour) : std::to_string(shownHour);
    time += ":" + TwoDigits(minute) + ":" + TwoDigits(second);
    if (format.twelveHour) {
        const std::string& designator = hour < kHalfDay ? format.amDesignator : format.pmDesignator;
        time = format.designatorFirst ? designator + " " + time : time + " " + designator;
    }
    return time.substr(0, kTimeLength);
}
