#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "store/posix_file.h"

// The history of data file NAME is "NAME.history" in the same folder (beside
// the target of a symbolic link, like the lock file). It is UTF-8 JSON Lines,
// one event a line, and only ever appended to.
std::string HistoryFileName(const std::string& dataFileName);

// The lines of a history without their line ends; the last one may have had
// none. No value when the file cannot be read (or does not exist).
std::optional<std::vector<std::string>> ReadHistoryLines(const std::string& historyFile);

// The last line of a history and what the next event continues from.
struct HistoryTail {
    bool exists = false;
    off_t size = 0;  // the file's length, read to its true end
    bool endsWithLineEnd = true;
    std::string lastLine;  // without its line end; empty for an empty file
};
// No value when the file exists but cannot be read.
std::optional<HistoryTail> ReadHistoryTail(const std::string& historyFile);

// The history's length as the file system itself has it now (past a
// share's cached length); no value when it cannot be opened.
std::optional<off_t> HistorySize(const std::string& historyFile);

// Appends the bytes (all or nothing), creating the history with the data
// file's owner, group and mode where the folder allows, and flushes them to
// the disk unless `flush` is false (the next flushed event then takes them
// along); false when they are not in the file.
bool AppendToHistory(const std::string& historyFile, const std::string& dataFileName, std::string_view bytes,
                     bool flush);

// Which file a history on a local disk is, so that a look at its name tells
// whether it is still the file an event of this process left, and of the
// length it left (no one else wrote an event since). A local disk gives a
// file's true length and times through its name and through any handle.
struct LocalHistoryFile {
    dev_t device = 0;
    ino_t inode = 0;
};
// The history's identity when it is on a local disk and of length `size`;
// no value on a share (or when it is not of that length).
std::optional<LocalHistoryFile> LocalHistory(const std::string& historyFile, off_t size);
// True when the name still gives `file`, of length `size`.
bool StillLocalHistory(const std::string& historyFile, const LocalHistoryFile& file, off_t size);
// The history opened for appending when it is still `file`, of length
// `size`; no handle otherwise.
UniqueFd OpenLocalHistory(const std::string& historyFile, const LocalHistoryFile& file, off_t size);
// Appends the bytes through the handle OpenLocalHistory gave for length
// `size`, flushes them unless `flush` is false and closes it; false when
// they are not in the file, which is then given its old length back where
// it can be (a line cut short is a damaged last line to the next event).
bool AppendToLocalHistory(UniqueFd fd, off_t size, std::string_view bytes, bool flush);
