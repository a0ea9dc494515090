#pragma once

#include <QString>

// An event's time: the local time of the instant `msecsSinceEpoch` with its
// offset, in ISO 8601 with milliseconds, as QDateTime writes a time of that
// offset ("Z" for none). The zone is the system's as it is at the call.
QString EventTime(long long msecsSinceEpoch);
QString EventTimeNow();
