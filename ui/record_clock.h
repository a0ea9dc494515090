#pragma once

#include <QDateTime>
#include <QLocale>
#include <string>

// The date and time texts of a record saved now, in Windows-1251 bytes, from
// the clock and the user's locale formats.
std::string RecordDateText(const QDate& date, const QLocale& locale);
std::string RecordTimeText(const QTime& time, const QLocale& locale);
