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
    // Completes the output; false when it could not be written.
    virtual bool Finish() = 0;
};

// The base of the formats that are text: each record becomes bytes that go to
// the device as they are made.
class TextReportWriter : public ReportWriter {
public:
    explicit TextReportWriter(QIODevice& device) : device_(device) {}
    void Write(const RecordReport& record) override { Put(Text(record)); }
    bool Finish() override;

protected:
    virtual std::string Text(const RecordReport& record) = 0;
    virtual std::string Closing() { return {}; }
    void Put(const std::string& bytes);

private:
    QIODevice& device_;
    bool failed_ = false;
};
