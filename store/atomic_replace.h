#pragma once

#include <string>
#include <string_view>

// Replaces an existing, writable file with these bytes in one rename: the
// bytes go to a new temporary file in the file's own folder, which is flushed,
// closed and renamed over the file (over the target of a symbolic link). On
// any failure the file stays as it was, the temporary file is removed and the
// result is false.
bool ReplaceFileContents(const std::string& fileName, std::string_view bytes);
