#pragma once

#include <QCoreApplication>
#include <functional>
#include <memory>

#include "report/report_options.h"

// What a program does with options that ask for the printed pages, given
// the application it runs in, which it may replace.
using PdfReport = std::function<int(const ReportOptions& options, std::unique_ptr<QCoreApplication>& app)>;

// The report programs' main: the command line read, its help, version or
// usage error printed, or the report written, the printed pages by `pdf`.
int ReportMain(int argc, char* argv[], const PdfReport& pdf);
