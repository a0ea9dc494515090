#include "history/event_time.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

QString EventTime(long long msecsSinceEpoch)
{
    constexpr long long kMsecs = 1000;
    constexpr long kSecondsPerHour = 3600;
    constexpr long kSecondsPerMinute = 60;
    long long seconds = msecsSinceEpoch / kMsecs;
    long long msecs = msecsSinceEpoch % kMsecs;
    if (msecs < 0) {
        msecs += kMsecs;
        --seconds;
    }
    const std::time_t at = static_cast<std::time_t>(seconds);
    // The zone is read again, as a change of the system's zone would be.
    ::tzset();
    std::tm local {};
    if (::localtime_r(&at, &local) == nullptr)
        return {};
    char text[48];
    int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03lld", local.tm_year + 1900,
                               local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, msecs);
    const long offset = local.tm_gmtoff;
    if (offset == 0)
        length += std::snprintf(text + length, sizeof text - length, "Z");
    else
        length += std::snprintf(text + length, sizeof text - length, "%c%02ld:%02ld", offset < 0 ? '-' : '+',
                                std::labs(offset) / kSecondsPerHour, std::labs(offset) / kSecondsPerMinute % kSecondsPerMinute);
    return QString::fromLatin1(text, length);
}

QString EventTimeNow()
{
    std::timespec now {};
    std::timespec_get(&now, TIME_UTC);
    constexpr long long kNanosecondsPerMsec = 1000000;
    return EventTime(static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / kNanosecondsPerMsec);
}
