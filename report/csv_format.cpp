#include "report/csv_format.h"

#include <algorithm>

#include "report/number_format.h"

namespace {

constexpr const char* kHeader =
    "record,date,time,reading,concentration,low,high,equation,slope,intercept,"
    "decision_limit,detection_limit,quantification_limit,quadratic_a,quadratic_b,quadratic_c,"
    "quadratic_concentration,quadratic_low,quadratic_high,error\r\n";

// The fields are appended to the text of the record as they are made, with
// no text of their own: the report writes a hundred thousand rows in well
// under a second.
bool NeedsQuotes(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

void Field(std::string& out, const std::string& text)
{
    if (!NeedsQuotes(text)) {
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
void LineFields(std::string& out, const RecordReport& record)
{
    const CalibrationStatistics& st = record.statistics;
    Field(out, record.equation);
    for (const std::optional<double>& value :
         {std::optional<double>(st.slope), std::optional<double>(st.intercept), st.decisionLimit, st.detectionLimit,
          st.quantificationLimit}) {
        out += ',';
        Number(out, value);
    }
    out += ',';
}

// The coefficients of the record's curve, each followed by a comma.
void CurveCoefficients(std::string& out, const RecordReport& record)
{
    if (!record.quadratic) {
        out += ",,,";
        return;
    }
    for (const double value : {record.quadratic->a, record.quadratic->b, record.quadratic->c}) {
        Number(out, value);
        out += ',';
    }
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

void CsvReportWriter::AppendText(const RecordReport& record, std::string& out)
{
    if (!headerWritten_) {
        out += kHeader;
        headerWritten_ = true;
    }
    // The fields every row of the record repeats are made once, in texts
    // kept from record to record.
    lead_.clear();
    lead_ += std::to_string(record.number);
    lead_ += ',';
    Field(lead_, record.date);
    lead_ += ',';
    Field(lead_, record.time);
    lead_ += ',';
    if (record.error) {
        out += lead_;
        out += ",,,,,,,,,,,,,,,,";
        Field(out, *record.error);
        out += "\r\n";
        return;
    }
    line_.clear();
    LineFields(line_, record);
    CurveCoefficients(line_, record);
    if (record.readings.empty()) {
        out += lead_;
        out += ",,,,";
        out += line_;
        out += ",,,\r\n";
        return;
    }
    for (const ReadingReport& reading : record.readings) {
        out += lead_;
        ReadingFields(out, reading);
        out += line_;
        CurveReadingFields(out, reading);
        out += ",\r\n";
    }
}

std::string CsvReportWriter::Closing()
{
    return headerWritten_ ? std::string() : std::string(kHeader);
}
