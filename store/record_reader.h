#pragma once

#include <string>

#include "record_format.h"

// Record n of a data file, as the load takes it.
struct LoadedRecord {
    // The marker lines counted: n when record n was found, else every marker
    // line of the file.
    long long markers = 0;
    bool found = false;
    // Record n's numbers, points and readings when it was found; otherwise no
    // readings (and 2 reading rows).
    RecordBody body;
};

// Reads record n: the n-th marker line (the first line of the file tested as
// it stands, every later one after its blanks) and what follows it. There is
// no record 0, nor one beyond the last. A file that cannot be read reads as
// empty; nothing raises an error.
LoadedRecord ReadRecord(const std::string& dataFileName, long long n);
