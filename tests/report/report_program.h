#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// One run of the built tolvazen-report.
struct ProgramRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline ProgramRun RunReportProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(REPORT_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}
