#pragma once

#include <string>

// The data file name held by the first line of the settings file. The line
// ends at CR or LF, so a settings file saved with either line end names the
// same file. A missing file, or an empty first line, gives the empty name,
// which names no file. The settings file is never written.
std::string DataFileNameFromSettings(const std::string& iniFileName);
