#pragma once

#include <string>

// True when the folder of `path` is on a file system of which other hosts
// see the files (a network share, or FUSE, through which one may be
// reached): a lock that only this kernel keeps excludes nobody there, and
// what the kernel says of a file's length or time may be a cached one.
bool OnShare(const std::string& path);
