#pragma once

#include <string>

// The name a chain of symbolic links ends at, the name itself when it is no
// link. A relative link target is taken from the link's folder, and the end
// need not exist (a dangling link names the file it would create). Every
// command on a data file works on this name, and the files beside the data
// file (its lock file, its history) sit beside it.
std::string LinkTarget(std::string name);
