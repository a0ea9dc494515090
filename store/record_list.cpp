#include "record_list.h"

#include "text_reader.h"

namespace {

constexpr std::size_t kFieldStart = 6;
constexpr std::size_t kDateLength = 10;
constexpr std::size_t kTimeLength = 6;

std::string_view Field(std::string_view line, std::size_t length)
{
    return line.size() > kFieldStart ? line.substr(kFieldStart, length) : std::string_view();
}

}  // namespace

std::string_view RecordEntries::Text(std::size_t number) const
{
    const std::size_t begin = number > 1 ? ends_[number - 2] : 0;
    return std::string_view(block_).substr(begin, ends_[number - 1] - begin);
}

void RecordEntries::Add(std::string_view dateText, std::string_view timeText)
{
    block_.append(dateText);
    block_ += ' ';
    block_.append(timeText);
    ends_.push_back(block_.size());
}

RecordEntries ListRecordEntries(CalibrationState& s, const std::string& dataFileName)
{
    RecordEntries entries;
    s.RecordCounter.SetLow32(0);
    TextReader reader = TextReader::OpenFile(dataFileName);
    std::string date;
    while (reader.SkipToMarker()) {
        reader.ReadLine(0);
        const std::string_view dateField = Field(reader.ReadLine(kFieldStart + kDateLength), kDateLength);
        date.assign(2 * (kDateLength - dateField.size()), ' ');
        date += dateField;
        entries.Add(date, Field(reader.ReadLine(kFieldStart + kTimeLength), kTimeLength));
    }
    s.RecordCounter.SetLow32(static_cast<long long>(entries.size()));
    if (!entries.empty()) {
        s.DateText = date;
        s.TimeText = std::string(entries.Text(entries.size()).substr(date.size() + 1));
    }
    return entries;
}
