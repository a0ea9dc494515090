// The report names who saved a record and the points then switched out of
// its fit, from the history beside the data file.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "example_record.h"
#include "history/history_writer.h"
#include "report_program.h"
#include "store/record_writer.h"

namespace {

TEST(ReportSavedBy, ARecordWhoseAppendTheHistoryHoldsNamesItsSaverAndExcludedPoints)
{
    TempDir dir;
    const std::string data = dir.Write("lab.dat", ExampleRecordBytes());
    HistoryWriter writer(QStringLiteral("test"));
    writer.SetAppendDetails(QStringLiteral("Y=0.05*X+0.01"), {{3, 10, 0.9}});
    CalibrationState second = ExampleState();
    second.Tolerance = 0.07;
    ASSERT_TRUE(AppendRecord(data, second, {"0.3"}, "06.03.2007", "09:00", kDataFileLockWait, &writer));

    const ProgramRun json = RunReportProgram({QStringLiteral("-f"), QStringLiteral("json"), QString::fromStdString(data)});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    const QJsonArray records = QJsonDocument::fromJson(json.out).array();
    ASSERT_EQ(records.size(), 2);
    EXPECT_FALSE(records[0].toObject().contains(QStringLiteral("saved_by"))) << "saved before the history began";
    const QJsonObject saved = records[1].toObject();
    EXPECT_FALSE(saved.value(QStringLiteral("saved_by")).toObject().value(QStringLiteral("user")).toString().isEmpty());
    const QJsonArray excluded = saved.value(QStringLiteral("excluded_points")).toArray();
    ASSERT_EQ(excluded.size(), 1);
    EXPECT_EQ(excluded[0].toObject(), (QJsonObject{{"number", 3}, {"x", 10}, {"y", 0.9}}));

    const ProgramRun text = RunReportProgram({QString::fromStdString(data)});
    const QString out = QString::fromUtf8(text.out);
    EXPECT_EQ(out.count(QStringLiteral("Сохранил: ")), 1);
    EXPECT_TRUE(out.contains(QStringLiteral("Исключены из расчета: точка 3 (X=10, Y=0.9)"))) << out.toStdString();
}

}  // namespace
