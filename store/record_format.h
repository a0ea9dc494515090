#pragma once

#include <string>
#include <string_view>
#include <vector>

class TextReader;

// The layout of a record in a data file, as every reader takes it.
//
// A record starts at its marker line, a line whose first byte is '#'. The
// first line of the text is tested as it stands; every later line is tested
// after its leading blanks (bytes of code 32 or less), so that blank lines and
// indentation in front of a marker do not matter. The record list tests the
// first line after its blanks too.
constexpr char kRecordMarker = '#';

bool IsMarkerLine(std::string_view line);

// At the start of a line: whether it is a marker line, `firstLineOfText`
// telling whether it is the text's first line. Leaves the reader at the
// line's first byte above 32, or at its line end.
bool AtMarkerLine(TextReader& reader, bool firstLineOfText);

// From the start of a line: passes lines, each tested after its blanks, up to
// the next marker line and stops at its '#'; false when the text ends first.
bool SkipToMarkerLine(TextReader& reader);

// Counts the marker lines of a text given in pieces, one after the other, as
// the load and the delete count records (record_format.h): a line starts at
// the text's start or after a CR; the blanks in front of it (bytes up to 32
// but CR) are skipped, and it is a marker line when '#' follows them (on the
// text's first line only with no blank in front). The text ends at its first
// Ctrl-Z. Only the '#' bytes are looked at closely, so a text is counted at
// the speed of a byte search.
class MarkerLineCounter {
public:
    void Add(std::string_view piece);
    long long Count() const { return count_; }

private:
    // What the blanks in front of the next byte follow.
    enum class Before { TextStart, FirstLine, LineEnd, LineText };

    long long count_ = 0;
    bool ended_ = false;
    Before before_ = Before::TextStart;
};

// The two lines after the marker line hold the date and the time behind
// labels six bytes long; the fields are bytes 7..16 of the date line and
// bytes 7..12 of the time line (the blank after the time's label and the five
// bytes of the time), fewer when a line is shorter.
constexpr std::size_t kDateFieldLength = 10;
constexpr std::size_t kTimeFieldLength = 6;
struct RecordHead {
    std::string dateField;
    std::string timeField;
};
RecordHead ReadRecordHead(TextReader& reader);

// The date field as the record list shows it: two blanks in front for each
// byte it is short of ten.
std::string ListedDate(std::string_view dateField);

// A record holds at most this many points; a count line above it is read,
// but only this many points.
constexpr int kMaxRecordPoints = 1000;

// Everything after a record's marker line, as it is stored.
struct RecordBody {
    RecordHead head;
    double tolerance = 0;
    // The low 16 bits of the count line and of the decimals line.
    int pointCount = 0;
    int storedDecimals = 0;
    // X and Y of points 1..pointCount, at most kMaxRecordPoints of them.
    std::vector<double> x;
    std::vector<double> y;
    // The reading lines after the last Y line, bytes as they stand; none when
    // the count is above kMaxRecordPoints.
    std::vector<std::string> readings;

    // The row count the result table gets: the readings and its heading, at
    // least 2.
    int ReadingRows() const;
};

// Reads a record from the line after its marker line: the date and time
// lines; the tolerance, the count and the decimals, each the first token of
// the next line holding one; then X and Y of each point, each the first token
// of the next line holding one; then the readings, whole lines up to an empty
// line, a marker line or the end of the text. Every field of `body` is
// replaced; the memory it holds is used again.
void ReadRecordBody(TextReader& reader, RecordBody& body);
