#include "record_delete.h"

#include "atomic_replace.h"
#include "file_lock.h"
#include "record_format.h"
#include "replace_after_event.h"
#include "text_reader.h"
#include "whole_file.h"

namespace {

// Reads one line; true when it is a marker line.
bool ReadMarkerLine(TextReader& reader)
{
    const bool marker = AtMarkerLine(reader, reader.Position() == 0);
    reader.ReadLine(0);
    return marker;
}

ByteRange FindRecordLines(TextReader& reader, long long n)
{
    ByteRange range;
    bool inRange = n == 0;
    long long count = 0;
    while (!reader.AtEnd()) {
        const std::size_t lineStart = reader.Position();
        if (!ReadMarkerLine(reader))
            continue;
        if (inRange) {
            range.end = lineStart;
            return range;
        }
        if (++count == n) {
            range.begin = lineStart;
            inRange = true;
        }
    }
    if (inRange)
        range.end = reader.Position();
    return range;
}

}  // namespace

ByteRange RecordLines(std::string_view bytes, long long n)
{
    TextReader reader(bytes);
    return FindRecordLines(reader, n);
}

std::optional<ByteRange> RecordLinesInFile(const std::string& dataFileName, long long n)
{
    TextReader reader = TextReader::OpenFile(dataFileName);
    const ByteRange range = FindRecordLines(reader, n);
    if (!reader.ReadOk())
        return std::nullopt;
    return range;
}

long long RecordCount(std::string_view bytes)
{
    MarkerLineCounter counter;
    counter.Add(bytes);
    return counter.Count();
}

bool DeleteRecordLines(const std::string& dataFileName, long long n, std::chrono::milliseconds lockWait,
                       ChangeJournal* journal)
{
    if (dataFileName.empty())
        return false;
    const DataFileLock lock(dataFileName, lockWait);
    const auto range = RecordLinesInFile(dataFileName, n);
    if (!range)
        return false;
    if (range->begin == range->end)
        return true;
    const auto bytes = ReadWholeFile(dataFileName);
    if (!bytes || bytes->size() < range->end)
        return false;
    const std::string_view all(*bytes);
    const std::vector<std::string_view> kept{all.substr(0, range->begin), all.substr(range->end)};
    if (!journal)
        return ReplaceFileContents(dataFileName, kept, {});
    const bool replaced = ReplaceAfterEvent(
        dataFileName, kept, [&] { journal->RecordDelete(dataFileName, all, n, range->begin, range->end); });
    if (replaced)
        journal->FileChanged(dataFileName);
    return replaced;
}
