#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>

#include "data_folder.h"
#include "report_program.h"

namespace {

QString ManyRecords(const QTemporaryDir& dir, int count)
{
    std::string bytes;
    for (int r = 0; r < count; ++r)
        bytes += ExampleRecord();
    const QString name = dir.filePath(QStringLiteral("many.dat"));
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return name;
}

// What the program writes to a terminal as its standard error.
std::string TerminalError(const QStringList& arguments)
{
    int master = -1;
    int slave = -1;
    EXPECT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setChildProcessModifier([slave] { dup2(slave, STDERR_FILENO); });
    process.start(QStringLiteral(REPORT_PROGRAM), arguments);
    process.waitForFinished(60000);
    close(slave);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(master, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(master);
    return text;
}

TEST(ProgressLine, ShownOnATerminalWhileMoreThan1000RecordsAreProcessed)
{
    QTemporaryDir dir;
    const QString file = ManyRecords(dir, 1500);
    const std::string shown = TerminalError({"-f", "csv", file});
    EXPECT_NE(shown.find("records: 1000 of 1500"), std::string::npos) << shown;
    EXPECT_NE(shown.find("records: 1500 of 1500"), std::string::npos) << shown;

    EXPECT_EQ(TerminalError({"-f", "csv", "-r", "1-1000", file}), "") << "1000 records are quiet";
    EXPECT_TRUE(RunReportProgram({"-f", "csv", file}).err.isEmpty()) << "standard error is no terminal";
}

}  // namespace
