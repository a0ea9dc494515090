// The program that makes the report's printed pages; tolvazen-report hands
// a command line that asks for them over to it.
#include <QGuiApplication>

#include "report/pdf_run.h"
#include "report/report_main.h"

int main(int argc, char* argv[])
{
    return ReportMain(argc, argv, [&](const ReportOptions& options, std::unique_ptr<QCoreApplication>& app) {
        // The pages are drawn, never shown, and need no display.
        app.reset();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        return RunReport(options, WritePdf);
    });
}
