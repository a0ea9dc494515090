#include "settings_file.h"

#include <algorithm>

#include "code_page.h"
#include "text_reader.h"
#include "whole_file.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasHighByte(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
}

}  // namespace

SettingsLine DataFileNameFromSettings(const std::string& iniFileName)
{
    const std::string bytes = ReadWholeFile(iniFileName).value_or(std::string());
    std::string_view text = bytes;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    // The line may be a view into the reader's own buffer, which lasts as
    // long as the reader.
    TextReader reader(text);
    const std::string_view line = reader.ReadLine();
    SettingsLine result;
    result.bytes = std::string(line.substr(0, line.find('\n')));
    result.utf8 = HasHighByte(result.bytes) && IsUtf8(result.bytes);
    return result;
}
