#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Adds the bytes at the end of the file, creating the file when it does not
// exist, all or nothing. When a byte `cutAt` lies within the last
// `cutWindow` bytes of the file, the bytes go in its place and the file ends
// after them. True only when every byte is written and flushed to the disk;
// on a failed write the file is given back its old length and bytes (a file
// this call created is removed) and closed, and the result is false. The
// caller holds the data file's lock (DataFileLock).
bool AppendDurably(const std::string& fileName, std::string_view bytes, std::size_t cutWindow, char cutAt);
