#include "record_format.h"

#include <algorithm>
#include <cstdint>

#include "text_reader.h"

namespace {

constexpr std::size_t kLabelLength = 6;

std::string_view Field(std::string_view line, std::size_t length)
{
    return line.size() > kLabelLength ? line.substr(kLabelLength, length) : std::string_view();
}

std::string ReadField(TextReader& reader, std::size_t length)
{
    return std::string(Field(reader.ReadLine(kLabelLength + length), length));
}

std::vector<std::string> ReadReadings(TextReader& reader)
{
    std::vector<std::string> readings;
    for (;;) {
        const std::string_view line = reader.ReadLine();
        if (line.empty() || IsMarkerLine(line))
            return readings;
        readings.emplace_back(line);
        if (reader.AtEnd())
            return readings;
    }
}

}  // namespace

bool IsMarkerLine(std::string_view line) { return !line.empty() && line.front() == kRecordMarker; }

bool AtMarkerLine(TextReader& reader, bool firstLineOfText)
{
    const std::uint64_t lineStart = reader.Position();
    return reader.SkipLeadingBlanks() == kRecordMarker && (!firstLineOfText || reader.Position() == lineStart);
}

bool SkipToMarkerLine(TextReader& reader) { return reader.SkipToLineStartingWith(kRecordMarker); }

RecordHead ReadRecordHead(TextReader& reader)
{
    RecordHead head;
    head.dateField = ReadField(reader, kDateFieldLength);
    head.timeField = ReadField(reader, kTimeFieldLength);
    return head;
}

std::string ListedDate(std::string_view dateField)
{
    return std::string(2 * (kDateFieldLength - dateField.size()), ' ') + std::string(dateField);
}

int RecordBody::ReadingRows() const { return std::max(2, static_cast<int>(readings.size()) + 1); }

RecordBody ReadRecordBody(TextReader& reader)
{
    RecordBody body;
    body.head = ReadRecordHead(reader);
    body.tolerance = reader.ReadRealLine();
    body.pointCount = static_cast<std::uint16_t>(reader.ReadIntegerLine());
    body.storedDecimals = static_cast<std::uint16_t>(reader.ReadIntegerLine());
    const int points = std::min(body.pointCount, kMaxRecordPoints);
    body.x.reserve(static_cast<std::size_t>(points));
    body.y.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        body.x.push_back(reader.ReadRealLine());
        body.y.push_back(reader.ReadRealLine());
    }
    if (body.pointCount <= kMaxRecordPoints)
        body.readings = ReadReadings(reader);
    return body;
}
