#pragma once

#include "report/report_writer.h"

// An array with one object per record; a figure that is not defined is left
// out, numbers are JSON numbers with 17 significant digits.
class JsonReportWriter : public TextReportWriter {
public:
    using TextReportWriter::TextReportWriter;

protected:
    void AppendText(const RecordReport& record, std::string& out) override;
    std::string Closing() override;

private:
    bool first_ = true;
};
