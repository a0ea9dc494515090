#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/run_error.h"

class DataFileLock;

// The connection to the file was lost while it was being written, so it is
// not known whether the bytes are in it: the next command that takes the
// file's lock keeps them when they all arrived and gives the file back its
// old bytes when not.
class WriteOutcomeUnknown : public RunError {
public:
    explicit WriteOutcomeUnknown(const std::string& fileName);
};

// Adds the bytes at the end of the file, creating the file when it does not
// exist, all or nothing. When a byte `cutAt` lies within the last
// `cutWindow` bytes of the file, the bytes go in its place and the file ends
// after them. The length and the tail are read from the file system itself,
// past any cached size, and the bytes go through a write-only append handle
// (all that some shares open an existing file with). True only when every
// byte is written, flushed and found at the file's end; on a failed write the
// file is given back its old length and bytes (a file this call created is
// removed), and the result is false. When the file cannot be given back
// either, WriteOutcomeUnknown is thrown. The caller holds the data file's
// lock, in which the old length and tail are noted before anything is
// written (DataFileLock::NoteInPlaceWrite). With `flush` false the bytes are
// written and found at the end but left for the system (or the file's next
// fsync) to bring to the disk.
bool AppendDurably(const std::string& fileName, std::string_view bytes, std::size_t cutWindow, char cutAt,
                   DataFileLock* lock = nullptr, bool flush = true);
