#pragma once

#include <QProcess>
#include <QStringList>
#include <string>

// A run of tolvazen-history: exit status (-1 when it did not exit by
// itself), standard output and standard error.
struct HistoryRun {
    int status = -1;
    std::string out;
    std::string error;
};

inline HistoryRun RunHistoryProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TOLVAZEN_HISTORY), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}
