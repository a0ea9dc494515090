#include "record_delete.h"

#include "atomic_replace.h"
#include "file_lock.h"
#include "text_reader.h"
#include "whole_file.h"

namespace {

bool IsMarkerLine(std::string_view line, bool firstLine)
{
    if (!firstLine)
        while (!line.empty() && static_cast<unsigned char>(line.front()) <= 32)
            line.remove_prefix(1);
    return !line.empty() && line.front() == '#';
}

}  // namespace

ByteRange RecordLines(std::string_view bytes, long long n)
{
    TextReader reader(bytes);
    ByteRange range;
    bool inRange = n == 0;
    long long count = 0;
    while (!reader.AtEnd()) {
        const std::size_t lineStart = reader.Position();
        const bool marker = IsMarkerLine(reader.ReadLine(), lineStart == 0);
        if (!marker)
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

bool DeleteRecordLines(const std::string& dataFileName, long long n, std::chrono::milliseconds lockWait)
{
    if (dataFileName.empty())
        return false;
    const DataFileLock lock(dataFileName, lockWait);
    const auto bytes = ReadWholeFile(dataFileName);
    if (!bytes)
        return false;
    const ByteRange range = RecordLines(*bytes, n);
    if (range.begin == range.end)
        return true;
    std::string copy = *bytes;
    copy.erase(range.begin, range.end - range.begin);
    return ReplaceFileContents(dataFileName, copy);
}
