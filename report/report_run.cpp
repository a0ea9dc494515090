#include "report/report_run.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <iostream>

#include "report/csv_format.h"
#include "report/json_format.h"
#include "report/pdf_format.h"
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
    StoredRecord record;
    int count = 0;
    while (stream.Next(record))
        ++count;
    if (!stream.IsOpen() || stream.Failed())
        return std::nullopt;
    return count;
}

std::unique_ptr<ReportWriter> MakeWriter(const ReportOptions& options, QIODevice& device)
{
    switch (options.format) {
    case ReportFormat::Csv: return std::make_unique<CsvReportWriter>(device);
    case ReportFormat::Json: return std::make_unique<JsonReportWriter>(device);
    case ReportFormat::Pdf:
        return MakePdfReportWriter(device, QFileInfo(QString::fromStdString(options.dataFile)).fileName(),
                                   options.settings);
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

bool WriteReport(const ReportOptions& options, const std::vector<bool>& chosen, QIODevice& device)
{
    const auto writer = MakeWriter(options, device);
    RecordAnalyser analyser(options.settings);
    ProgressLine progress(std::count(chosen.begin(), chosen.end(), true));
    RecordStream stream(options.dataFile);
    StoredRecord record;
    long long done = 0;
    while (stream.Next(record)) {
        if (static_cast<std::size_t>(record.number) >= chosen.size() || !chosen[static_cast<std::size_t>(record.number)])
            continue;
        writer->Write(analyser.Analyse(record));
        progress.Done(++done);
    }
    return !stream.Failed() && writer->Finish();
}

}  // namespace

int RunReport(const ReportOptions& options)
{
    const std::optional<int> count = CountRecords(options.dataFile);
    if (!count)
        return Fail("cannot read " + options.dataFile);
    for (const RecordRange& range : options.records)
        if (range.last > *count)
            return Fail("record " + std::to_string(std::max<long long>(range.first, *count + 1)) +
                        " does not exist; " + options.dataFile + " holds " + std::to_string(*count) + " records");
    const std::vector<bool> chosen = Selection(options, *count);

    if (options.output) {
        QSaveFile file(QString::fromStdString(*options.output));
        if (!file.open(QIODevice::WriteOnly))
            return Fail("cannot write " + *options.output);
        if (!WriteReport(options, chosen, file) || !file.commit())
            return Fail("cannot write " + *options.output);
        return 0;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !WriteReport(options, chosen, out) || !out.flush())
        return Fail("cannot write the standard output");
    return 0;
}
