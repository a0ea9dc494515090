#include "record_list.h"

#include "text_reader.h"
#include "whole_file.h"

namespace {

constexpr std::size_t kFieldStart = 6;
constexpr std::size_t kDateLength = 10;
constexpr std::size_t kTimeLength = 6;

std::string Field(std::string_view line, std::size_t length)
{
    return line.size() > kFieldStart ? std::string(line.substr(kFieldStart, length)) : std::string();
}

}  // namespace

std::string RecordDateField(std::string_view dateLine)
{
    std::string date = Field(dateLine, kDateLength);
    return std::string(2 * (kDateLength - date.size()), ' ') + date;
}

std::string RecordTimeField(std::string_view timeLine)
{
    return Field(timeLine, kTimeLength);
}

std::vector<RecordEntry> ListRecordEntries(CalibrationState& s, const std::string& dataFileName)
{
    std::vector<RecordEntry> entries;
    s.RecordCounter.SetLow16(0);
    const std::string bytes = ReadWholeFile(dataFileName).value_or(std::string());
    TextReader reader(bytes);
    int count = 0;
    while (!reader.SkipBlanks()) {
        const std::string_view line = reader.ReadLine();
        if (line.front() != '#')
            continue;
        s.RecordCounter.SetLow16(++count);
        s.DateText = RecordDateField(reader.ReadLine());
        s.TimeText = RecordTimeField(reader.ReadLine());
        entries.push_back({count, s.DateText + " " + s.TimeText});
    }
    return entries;
}
