#pragma once

#include <string>

// Removes what interrupted commands left beside the file `fileName` in
// `folder`: its replace copies (IsReplaceLeftover), and ".fuse_hidden" files
// untouched for ten minutes, which a FUSE mount leaves in place of a file
// that was removed while open when its daemon ended. Where the folder does
// not allow it they stay.
void RemoveStrayFiles(const std::string& folder, const std::string& fileName);
