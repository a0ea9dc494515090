#include "ui/record_clock.h"

#include "store/date_time_text.h"
#include "ui/file_text.h"
#include "ui/text_bridge.h"

namespace {

// Designators and dates are plain in every locale the program is used in;
// a character the data file cannot hold is left out.
std::string FileBytesOrEmpty(const QString& text)
{
    return ToFileBytes(text).value_or(std::string());
}

}  // namespace

std::string RecordDateText(const QDate& date, const QLocale& locale)
{
    const std::string pattern = FourDigitYearPattern(Std(locale.dateFormat(QLocale::ShortFormat)));
    return FileBytesOrEmpty(locale.toString(date, Qs(pattern)));
}

std::string RecordTimeText(const QTime& time, const QLocale& locale)
{
    const QString pattern = locale.timeFormat(QLocale::ShortFormat);
    const qsizetype hour = pattern.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    const qsizetype designator = pattern.indexOf(QLatin1Char('a'), 0, Qt::CaseInsensitive);

    TimeFormat format;
    format.leadingZeroHour = pattern.contains(QStringLiteral("hh"), Qt::CaseInsensitive);
    format.twelveHour = designator >= 0;
    format.amDesignator = FileBytesOrEmpty(locale.amText());
    format.pmDesignator = FileBytesOrEmpty(locale.pmText());
    format.designatorFirst = designator >= 0 && designator < hour;
    return TimeTextFrom(time.hour(), time.minute(), time.second(), format);
}
