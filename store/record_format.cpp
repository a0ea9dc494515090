#include "record_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "text_reader.h"

namespace {

constexpr std::size_t kLabelLength = 6;
constexpr char kCtrlZ = 26;

bool IsBlankInLine(char c) { return c != '\r' && static_cast<unsigned char>(c) <= 32; }

std::string_view Field(std::string_view line, std::size_t length)
{
    return line.size() > kLabelLength ? line.substr(kLabelLength, length) : std::string_view();
}

void ReadField(TextReader& reader, std::size_t length, std::string& field)
{
    field.assign(Field(reader.ReadLine(kLabelLength + length), length));
}

// Into the texts already there, so that a body read again and again keeps
// its memory.
void ReadReadings(TextReader& reader, std::vector<std::string>& readings)
{
    std::size_t count = 0;
    for (;;) {
        const std::string_view line = reader.ReadLine();
        if (line.empty() || IsMarkerLine(line))
            break;
        if (count < readings.size())
            readings[count].assign(line);
        else
            readings.emplace_back(line);
        ++count;
        if (reader.AtEnd())
            break;
    }
    readings.resize(count);
}

}  // namespace

bool IsMarkerLine(std::string_view line) { return !line.empty() && line.front() == kRecordMarker; }

bool AtMarkerLine(TextReader& reader, bool firstLineOfText)
{
    const std::uint64_t lineStart = reader.Position();
    return reader.SkipLeadingBlanks() == kRecordMarker && (!firstLineOfText || reader.Position() == lineStart);
}

bool SkipToMarkerLine(TextReader& reader) { return reader.SkipToLineStartingWith(kRecordMarker); }

void MarkerLineCounter::Add(std::string_view piece)
{
    if (ended_)
        return;
    if (const void* z = std::memchr(piece.data(), kCtrlZ, piece.size())) {
        piece = piece.substr(0, static_cast<std::size_t>(static_cast<const char*>(z) - piece.data()));
        ended_ = true;
    }
    std::size_t at = 0;
    while (at < piece.size()) {
        const auto* marker = static_cast<const char*>(std::memchr(piece.data() + at, kRecordMarker, piece.size() - at));
        const std::size_t end = marker ? static_cast<std::size_t>(marker - piece.data()) : piece.size();
        std::size_t blanks = end;
        while (blanks > at && IsBlankInLine(piece[blanks - 1]))
            --blanks;
        const Before before = blanks > at                                  ? (piece[blanks - 1] == '\r' ? Before::LineEnd : Before::LineText)
                              : before_ == Before::TextStart && end > at ? Before::FirstLine
                                                                         : before_;
        if (!marker) {
            before_ = before;
            return;
        }
        if (before == Before::TextStart || before == Before::LineEnd)
            ++count_;
        before_ = Before::LineText;
        at = end + 1;
    }
}

RecordHead ReadRecordHead(TextReader& reader)
{
    RecordHead head;
    ReadField(reader, kDateFieldLength, head.dateField);
    ReadField(reader, kTimeFieldLength, head.timeField);
    return head;
}

std::string ListedDate(std::string_view dateField)
{
    return std::string(2 * (kDateFieldLength - dateField.size()), ' ') + std::string(dateField);
}

int RecordBody::ReadingRows() const { return std::max(2, static_cast<int>(readings.size()) + 1); }

void ReadRecordBody(TextReader& reader, RecordBody& body)
{
    ReadField(reader, kDateFieldLength, body.head.dateField);
    ReadField(reader, kTimeFieldLength, body.head.timeField);
    body.tolerance = reader.ReadRealLine();
    body.pointCount = static_cast<std::uint16_t>(reader.ReadIntegerLine());
    body.storedDecimals = static_cast<std::uint16_t>(reader.ReadIntegerLine());
    const int points = std::min(body.pointCount, kMaxRecordPoints);
    body.x.clear();
    body.y.clear();
    for (int i = 0; i < points; ++i) {
        body.x.push_back(reader.ReadRealLine());
        body.y.push_back(reader.ReadRealLine());
    }
    if (body.pointCount <= kMaxRecordPoints)
        ReadReadings(reader, body.readings);
    else
        body.readings.clear();
}
