#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// One record of a data file as it is stored: bytes as they stand, numbers as
// the record readers take them.
struct StoredRecord {
    int number = 0;
    // The date and time fields as the record list shows them (Windows-1251).
    std::string dateText;
    std::string timeText;
    double tolerance = 0;
    // The low 16 bits of the count line.
    int pointCount = 0;
    // X and Y of points 1..pointCount; empty when the count is above 1000.
    std::vector<double> x;
    std::vector<double> y;
    // The reading lines after the last Y line.
    std::vector<std::string> readings;
};

// Reads the records of a data file in file order, in one pass through a
// buffer that holds little more than the record at hand, with the rules of
// the record readers: a record starts at each line that begins with '#' (the
// first line tested as it stands, later lines after skipped blanks), byte 26
// ends the text, and the numbers, points and readings of a record follow its
// marker line as the reader of a single record takes them.
class RecordStream {
public:
    explicit RecordStream(const std::string& fileName);

    // False when the file could not be opened.
    bool IsOpen() const { return file_.is_open(); }
    // True once reading the file failed part way.
    bool Failed() const { return failed_; }
    // The next record; false at the end of the records.
    bool Next(StoredRecord& record);

private:
    // The bytes a reader looks at: at most window_ of them from scan_, so
    // that a record costs its own length, not the buffer's.
    std::string_view View() const;
    // More bytes in view: a wider view, or the next chunk; false at the end.
    bool More();
    bool AtEndOfText() const;
    bool Fill();
    bool FindMarker();
    bool ParseAtMarker(StoredRecord& record);

    std::ifstream file_;
    std::string buffer_;
    std::size_t scan_ = 0;  // the first byte not yet passed
    std::size_t window_;
    bool eof_ = false;
    bool failed_ = false;
    bool firstLine_ = true;
    int count_ = 0;
};
