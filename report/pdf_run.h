#pragma once

#include "report/report_run.h"

// The printed pages, laid out twice: once to count them, so that each can
// say "Стр. N из M", then onto the device.
WriteFailure WritePdf(const ReportOptions& options, const std::vector<bool>& chosen, long long total,
                      QIODevice& device);
