#pragma once

#include <string_view>

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
