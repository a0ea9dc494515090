#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <vector>

#include "example_record.h"
#include "history/history_event.h"
#include "history/history_file.h"
#include "history/history_writer.h"
#include "history/sha256.h"
#include "store/record_writer.h"

// A data file of `records` copies of the worked example in a fresh folder,
// and the events of its history.
class HistoryFolder {
public:
    explicit HistoryFolder(int records = 3)
    {
        std::string bytes;
        for (int k = 0; k < records; ++k)
            bytes += ExampleRecordBytes();
        data = dir.Write("lab.dat", bytes);
        history = HistoryFileName(data);
    }
    std::vector<QJsonObject> Events() const
    {
        std::vector<QJsonObject> events;
        for (const std::string& line : ReadHistoryLines(history).value_or(std::vector<std::string>()))
            events.push_back(ParseEvent(line));
        return events;
    }
    bool Append(HistoryWriter& writer) const
    {
        return AppendRecord(data, ExampleState(), {"0.3", "0.75"}, "05.03.2007", "14:27", kDataFileLockWait, &writer);
    }

    TempDir dir;
    std::string data;
    std::string history;
};
