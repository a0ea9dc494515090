#include "report/csv_format.h"

#include "report/number_format.h"

namespace {

constexpr const char* kHeader =
    "record,date,time,reading,concentration,low,high,equation,slope,intercept,"
    "decision_limit,detection_limit,quantification_limit,error\r\n";

std::string Field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Number(const std::optional<double>& value)
{
    return value ? ExactNumber(*value) : std::string();
}

// The fields after the reading's: the record's line and limits, the error.
std::string LineFields(const RecordReport& record)
{
    if (record.error)
        return ",,,,,," + Field(*record.error);
    const CalibrationStatistics& st = record.statistics;
    return Field(record.equation) + "," + ExactNumber(st.slope) + "," + ExactNumber(st.intercept) + "," +
           Number(st.decisionLimit) + "," + Number(st.detectionLimit) + "," + Number(st.quantificationLimit) + ",";
}

std::string ReadingFields(const ReadingReport& reading)
{
    const ReadingInterval& i = reading.interval;
    const std::string value = reading.reading ? ExactNumber(*reading.reading) : Field(reading.text);
    return value + "," + Number(i.concentration) + "," + Number(i.low) + "," + Number(i.high);
}

}  // namespace

std::string CsvReportWriter::Text(const RecordReport& record)
{
    std::string out;
    if (!headerWritten_) {
        out = kHeader;
        headerWritten_ = true;
    }
    const std::string lead = std::to_string(record.number) + "," + Field(record.date) + "," + Field(record.time) + ",";
    const std::string tail = "," + LineFields(record) + "\r\n";
    if (record.readings.empty())
        return out + lead + ",,," + tail;
    for (const ReadingReport& reading : record.readings)
        out += lead + ReadingFields(reading) + tail;
    return out;
}

std::string CsvReportWriter::Closing()
{
    return headerWritten_ ? std::string() : std::string(kHeader);
}
