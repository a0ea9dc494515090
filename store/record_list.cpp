#include "record_list.h"

#include <filesystem>

#include "text_reader.h"

namespace {

// Room is reserved for one entry per this many bytes of the file, which
// saved records exceed; the pages of room not used are never touched.
constexpr std::uintmax_t kBytesPerEntryGuess = 128;

}  // namespace

std::string RecordEntries::Text(std::size_t number) const
{
    const char* slot = block_.data() + (number - 1) * kSlot;
    const auto dateLength = static_cast<std::size_t>(slot[0]);
    const auto timeLength = static_cast<std::size_t>(slot[1]);
    std::string text = ListedDate({slot + 2, dateLength});
    text += ' ';
    text.append(slot + 2 + kDateFieldLength, timeLength);
    return text;
}

void RecordEntries::Add(std::string_view dateField, std::string_view timeField)
{
    char slot[kSlot] = {static_cast<char>(dateField.size()), static_cast<char>(timeField.size())};
    dateField.copy(slot + 2, kDateFieldLength);
    timeField.copy(slot + 2 + kDateFieldLength, kTimeFieldLength);
    block_.append(slot, kSlot);
}

RecordEntries ListRecordEntries(const std::string& dataFileName)
{
    RecordEntries entries;
    std::error_code unknownSize;
    const std::uintmax_t fileSize = std::filesystem::file_size(dataFileName, unknownSize);
    if (!unknownSize)
        entries.Reserve(static_cast<std::size_t>(fileSize / kBytesPerEntryGuess));
    TextReader reader = TextReader::OpenFile(dataFileName);
    while (SkipToMarkerLine(reader)) {
        reader.ReadLine(0);
        const RecordHead head = ReadRecordHead(reader);
        entries.Add(head.dateField, head.timeField);
    }
    return entries;
}
