#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/calibration_state.h"

// The rows of the record list, kept as one block of text: entry k (counted
// from 1) is record k's DateText + " " + TimeText, e.g. "05.03.2007  14:27".
class RecordEntries {
public:
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view Text(std::size_t number) const;
    void Add(std::string_view dateText, std::string_view timeText);

private:
    std::string block_;
    std::vector<std::size_t> ends_;
};

// Scans the data file for its records in file order. Each line tested for
// the marker '#' comes after skipped blanks; the two lines after a marker are
// the record's date and time lines. Sets RecordCounter to the number of
// records, and DateText and TimeText to the fields of the last one:
// - DateText: bytes 7..16 of the date line, with two blanks in front for each
//   byte it is short of ten;
// - TimeText: bytes 7..12 of the time line (the blank after the label and
//   the five bytes of the time).
// The file is streamed; a file that cannot be read lists as empty.
RecordEntries ListRecordEntries(CalibrationState& s, const std::string& dataFileName);
