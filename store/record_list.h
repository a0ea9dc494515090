#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "record_format.h"

// The rows of the record list, kept in one block with a slot of fixed size
// per record: the date and the time fields as they stand in the file, with
// their lengths.
class RecordEntries {
public:
    std::size_t size() const { return block_.size() / kSlot; }
    bool empty() const { return block_.empty(); }
    // Record `number`'s row text (counted from 1): the listed date, a blank
    // and the time field, e.g. "05.03.2007  14:27".
    std::string Text(std::size_t number) const;
    void Reserve(std::size_t entries) { block_.reserve(entries * kSlot); }
    void Add(std::string_view dateField, std::string_view timeField);

private:
    static constexpr std::size_t kSlot = 2 + kDateFieldLength + kTimeFieldLength;
    std::string block_;
};

// Scans the data file for its records in file order; every line is tested for
// the marker after its blanks, the first one too. The file is streamed; a
// file that cannot be read lists as empty.
RecordEntries ListRecordEntries(const std::string& dataFileName);
