#include <gtest/gtest.h>

#include <QDateTime>
#include <cstdlib>
#include <ctime>

#include "history/event_time.h"

namespace {

// An event's time is the text QDateTime makes of the local time with its
// offset, in zones east and west, of whole and part hours, on both sides of
// a change to summer time and at the ends of a second.
TEST(EventTime, IsTheTextQDateTimeMakesOfTheLocalTimeWithItsOffset)
{
    const char* const zones[] = {"UTC0", "Europe/Moscow", "America/St_Johns", "Asia/Kathmandu", "Europe/Berlin",
                                 "Pacific/Chatham"};
    const long long instants[] = {0, 999, 1174000000123, 1711846799999, 1711846800000, 1798761600500, -1};
    const char* const old = std::getenv("TZ");
    const std::string kept = old ? old : "";
    for (const char* zone : zones) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        for (const long long msecs : instants) {
            QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs);
            local.setOffsetFromUtc(local.offsetFromUtc());
            EXPECT_EQ(EventTime(msecs), local.toString(Qt::ISODateWithMs)) << zone << ' ' << msecs;
        }
    }
    if (old)
        ::setenv("TZ", kept.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
