#pragma once

#include "report/report_writer.h"

// RFC 4180 rows in UTF-8, '.' decimals: a header row, then one row per
// reading with the record's line and limits. A record without readings, or
// one that could not be fitted, gets one row with its reading fields empty
// (and the reason in the last column), so that every record is listed.
class CsvReportWriter : public TextReportWriter {
public:
    using TextReportWriter::TextReportWriter;
    bool PrintsPoints() const override { return false; }

protected:
    void AppendText(const RecordReport& record, std::string& out) override;
    std::string Closing() override;

private:
    bool headerWritten_ = false;
    std::string lead_;
    std::string line_;
};
