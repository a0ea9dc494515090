#include "date_time_text.h"

#include <cstdio>

namespace {

constexpr std::size_t kYearDigits = 2;
constexpr std::size_t kTimeLength = 5;
constexpr int kHalfDay = 12;

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string FourDigitYearPattern(std::string_view shortDatePattern)
{
    std::string pattern;
    bool quoted = false;
    for (std::size_t at = 0; at < shortDatePattern.size();) {
        const char c = shortDatePattern[at];
        if (c == '\'')
            quoted = !quoted;
        if (quoted || c != 'y') {
            pattern += c;
            ++at;
            continue;
        }
        const std::size_t run = shortDatePattern.find_first_not_of('y', at);
        const std::size_t length = (run == std::string_view::npos ? shortDatePattern.size() : run) - at;
        pattern.append(length == kYearDigits ? 2 * kYearDigits : length, 'y');
        at += length;
    }
    return pattern;
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
