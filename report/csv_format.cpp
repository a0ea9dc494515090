#include "report/csv_format.h"

#include "report/number_format.h"

namespace {

constexpr const char* kHeader =
    "record,date,time,reading,concentration,low,high,equation,slope,intercept,"
    "decision_limit,detection_limit,quantification_limit,quadratic_a,quadratic_b,quadratic_c,"
    "quadratic_concentration,quadratic_low,quadratic_high,error\r\n";

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

// The record's line and limits.
std::string LineFields(const RecordReport& record)
{
    const CalibrationStatistics& st = record.statistics;
    return Field(record.equation) + "," + ExactNumber(st.slope) + "," + ExactNumber(st.intercept) + "," +
           Number(st.decisionLimit) + "," + Number(st.detectionLimit) + "," + Number(st.quantificationLimit);
}

// The coefficients of the record's curve and the reading on it.
std::string CurveFields(const RecordReport& record, const ReadingReport* reading)
{
    if (!record.quadratic)
        return ",,,,,";
    const QuadraticCalibration& q = *record.quadratic;
    const std::string coefficients = ExactNumber(q.a) + "," + ExactNumber(q.b) + "," + ExactNumber(q.c) + ",";
    if (!reading || !reading->onCurve)
        return coefficients + ",,";
    const QuadraticReading& c = *reading->onCurve;
    return coefficients + Number(c.concentration) + "," + Number(c.low) + "," + Number(c.high);
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
    if (record.error)
        return out + lead + ",,,,,,,,,,,,,,,," + Field(*record.error) + "\r\n";
    const std::string line = "," + LineFields(record) + ",";
    if (record.readings.empty())
        return out + lead + ",,," + line + CurveFields(record, nullptr) + ",\r\n";
    for (const ReadingReport& reading : record.readings)
        out += lead + ReadingFields(reading) + line + CurveFields(record, &reading) + ",\r\n";
    return out;
}

std::string CsvReportWriter::Closing()
{
    return headerWritten_ ? std::string() : std::string(kHeader);
}
