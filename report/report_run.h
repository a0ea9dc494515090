#pragma once

#include <vector>

#include "report/report_options.h"
#include "report/report_writer.h"

// Why a report could not be written, when it could not.
enum class WriteFailure { None, Reading, Writing };

// Writes the reports of the chosen records (by number; every record when
// `chosen` is empty) through the writer; `total` of them for the progress
// line, 0 for none.
WriteFailure WriteRecords(const ReportOptions& options, const std::vector<bool>& chosen, long long total,
                          ReportWriter& writer);

// The printed pages of the chosen records onto the device.
using PdfWriting = WriteFailure (*)(const ReportOptions& options, const std::vector<bool>& chosen, long long total,
                                    QIODevice& device);

// Writes the report the options ask for, the printed pages through `pdf`,
// and returns the exit status: 0, or 2 after a message on standard error
// when the file cannot be read, a record does not exist or the output cannot
// be written; then nothing is written.
int RunReport(const ReportOptions& options, PdfWriting pdf);
