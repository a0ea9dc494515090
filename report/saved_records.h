#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/record_stream.h"

// A point switched out of the fit when its record was saved.
struct ExcludedPointReport {
    int number = 0;  // its row in the point grid
    double x = 0;
    double y = 0;
};

// Who saved a record, when, and the points then switched out of its fit, as
// its append event in the history beside the data file says.
struct SavedByReport {
    std::string user;
    std::string host;
    std::string time;
    std::vector<ExcludedPointReport> excluded;
};

// The append events of a data file's history, found by the records they
// saved: a record is the one whose date, time, tolerance, points and
// readings the event's text reads as. No history: none is found.
class SavedRecords {
public:
    explicit SavedRecords(const std::string& dataFile);
    std::optional<SavedByReport> Find(const StoredRecord& record) const;

private:
    std::map<std::string, SavedByReport> byRecord_;
};
