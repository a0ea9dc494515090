#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/calibration_state.h"

// The rows of the record list, kept in one block with a slot of fixed size
// per record: the date field (up to 10 bytes) and the time field (up to 6
// bytes) as they stand in the file, with their lengths.
class RecordEntries {
public:
    std::size_t size() const { return block_.size() / kSlot; }
    bool empty() const { return block_.empty(); }
    // Record `number`'s row text (counted from 1): DateText + " " + TimeText,
    // e.g. "05.03.2007  14:27"; DateText has two blanks in front for each
    // byte the date field is short of ten.
    std::string Text(std::size_t number) const;
    void Reserve(std::size_t entries) { block_.reserve(entries * kSlot); }
    void Add(std::string_view dateField, std::string_view timeField);

    static constexpr std::size_t kDateLength = 10;
    static constexpr std::size_t kTimeLength = 6;

private:
    static constexpr std::size_t kSlot = 2 + kDateLength + kTimeLength;
    std::string block_;
};

// The fields of a record's date and time lines as the list shows them: the
// date with two blanks in front for each byte it is short of ten.
std::string RecordDateField(std::string_view dateLine);
std::string RecordTimeField(std::string_view timeLine);

// Scans the data file for its records in file order. Each line tested for
// the marker '#' comes after skipped blanks; the two lines after a marker are
// the record's date and time lines. Sets RecordCounter to the number of
// records, and DateText and TimeText to the fields of the last one:
// - the date field is bytes 7..16 of the date line;
// - the time field and TimeText are bytes 7..12 of the time line (the blank
//   after the label and the five bytes of the time).
// The file is streamed; a file that cannot be read lists as empty.
RecordEntries ListRecordEntries(CalibrationState& s, const std::string& dataFileName);
