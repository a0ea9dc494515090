#pragma once

#include <string>
#include <vector>

#include "core/calibration_state.h"

struct RecordReadings {
    // The reading lines, bytes as they stand, for rows 1.. of the result table.
    std::vector<std::string> lines;
    // Row count the result table gets: the readings plus its heading, at
    // least 2.
    int rowCount = 2;
};

// Reads record n (the n-th line that starts with '#'; the first line of the
// file is tested as it stands, every later one after skipped blanks) into the
// state, in this order: RecordCounter, Tolerance, PointCount (low 16 bits of
// the count line), StoredDecimals (low 16 bits), then PercentValues[i] and
// MeasuredValues[i] for i = 1..PointCount, each the first token of the next
// line holding one. The readings follow the last Y line and end at an empty
// line, a line starting with '#' or the end of the file.
//
// When no record n exists (n 0 or beyond the last) the state keeps its
// points and the result is no readings and 2 rows. A count above 1000 raises
// the range error at point 1001, the earlier points stored. A file that
// cannot be read reads as empty; nothing else raises an error.
RecordReadings ReadRecord(CalibrationState& s, const std::string& dataFileName, long long n);
