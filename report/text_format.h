#pragma once

#include "report/report_writer.h"

// The report for reading: Russian headings, aligned columns, '.' decimals.
class PlainTextReportWriter : public TextReportWriter {
public:
    PlainTextReportWriter(QIODevice& device, const ReportSettings& settings)
        : TextReportWriter(device), settings_(settings)
    {
    }

protected:
    void AppendText(const RecordReport& record, std::string& out) override;

private:
    ReportSettings settings_;
};
