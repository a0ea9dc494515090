#pragma once

#include <optional>
#include <string>
#include <string_view>

class DataFileLock;

// Whole-file access to raw bytes, as the editor and the record readers use
// it. Neither function throws.

// All bytes of the file; no value when it could not be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& fileName);

// Creates the file with exactly these bytes (AppendDurably), or replaces an
// existing one in one rename (ReplaceFileContents), so that a failed write
// leaves it as it was; true once the bytes are on the disk, false when it
// could not be created or written completely. The caller holds the file's
// lock when other programs may use the file (DataFileLock), and hands it in
// so that the creation of a new file is noted in it (AppendDurably).
bool WriteWholeFile(const std::string& fileName, std::string_view bytes, DataFileLock* lock = nullptr);
