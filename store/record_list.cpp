#include "record_list.h"

#include <filesystem>

#include "text_reader.h"

namespace {

constexpr std::size_t kFieldStart = 6;
// Room is reserved for one entry per this many bytes of the file, which
// saved records exceed; the pages of room not used are never touched.
constexpr std::uintmax_t kBytesPerEntryGuess = 128;

std::string_view Field(std::string_view line, std::size_t length)
{
    return line.size() > kFieldStart ? line.substr(kFieldStart, length) : std::string_view();
}

}  // namespace

std::string RecordDateField(std::string_view dateLine)
{
    const std::string_view date = Field(dateLine, RecordEntries::kDateLength);
    return std::string(2 * (RecordEntries::kDateLength - date.size()), ' ') + std::string(date);
}

std::string RecordTimeField(std::string_view timeLine)
{
    return std::string(Field(timeLine, RecordEntries::kTimeLength));
}

std::string RecordEntries::Text(std::size_t number) const
{
    const char* slot = block_.data() + (number - 1) * kSlot;
    const auto dateLength = static_cast<std::size_t>(slot[0]);
    const auto timeLength = static_cast<std::size_t>(slot[1]);
    std::string text(2 * (kDateLength - dateLength), ' ');
    text.append(slot + 2, dateLength);
    text += ' ';
    text.append(slot + 2 + kDateLength, timeLength);
    return text;
}

void RecordEntries::Add(std::string_view dateField, std::string_view timeField)
{
    char slot[kSlot] = {static_cast<char>(dateField.size()), static_cast<char>(timeField.size())};
    dateField.copy(slot + 2, kDateLength);
    timeField.copy(slot + 2 + kDateLength, kTimeLength);
    block_.append(slot, kSlot);
}

RecordEntries ListRecordEntries(CalibrationState& s, const std::string& dataFileName)
{
    RecordEntries entries;
    std::error_code unknownSize;
    const std::uintmax_t fileSize = std::filesystem::file_size(dataFileName, unknownSize);
    if (!unknownSize)
        entries.Reserve(static_cast<std::size_t>(fileSize / kBytesPerEntryGuess));
    TextReader reader = TextReader::OpenFile(dataFileName);
    std::string date;
    while (reader.SkipToMarker()) {
        reader.ReadLine(0);
        date = Field(reader.ReadLine(kFieldStart + RecordEntries::kDateLength), RecordEntries::kDateLength);
        entries.Add(date, Field(reader.ReadLine(kFieldStart + RecordEntries::kTimeLength), RecordEntries::kTimeLength));
    }
    s.RecordCounter.SetLow(static_cast<long long>(entries.size()));
    if (!entries.empty()) {
        const std::string text = entries.Text(entries.size());
        const std::size_t blank = 2 * (RecordEntries::kDateLength - date.size()) + date.size();
        s.DateText = text.substr(0, blank);
        s.TimeText = text.substr(blank + 1);
    }
    return entries;
}
