#pragma once

#include <string>

// Removes what interrupted commands left beside the file `fileName` in
// `folder`: its replace copies (IsReplaceLeftover), and ".fuse_hidden" files
// untouched for ten minutes, which a FUSE mount leaves in place of a file
// that was removed while open when its daemon ended. Where the folder does
// not allow it they stay.
void RemoveStrayFiles(const std::string& folder, const std::string& fileName);

// A share that renames a new file over the old one by removing the old one
// first (GVfs) and lost its server in between leaves the file missing and its
// whole new copy beside it (CompleteCopyName): that copy is renamed in.
// Nothing happens while the file is there.
void PutBackRenamedAway(const std::string& folder, const std::string& fileName);
