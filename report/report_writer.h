#pragma once

#include <memory>
#include <string>

#include "report/record_analysis.h"

class QIODevice;

// Writes the reports of records, one after another, in one format.
class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    virtual void Write(const RecordReport& record) = 0;
    // False for a format that prints no points, whose reports can go without.
    virtual bool PrintsPoints() const { return true; }
    // Completes the output; false when it could not be written.
    virtual bool Finish() = 0;
};

// The base of the formats that are text: the bytes of the records are
// gathered in one buffer, used again and again, and go to the device in
// blocks, so that memory stays flat and a record costs no allocation.
class TextReportWriter : public ReportWriter {
public:
    explicit TextReportWriter(QIODevice& device) : device_(device) {}
    void Write(const RecordReport& record) override;
    bool Finish() override;

protected:
    // Appends the bytes of the record to `out`.
    virtual void AppendText(const RecordReport& record, std::string& out) = 0;
    virtual std::string Closing() { return {}; }

private:
    void Put();

    QIODevice& device_;
    std::string pending_;
    bool failed_ = false;
};
