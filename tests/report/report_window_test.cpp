#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "data_folder.h"
#include "report_program.h"

namespace {

using ReportAgainstWindow = DataFolderTest;

// Records whose numbers need every digit: 15-digit values, a slope just
// below a decimal tie, negative and large values.
std::string Records()
{
    return ExampleRecord() +
           RecordBytes("0.01", {{"0", "0"}, {"1", "0.00883485"}, {"2", "0.0176697"}}, {"0.005"}) +
           RecordBytes("0.5", {{"0.123456789012345", "8.964684293660385"}, {"1.5", "-3.25"}, {"2.75", "11.5"},
                               {"7", "1e3"}, {"12.5", "-0.001"}},
                       {"1", "-2"}) +
           RecordBytes("1e-6", {{"-5", "100000.5"}, {"5", "99999.25"}, {"15", "100002.75"}, {"25", "100001"}}, {});
}

TEST_F(ReportAgainstWindow, EquationAndDeviationsEqualTheWindowsDigitForDigit)
{
    Start(Records());
    const ProgramRun run = RunReportProgram({"--format", "json", Path(QStringLiteral("lab.dat"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QJsonArray records = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(records.size(), 4);
    for (int n = 1; n <= 4; ++n) {
        ClickRecord(n);
        const QJsonObject record = records[n - 1].toObject();
        EXPECT_EQ(EquationCaption(record["equation"].toString()), Equation()) << "record " << n;
        const QJsonArray points = record["points"].toArray();
        ASSERT_EQ(points.size() + 1, form->StringGrid1->RowCount()) << "record " << n;
        for (int i = 1; i <= points.size(); ++i)
            EXPECT_EQ(points[i - 1].toObject()["deviation"].toString(), Cell1(3, i)) << "record " << n << " point " << i;
    }
}

}  // namespace
