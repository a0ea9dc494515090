#pragma once

#include "report/report_options.h"

// Writes the report the options ask for and returns the exit status: 0, or 2
// after a message on standard error when the file cannot be read, a record
// does not exist or the output cannot be written; then nothing is written.
int RunReport(const ReportOptions& options);
