#include "report/saved_records.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cstring>

#include "history/history_event.h"
#include "history/history_file.h"
#include "store/text_reader.h"

namespace {

// The value's bytes: eight of them, so that no separator is needed.
void AddNumber(std::string& key, double value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    key.append(bytes, sizeof bytes);
}

// The fields a record reads as, in one text.
std::string RecordKey(const RecordBody& record)
{
    std::string key = record.head.dateField + '\x1f' + record.head.timeField + '\x1f' +
                      std::to_string(record.pointCount) + '\x1f';
    AddNumber(key, record.tolerance);
    for (std::size_t i = 0; i < record.x.size(); ++i) {
        AddNumber(key, record.x[i]);
        AddNumber(key, record.y[i]);
    }
    for (const std::string& reading : record.readings)
        key += reading + '\x1e';
    return key;
}

SavedByReport SavedBy(const QJsonObject& event)
{
    SavedByReport saved{event.value(history_field::User).toString().toStdString(),
                        event.value(history_field::Host).toString().toStdString(),
                        event.value(history_field::Time).toString().toStdString(),
                        {}};
    for (const QJsonValue point : event.value(history_field::ExcludedPoints).toArray()) {
        const QJsonObject p = point.toObject();
        saved.excluded.push_back({p.value(QStringLiteral("number")).toInt(), p.value(QStringLiteral("x")).toDouble(),
                                  p.value(QStringLiteral("y")).toDouble()});
    }
    return saved;
}

// The record an append event's text starts, read as the record readers
// read it; none when the text holds no marker line.
std::optional<RecordBody> FirstRecord(std::string_view text)
{
    TextReader reader(text);
    if (!SkipToMarkerLine(reader))
        return std::nullopt;
    reader.ReadLine();
    RecordBody body;
    ReadRecordBody(reader, body);
    return body;
}

}  // namespace

SavedRecords::SavedRecords(const std::string& dataFile)
{
    const auto lines = ReadHistoryLines(HistoryFileName(dataFile));
    if (!lines)
        return;
    for (const std::string& line : *lines) {
        const QJsonObject event = ParseEvent(line);
        if (event.value(history_field::Operation) != history_operation::Append)
            continue;
        if (const auto record = FirstRecord(TextFileBytes(event.value(history_field::Text).toString())))
            byRecord_[RecordKey(*record)] = SavedBy(event);
    }
}

std::optional<SavedByReport> SavedRecords::Find(const StoredRecord& record) const
{
    if (byRecord_.empty())
        return std::nullopt;
    const auto found = byRecord_.find(RecordKey(record));
    if (found == byRecord_.end())
        return std::nullopt;
    return found->second;
}
