#pragma once

#include <string>
#include <string_view>

// Replaces an existing, writable file with these bytes in one rename: the
// bytes go to a new temporary file in the file's own folder; once they are
// flushed to the system and the file is closed, it takes the permissions of
// the old file and is renamed over it (over the target of a symbolic link).
// On any failure the file stays as it was, the temporary file is removed and
// the result is false.
bool ReplaceFileContents(const std::string& fileName, std::string_view bytes);
