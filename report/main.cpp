#include <QGuiApplication>
#include <QLoggingCategory>
#include <iostream>
#include <memory>

#include "report/report_run.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char* argv[])
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
    // Only the printed pages need fonts and painting; the text formats start
    // without them, which is most of the start-up time. The pages are drawn,
    // never shown, and need no display.
    if (options.format == ReportFormat::Pdf) {
        app.reset();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return RunReport(options);
}
