#include "report/csv_format.h"

#include "report/number_format.h"

namespace {

constexpr const char* kHeader =
    "record,date,time,reading,concentration,low,high,equation,slope,intercept,"
    "decision_limit,detection_limit,quantification_limit,quadratic_a,quadratic_b,quadratic_c,"
    "quadratic_concentration,quadratic_low,quadratic_high,error\r\n";

// The fields are appended to the text of the record as they are made, with
// no text of their own: the report writes a hundred thousand rows in well
// under a second.
void Field(std::string& out, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void Number(std::string& out, double value)
{
    AppendExactNumber(out, value);
}

void Number(std::string& out, const std::optional<double>& value)
{
    if (value)
        AppendExactNumber(out, *value);
}

// The record's line and limits, each field followed by a comma.
std::string LineFields(const RecordReport& record)
{
    const CalibrationStatistics& st = record.statistics;
    std::string out;
    Field(out, record.equation);
    for (const std::optional<double>& value :
         {std::optional<double>(st.slope), std::optional<double>(st.intercept), st.decisionLimit, st.detectionLimit,
          st.quantificationLimit}) {
        out += ',';
        Number(out, value);
    }
    return out + ",";
}

// The coefficients of the record's curve, each followed by a comma.
std::string CurveCoefficients(const RecordReport& record)
{
    if (!record.quadratic)
        return ",,,";
    std::string out;
    for (const double value : {record.quadratic->a, record.quadratic->b, record.quadratic->c}) {
        Number(out, value);
        out += ',';
    }
    return out;
}

void ReadingFields(std::string& out, const ReadingReport& reading)
{
    if (reading.reading)
        Number(out, *reading.reading);
    else
        Field(out, reading.text);
    for (const std::optional<double>& value : {reading.interval.concentration, reading.interval.low, reading.interval.high}) {
        out += ',';
        Number(out, value);
    }
    out += ',';
}

void CurveReadingFields(std::string& out, const ReadingReport& reading)
{
    if (!reading.onCurve) {
        out += ",,";
        return;
    }
    const QuadraticReading& c = *reading.onCurve;
    Number(out, c.concentration);
    out += ',';
    Number(out, c.low);
    out += ',';
    Number(out, c.high);
}

}  // namespace

std::string CsvReportWriter::Text(const RecordReport& record)
{
    // Room for the rows a record usually gets, so that the text is not moved
    // as it grows.
    constexpr std::size_t kRowRoom = 256;
    std::string out;
    out.reserve(kRowRoom * (record.readings.size() + 1));
    if (!headerWritten_) {
        out = kHeader;
        headerWritten_ = true;
    }
    std::string lead = std::to_string(record.number) + ",";
    Field(lead, record.date);
    lead += ',';
    Field(lead, record.time);
    lead += ',';
    if (record.error) {
        out += lead + ",,,,,,,,,,,,,,,,";
        Field(out, *record.error);
        return out + "\r\n";
    }
    const std::string line = LineFields(record);
    const std::string coefficients = CurveCoefficients(record);
    if (record.readings.empty())
        return out + lead + ",,,," + line + coefficients + ",,,\r\n";
    for (const ReadingReport& reading : record.readings) {
        out += lead;
        ReadingFields(out, reading);
        out += line;
        out += coefficients;
        CurveReadingFields(out, reading);
        out += ",\r\n";
    }
    return out;
}

std::string CsvReportWriter::Closing()
{
    return headerWritten_ ? std::string() : std::string(kHeader);
}
