#include "report/report_run.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <iostream>

#include "report/csv_format.h"
#include "report/json_format.h"
#include "report/progress_line.h"
#include "report/text_format.h"
#include "store/record_stream.h"

namespace {

constexpr int kFailure = 2;

int Fail(const std::string& message)
{
    std::cerr << "tolvazen-report: " << message << '\n';
    return kFailure;
}

std::optional<int> CountRecords(const std::string& fileName)
{
    RecordStream stream(fileName);
    int count = 0;
    while (stream.Skip())
        ++count;
    if (!stream.IsOpen() || stream.Failed())
        return std::nullopt;
    return count;
}

std::unique_ptr<ReportWriter> MakeTextWriter(const ReportOptions& options, QIODevice& device)
{
    switch (options.format) {
    case ReportFormat::Csv: return std::make_unique<CsvReportWriter>(device);
    case ReportFormat::Json: return std::make_unique<JsonReportWriter>(device);
    case ReportFormat::Pdf:
    case ReportFormat::Text: break;
    }
    return std::make_unique<PlainTextReportWriter>(device, options.settings);
}

// The records asked for, by number; every record when none is named.
std::vector<bool> Selection(const ReportOptions& options, int count)
{
    std::vector<bool> chosen(static_cast<std::size_t>(count) + 1, options.records.empty());
    for (const RecordRange& range : options.records)
        for (long long n = range.first; n <= range.last; ++n)
            chosen[static_cast<std::size_t>(n)] = true;
    chosen[0] = false;
    return chosen;
}

}  // namespace

WriteFailure WriteRecords(const ReportOptions& options, const std::vector<bool>& chosen, long long total,
                          ReportWriter& writer)
{
    RecordAnalyser analyser(options.settings,
                            writer.PrintsPoints() ? FitShows::PointsAndEquation : FitShows::EquationOnly);
    const SavedRecords saved(options.dataFile);
    ProgressLine progress(total);
    RecordStream stream(options.dataFile);
    if (!stream.IsOpen())
        return WriteFailure::Reading;
    // Records not asked for are passed without being read.
    const auto wanted = [&chosen](std::size_t number) {
        return chosen.empty() || (number < chosen.size() && chosen[number]);
    };
    StoredRecord record;
    RecordReport report;
    long long done = 0;
    for (;;) {
        if (!wanted(static_cast<std::size_t>(stream.Passed()) + 1)) {
            if (!stream.Skip())
                break;
            continue;
        }
        if (!stream.Next(record))
            break;
        analyser.Analyse(record, report);
        report.savedBy = saved.Find(record);
        writer.Write(report);
        progress.Done(++done);
    }
    if (stream.Failed())
        return WriteFailure::Reading;
    return writer.Finish() ? WriteFailure::None : WriteFailure::Writing;
}

namespace {

WriteFailure WriteReport(const ReportOptions& options, const std::vector<bool>& chosen, long long total,
                         QIODevice& device, PdfWriting pdf)
{
    if (options.format == ReportFormat::Pdf)
        return pdf ? pdf(options, chosen, total, device) : WriteFailure::Writing;
    return WriteRecords(options, chosen, total, *MakeTextWriter(options, device));
}

}  // namespace

int RunReport(const ReportOptions& options, PdfWriting pdf)
{
    // The records are counted first only where the count is needed: to check
    // the numbers asked for before anything is written, and for the progress
    // line.
    std::vector<bool> chosen;
    long long total = 0;
    if (!options.records.empty() || ProgressLine::CanShow()) {
        const std::optional<int> count = CountRecords(options.dataFile);
        if (!count)
            return Fail("cannot read " + options.dataFile);
        for (const RecordRange& range : options.records)
            if (range.last > *count)
                return Fail("record " + std::to_string(std::max<long long>(range.first, *count + 1)) +
                            " does not exist; " + options.dataFile + " holds " + std::to_string(*count) + " records");
        chosen = Selection(options, *count);
        total = std::count(chosen.begin(), chosen.end(), true);
    }
    const auto outcome = [&](WriteFailure failure, const std::string& target) {
        if (failure == WriteFailure::Reading)
            return Fail("cannot read " + options.dataFile);
        return failure == WriteFailure::Writing ? Fail("cannot write " + target) : 0;
    };
    if (options.output) {
        QSaveFile file(QString::fromStdString(*options.output));
        if (!file.open(QIODevice::WriteOnly))
            return Fail("cannot write " + *options.output);
        const WriteFailure failure = WriteReport(options, chosen, total, file, pdf);
        if (failure == WriteFailure::None && !file.commit())
            return Fail("cannot write " + *options.output);
        return outcome(failure, *options.output);
    }
    // The writers hand over blocks of their own, which a buffer of the
    // device would only copy once more.
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail("cannot write the standard output");
    const WriteFailure failure = WriteReport(options, chosen, total, out, pdf);
    if (failure == WriteFailure::None && !out.flush())
        return Fail("cannot write the standard output");
    return outcome(failure, "the standard output");
}
