#include "report/saved_records.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryFile>
#include <cstring>

#include "history/history_event.h"
#include "history/history_file.h"
#include "store/record_delete.h"

namespace {

void AddNumber(std::string& key, double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    key += std::to_string(bits) + '\x1f';
}

// The fields a record reads as, in one text.
std::string RecordKey(const StoredRecord& record)
{
    std::string key = record.dateText + '\x1f' + record.timeText + '\x1f' + std::to_string(record.pointCount) + '\x1f';
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

}  // namespace

// The texts of the append events are read with the report's own record
// reader, one after another from one file; each text starts one record (a
// reading that starts with '#' makes a further one, which is passed over).
SavedRecords::SavedRecords(const std::string& dataFile)
{
    const auto lines = ReadHistoryLines(HistoryFileName(dataFile));
    if (!lines)
        return;
    std::vector<std::pair<long long, SavedByReport>> appended;
    QTemporaryFile texts;
    if (!texts.open())
        return;
    for (const std::string& line : *lines) {
        const QJsonObject event = ParseEvent(line);
        if (event.value(history_field::Operation) != history_operation::Append)
            continue;
        const std::string text = TextFileBytes(event.value(history_field::Text).toString());
        appended.emplace_back(RecordCount(text), SavedBy(event));
        texts.write(text.data(), static_cast<qint64>(text.size()));
    }
    if (!texts.flush())
        return;
    RecordStream stream(texts.fileName().toStdString());
    StoredRecord record;
    for (auto& [records, saved] : appended) {
        for (long long k = 0; k < records; ++k) {
            if (!stream.Next(record))
                return;
            if (k == 0)
                byRecord_[RecordKey(record)] = std::move(saved);
        }
    }
}

std::optional<SavedByReport> SavedRecords::Find(const StoredRecord& record) const
{
    const auto found = byRecord_.find(RecordKey(record));
    if (found == byRecord_.end())
        return std::nullopt;
    return found->second;
}
