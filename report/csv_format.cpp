#include "report/csv_format.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "report/number_format.h"

namespace {

constexpr const char* kHeader =
    "record,date,time,reading,concentration,low,high,equation,slope,intercept,"
    "decision_limit,detection_limit,quantification_limit,quadratic_a,quadratic_b,quadratic_c,"
    "quadratic_concentration,quadratic_low,quadratic_high,error\r\n";

// The bytes of the rows, made in a buffer of fixed size where the fields
// are written and appended to their text when it is full or done: the
// report writes a hundred thousand rows in well under a second.
class RowText {
public:
    explicit RowText(std::string& out) : out_(out) {}
    RowText(const RowText&) = delete;
    RowText& operator=(const RowText&) = delete;
    ~RowText() { Flush(); }

    void Add(char c)
    {
        Room(1);
        *at_++ = c;
    }
    void Add(std::string_view text)
    {
        if (text.size() > kRoom) {
            Flush();
            out_.append(text);
            return;
        }
        Room(text.size());
        at_ = std::copy(text.begin(), text.end(), at_);
    }
    void Number(double value)
    {
        Room(kExactNumberRoom);
        at_ = WriteExactNumber(at_, value);
    }
    void Number(const std::optional<double>& value)
    {
        if (value)
            Number(*value);
    }
    void Integer(int value)
    {
        constexpr std::size_t kIntegerRoom = 12;
        Room(kIntegerRoom);
        at_ = std::to_chars(at_, at_ + kIntegerRoom, value).ptr;
    }

private:
    static constexpr std::size_t kRoom = 4096;

    void Room(std::size_t size)
    {
        if (static_cast<std::size_t>(buffer_ + kRoom - at_) < size)
            Flush();
    }
    void Flush()
    {
        out_.append(buffer_, static_cast<std::size_t>(at_ - buffer_));
        at_ = buffer_;
    }

    std::string& out_;
    char buffer_[kRoom];
    char* at_ = buffer_;
};

bool NeedsQuotes(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

void Field(RowText& out, const std::string& text)
{
    if (!NeedsQuotes(text)) {
        out.Add(text);
        return;
    }
    out.Add('"');
    for (const char c : text) {
        if (c == '"')
            out.Add('"');
        out.Add(c);
    }
    out.Add('"');
}

// The record's line and limits, each field followed by a comma.
void LineFields(RowText& out, const RecordReport& record)
{
    const CalibrationStatistics& st = record.statistics;
    Field(out, record.equation);
    for (const std::optional<double>& value :
         {std::optional<double>(st.slope), std::optional<double>(st.intercept), st.decisionLimit, st.detectionLimit,
          st.quantificationLimit}) {
        out.Add(',');
        out.Number(value);
    }
    out.Add(',');
}

// The coefficients of the record's curve, each followed by a comma.
void CurveCoefficients(RowText& out, const RecordReport& record)
{
    if (!record.quadratic) {
        out.Add(",,,");
        return;
    }
    for (const double value : {record.quadratic->a, record.quadratic->b, record.quadratic->c}) {
        out.Number(value);
        out.Add(',');
    }
}

void ReadingFields(RowText& out, const ReadingReport& reading)
{
    if (reading.reading)
        out.Number(*reading.reading);
    else
        Field(out, reading.text);
    for (const std::optional<double>& value : {reading.interval.concentration, reading.interval.low, reading.interval.high}) {
        out.Add(',');
        out.Number(value);
    }
    out.Add(',');
}

void CurveReadingFields(RowText& out, const ReadingReport& reading)
{
    if (!reading.onCurve) {
        out.Add(",,");
        return;
    }
    const QuadraticReading& c = *reading.onCurve;
    out.Number(c.concentration);
    out.Add(',');
    out.Number(c.low);
    out.Add(',');
    out.Number(c.high);
}

}  // namespace

void CsvReportWriter::AppendText(const RecordReport& record, std::string& out)
{
    // The fields every row of the record repeats are made once, in texts
    // kept from record to record.
    lead_.clear();
    {
        RowText lead(lead_);
        lead.Integer(record.number);
        lead.Add(',');
        Field(lead, record.date);
        lead.Add(',');
        Field(lead, record.time);
        lead.Add(',');
    }
    RowText rows(out);
    if (!headerWritten_) {
        rows.Add(kHeader);
        headerWritten_ = true;
    }
    if (record.error) {
        rows.Add(lead_);
        rows.Add(",,,,,,,,,,,,,,,,");
        Field(rows, *record.error);
        rows.Add("\r\n");
        return;
    }
    line_.clear();
    {
        RowText line(line_);
        LineFields(line, record);
        CurveCoefficients(line, record);
    }
    if (record.readings.empty()) {
        rows.Add(lead_);
        rows.Add(",,,,");
        rows.Add(line_);
        rows.Add(",,,\r\n");
        return;
    }
    for (const ReadingReport& reading : record.readings) {
        rows.Add(lead_);
        ReadingFields(rows, reading);
        rows.Add(line_);
        CurveReadingFields(rows, reading);
        rows.Add(",\r\n");
    }
}

std::string CsvReportWriter::Closing()
{
    return headerWritten_ ? std::string() : std::string(kHeader);
}
