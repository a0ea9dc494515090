#include <QGuiApplication>
#include <QLoggingCategory>
#include <iostream>

#include "report/report_run.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char* argv[])
{
    // A command-line program: it draws pages, never windows, and needs no
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("*.warning=false"));
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvazen-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVAZEN_VERSION));
    const ParsedCommandLine parsed = ParseReportCommandLine(QCoreApplication::arguments());
    if (const auto* help = std::get_if<HelpText>(&parsed)) {
        std::cout << help->text;
        return 0;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "tolvazen-report: " << error->message << "\nTry 'tolvazen-report --help'.\n";
        return kUsageError;
    }
    return RunReport(std::get<ReportOptions>(parsed));
}
