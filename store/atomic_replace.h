#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Replaces an existing, writable file with these bytes in one rename (over the
// target of a symbolic link). The new file is made in the file's own folder,
// unnamed where the file system allows it, and is never readable by more
// users than the old one: it starts readable by nobody, takes the old file's
// owner and group where the process may set them (the group's bits are
// dropped when it may not), then the old permission bits. It is flushed to
// the disk before the rename and the folder after it, so a process killed at
// any moment leaves the old file or the new one. A named copy left by a
// killed run is removed by the next replace. The caller holds the data file's
// lock (DataFileLock). On any failure the file stays as it was and the result
// is false.
bool ReplaceFileContents(const std::string& fileName, std::string_view bytes);
// The same with the new bytes given as pieces, one after the other.
// `beforeRename` (when given) runs once they are on the disk, right before
// the rename; an exception from it removes the new file and goes on to the
// caller, the file unchanged.
bool ReplaceFileContents(const std::string& fileName, const std::vector<std::string_view>& pieces,
                         const std::function<void()>& beforeRename);

// The name pattern of the new file while it is being renamed in:
// ".NAME.<digits>.tmp" beside the file NAME.
bool IsReplaceLeftover(std::string_view entry, std::string_view fileName);

// The leftover name of a copy holding exactly `bytes`, which a replace names
// its new file first: a copy found under the name its bytes give is whole.
std::string CompleteCopyName(const std::string& fileName, std::string_view bytes);
