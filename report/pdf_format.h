#pragma once

#include <memory>

#include "report/report_writer.h"

class QString;

// A4 pages, one per record: the title with the file's name, the chart of the
// points, the line and its confidence band, and the tables.
std::unique_ptr<ReportWriter> MakePdfReportWriter(QIODevice& device, const QString& dataFileName,
                                                  const ReportSettings& settings);
