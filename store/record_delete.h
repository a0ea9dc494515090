#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "store/change_journal.h"
#include "store/file_lock.h"

// The bytes [begin, end) of the lines of record n: from its marker line up to
// the next marker line or the end of the text, marker lines counted as the
// load counts them (record_format.h). For n 0 it is the lines in front of the
// first marker. An empty range when there is no record n.
struct ByteRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};
ByteRange RecordLines(std::string_view bytes, long long n);
// The same range in a file, which is streamed; no value when it cannot be
// read.
std::optional<ByteRange> RecordLinesInFile(const std::string& dataFileName, long long n);

// Removes the lines of record n from the data file and keeps every other
// byte as it stands; the file is read and replaced in one rename
// (ReplaceFileContents) while its lock is held (DataFileLock, DataFileBusy
// when it is not had within `lockWait`), so an append of another program
// lands before the read or after the rename, never in between.
// True when the file no longer holds those lines (also when there was no
// record n, in which case it is not rewritten); false, with the file
// unchanged, when it could not be read or replaced. A `journal` writes its
// event before the file is replaced; its HistoryNotWritten ends the call
// with the file unchanged.
bool DeleteRecordLines(const std::string& dataFileName, long long n,
                       std::chrono::milliseconds lockWait = kDataFileLockWait, ChangeJournal* journal = nullptr);

// The number of marker lines in the bytes, as the load and the delete count
// records.
long long RecordCount(std::string_view bytes);
