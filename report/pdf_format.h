#pragma once

#include <memory>

#include "report/pdf_pages.h"
#include "report/report_writer.h"

// A4 pages: each record starts on a new page with its title, the chart of the
// points, the line (and the second-order curve) with the confidence band, the
// residual plot, the tables and the signature lines; a record that does not
// fit runs on to the next pages, where a table that runs on repeats its
// heading and column heads.
class PdfReportWriter : public ReportWriter {
public:
    virtual int PageCount() const = 0;
};

std::unique_ptr<PdfReportWriter> MakePdfReportWriter(QIODevice& device, const PdfDocumentFacts& facts,
                                                     const ReportSettings& settings);
