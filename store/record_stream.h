#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "record_format.h"

// The bytes a RecordStream reads at a time: few enough that they are still
// in the processor's cache when the records in them are read.
constexpr std::size_t kRecordStreamChunk = std::size_t{1} << 16;

// One record of a data file as it is stored, with its number.
struct StoredRecord : RecordBody {
    int number = 0;
};

// Reads the records of a data file in file order, in one pass through a
// buffer that holds little more than the record at hand, numbered and read
// as the load of a single record numbers and reads them (record_format.h).
class RecordStream {
public:
    explicit RecordStream(const std::string& fileName);

    // False when the file could not be opened.
    bool IsOpen() const { return file_.is_open(); }
    // True once reading the file failed part way.
    bool Failed() const { return failed_; }
    // The next record; false at the end of the records.
    bool Next(StoredRecord& record);
    // Passes the next record without reading what it holds, numbered as
    // Next numbers it; false at the end of the records.
    bool Skip();
    // The records passed or read so far: the number of the last one.
    int Passed() const { return count_; }

private:
    // The bytes a reader looks at: at most window_ of them from scan_, so
    // that a record costs its own length, not the buffer's. They end before
    // any Ctrl-Z, where Fill ends the text.
    std::string_view View() const;
    // More bytes in view: a wider view, or the next chunk; false at the end.
    bool More();
    bool AtEndOfText() const;
    bool Fill();
    bool FindMarker();
    // From the marker's '#': passes its line, where the search for the next
    // marker goes on.
    void PassMarkerLine();
    // Reads the body after the marker line, in view from scan_ on, and
    // leaves scan_ where it is.
    void ReadBody(StoredRecord& record);

    std::ifstream file_;
    std::string buffer_;
    std::size_t size_ = 0;  // the bytes of buffer_ in use
    std::size_t scan_ = 0;  // the first byte not yet passed
    std::size_t window_;
    bool eof_ = false;
    bool failed_ = false;
    bool firstLine_ = true;
    int count_ = 0;
};
