#include "settings_file.h"

#include "text_reader.h"
#include "whole_file.h"

std::string DataFileNameFromSettings(const std::string& iniFileName)
{
    const std::string bytes = ReadWholeFile(iniFileName).value_or(std::string());
    const std::string_view line = TextReader(bytes).ReadLine();
    return std::string(line.substr(0, line.find('\n')));
}
