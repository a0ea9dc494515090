#include "record_reader.h"

#include "text_reader.h"

namespace {

// Passes lines until the n-th marker line has been read; false when the file
// ends before it.
bool FindRecord(CalibrationState& s, TextReader& reader, long long n)
{
    long long count = 0;
    bool marker = reader.SkipLeadingBlanks() == '#' && reader.Position() == 0;
    for (;;) {
        reader.ReadLine(0);
        if (marker && ++count == n) {
            s.RecordCounter.SetLow(count);
            return true;
        }
        if (!reader.SkipToMarker())
            break;
        marker = true;
    }
    s.RecordCounter.SetLow(count);
    return false;
}

void ReadNumbers(CalibrationState& s, TextReader& reader)
{
    reader.ReadLine(0);
    reader.ReadLine(0);
    s.Tolerance = reader.ReadRealLine();
    s.PointCount.SetLow(reader.ReadIntegerLine());
    s.StoredDecimals.SetLow(reader.ReadIntegerLine());
    for (int i = 1; i <= s.PointCount; ++i) {
        s.PercentValues[i] = reader.ReadRealLine();
        s.MeasuredValues[i] = reader.ReadRealLine();
    }
}

RecordReadings ReadReadings(TextReader& reader)
{
    RecordReadings readings;
    int r = 1;
    for (;;) {
        const std::string_view line = reader.ReadLine();
        if (line.empty() || line.front() == '#') {
            if (r == 1)
                r = 2;
            break;
        }
        readings.lines.emplace_back(line);
        ++r;
        if (reader.AtEnd())
            break;
    }
    readings.rowCount = r;
    return readings;
}

}  // namespace

RecordReadings ReadRecord(CalibrationState& s, const std::string& dataFileName, long long n)
{
    TextReader reader = TextReader::OpenFile(dataFileName);
    if (FindRecord(s, reader, n))
        ReadNumbers(s, reader);
    return ReadReadings(reader);
}
