#include "record_reader.h"

#include "text_reader.h"

LoadedRecord ReadRecord(const std::string& dataFileName, long long n)
{
    LoadedRecord record;
    TextReader reader = TextReader::OpenFile(dataFileName);
    bool marker = AtMarkerLine(reader, true);
    for (;;) {
        reader.ReadLine(0);
        if (marker && ++record.markers == n) {
            record.found = true;
            ReadRecordBody(reader, record.body);
            return record;
        }
        if (!SkipToMarkerLine(reader))
            return record;
        marker = true;
    }
}
