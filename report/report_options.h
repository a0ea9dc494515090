#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "report/record_analysis.h"

enum class ReportFormat { Text, Csv, Json, Pdf };

// Records asked for by number: single numbers and ranges, from 1.
struct RecordRange {
    long long first = 0;
    long long last = 0;
};

struct ReportOptions {
    std::string dataFile;
    std::vector<RecordRange> records;  // empty: every record
    ReportFormat format = ReportFormat::Text;
    std::optional<std::string> output;  // none: standard output
    ReportSettings settings;
};

// What the command line asks for: the options, or the text that --help or
// --version print (exit status 0), or what is wrong with it (exit status 2).
struct HelpText {
    std::string text;
};
struct UsageError {
    std::string message;
};
using ParsedCommandLine = std::variant<ReportOptions, HelpText, UsageError>;

ParsedCommandLine ParseReportCommandLine(const QStringList& arguments);

// "3" or "3-7"; none when the text is neither or a number is below 1.
std::optional<RecordRange> ParseRecordRange(const std::string& text);
