#include <QJsonObject>
#include <QRegularExpression>

#include "history/history_commands.h"
#include "history/history_event.h"
#include "history/history_file.h"

namespace {

// The record's date and time as its lines give them.
QString RecordWhen(const QString& text)
{
    static const QRegularExpression date(QStringLiteral("Дата:\\s*(\\S*)"));
    static const QRegularExpression time(QStringLiteral("Время:\\s*(\\S*)"));
    const QString d = date.match(text).captured(1);
    const QString t = time.match(text).captured(1);
    return (d + QLatin1Char(' ') + t).trimmed();
}

std::string TextLine(const QJsonObject& event)
{
    using namespace history_field;
    const QJsonValue record = event.value(Record);
    QStringList fields{QString::number(event.value(Seq).toInteger()), event.value(Time).toString(),
                       event.value(User).toString() + QLatin1Char('@') + event.value(Host).toString(),
                       event.value(Operation).toString()};
    if (event.contains(Restores))
        fields << QStringLiteral("event %1").arg(event.value(Restores).toInteger());
    if (!record.isUndefined())
        fields << QStringLiteral("record %1").arg(record.toInteger()) << RecordWhen(event.value(Text).toString());
    return fields.join(QLatin1String("  ")).trimmed().toStdString() + '\n';
}

}  // namespace

CommandOutcome ListHistory(const std::string& dataFile, ListFormat format, std::optional<long long> record)
{
    const std::string historyFile = HistoryFileName(dataFile);
    const auto lines = ReadHistoryLines(historyFile);
    if (!lines)
        return {2, {}, "cannot read " + historyFile + '\n'};
    CommandOutcome outcome;
    for (const std::string& line : *lines) {
        const QJsonObject event = ParseEvent(line);
        if (record && event.value(history_field::Record).toInteger(-1) != *record)
            continue;
        if (format == ListFormat::Json)
            outcome.out += line + '\n';
        else if (event.isEmpty())
            outcome.out += "(not an event)\n";
        else
            outcome.out += TextLine(event);
    }
    return outcome;
}
