#include "record_reader.h"

#include "text_reader.h"
#include "whole_file.h"

namespace {

// Passes lines until the n-th marker line has been read; false when the file
// ends before it.
bool FindRecord(CalibrationState& s, TextReader& reader, long long n)
{
    long long count = 0;
    do {
        const std::string_view line = reader.ReadLine();
        if (!line.empty() && line.front() == '#' && ++count == n) {
            s.RecordCounter.SetLow16(count);
            return true;
        }
    } while (!reader.SkipBlanks());
    s.RecordCounter.SetLow16(count);
    return false;
}

void ReadNumbers(CalibrationState& s, TextReader& reader)
{
    reader.ReadLine();
    reader.ReadLine();
    s.Tolerance = reader.ReadRealLine();
    s.PointCount.SetLow16(reader.ReadIntegerLine());
    s.StoredDecimals.SetLow16(reader.ReadIntegerLine());
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
    const std::string bytes = ReadWholeFile(dataFileName).value_or(std::string());
    TextReader reader(bytes);
    if (FindRecord(s, reader, n))
        ReadNumbers(s, reader);
    return ReadReadings(reader);
}
