#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/calibration_state.h"

// One row of the record list.
struct RecordEntry {
    int number = 0;
    // DateText + " " + TimeText, e.g. "05.03.2007  14:27".
    std::string text;
};

// Scans the data file for its records in file order. Each line tested for
// the marker '#' comes after skipped blanks; the two lines after a marker are
// the record's date and time lines. Sets RecordCounter (low 16 bits of the
// number of records), and DateText and TimeText to the fields of each record
// in turn:
// - DateText: bytes 7..16 of the date line, with two blanks in front for each
//   byte it is short of ten;
// - TimeText: bytes 7..12 of the time line (the blank after the label and
//   the five bytes of the time).
// A file that cannot be read lists as empty.
// The fields of a record's date and time lines as the list shows them.
std::string RecordDateField(std::string_view dateLine);
std::string RecordTimeField(std::string_view timeLine);

std::vector<RecordEntry> ListRecordEntries(CalibrationState& s, const std::string& dataFileName);
