#include "report/report_main.h"

#include <QLoggingCategory>
#include <iostream>

#include "report/report_run.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int ReportMain(int argc, char* argv[], const PdfReport& pdf)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.warning=false"));
    QCoreApplication::setApplicationName(QStringLiteral("tolvazen-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVAZEN_VERSION));
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    const ParsedCommandLine parsed = ParseReportCommandLine(QCoreApplication::arguments());
    if (const auto* help = std::get_if<HelpText>(&parsed)) {
        std::cout << help->text;
        return 0;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "tolvazen-report: " << error->message << "\nTry 'tolvazen-report --help'.\n";
        return kUsageError;
    }
    const ReportOptions& options = std::get<ReportOptions>(parsed);
    if (options.format == ReportFormat::Pdf)
        return pdf(options, app);
    return RunReport(options, nullptr);
}
