#pragma once

#include <string>

// The first line of the settings file, which names the data file.
struct SettingsLine {
    std::string bytes;
    // The line is UTF-8 (as Linux editors save it); else Windows-1251.
    bool utf8 = false;
};

// The data file name held by the first line of the settings file. The line
// ends at CR or LF, so a settings file saved with either line end names the
// same file. A UTF-8 byte-order mark in front of it is passed over. The line
// is taken as UTF-8 when it is well-formed UTF-8 holding at least one byte
// above 127; any other line is Windows-1251. A missing file, or an empty
// first line, gives the empty name, which names no file. The settings file is
// never written.
SettingsLine DataFileNameFromSettings(const std::string& iniFileName);
