#include <gtest/gtest.h>

#include <cmath>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "data_folder.h"
#include "report_program.h"

namespace {

// A data file in a folder of its own.
class ReportFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const std::string& bytes) const
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // The worked example, then records the fit cannot take, then a second
    // good record.
    QString MixedFile() const
    {
        return Write(QStringLiteral("mixed.dat"),
                     ExampleRecord() + RecordBytes("0.05", {{"1", "2"}}, {"0.5"}) +
                         RecordBytes("0.05", {{"3", "1"}, {"3", "2"}}, {}) +
                         RecordBytes("0.05", {{"2", "1"}, {"2", "2"}, {"2", "3"}}, {}) +
                         RecordBytes("0.05", {{"1", "4"}, {"2", "4"}, {"3", "4"}}, {"4"}) +
                         Cp("\r\n#\r\nДата: 05.03.2007\r\nВремя: 14:27\r\n0.05\r\n1001\r\n8\r\n") +
                         RecordBytes("0.1", {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}, {"4", "8"}}, {"3,5", "abc"}));
    }

private:
    QTemporaryDir dir_;
};

QJsonArray Json(const ProgramRun& run)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.array();
}

TEST_F(ReportFiles, TheWorkedExampleAsText)
{
    const ProgramRun run = RunReportProgram({Write(QStringLiteral("lab.dat"), ExampleRecord())});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = QString::fromUtf8(run.out);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Запись 1: 05.03.2007 14:27\nПогрешность: 0.05\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Уравнение прямой: Y = 0.050085·X + 0.010962\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n   1   0  0.012       0.021         да\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Точек в расчете")));
    EXPECT_TRUE(text.contains(QStringLiteral("Предел обнаружения")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n   0.3     5.771002918")));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(ReportFiles, TheWorkedExampleAsJsonHasExactlyTheNamedKeys)
{
    const QJsonArray records = Json(RunReportProgram({QStringLiteral("--format"), QStringLiteral("json"),
                                                       Write(QStringLiteral("lab.dat"), ExampleRecord())}));
    ASSERT_EQ(records.size(), 1);
    const QJsonObject r = records[0].toObject();
    const QStringList keys{"record",       "date",         "time",           "tolerance",      "equation",
                           "n",            "slope",        "intercept",      "slope_se",       "intercept_se",
                           "r_squared",    "residual_sd",  "method_sd",      "relative_method_sd_percent",
                           "decision_limit", "detection_limit", "quantification_limit", "points", "readings"};
    QStringList sortedKeys = keys;
    sortedKeys.sort();
    EXPECT_EQ(r.keys(), sortedKeys) << "no Mandel test for three points";
    EXPECT_EQ(r["record"].toInt(), 1);
    EXPECT_EQ(r["time"].toString(), QStringLiteral("14:27"));
    EXPECT_EQ(r["equation"].toString(), QStringLiteral("Y=0.050085*X+0.010962"));
    EXPECT_EQ(r["n"].toInt(), 3);
    EXPECT_NEAR(r["slope"].toDouble(), 0.0500846153846, 1e-12);
    EXPECT_NEAR(r["detection_limit"].toDouble(), 2 * r["decision_limit"].toDouble(), 1e-15);
    const QJsonArray points = r["points"].toArray();
    ASSERT_EQ(points.size(), 3);
    EXPECT_EQ(points[1].toObject()["deviation"].toString(), QStringLiteral("-0.028"));
    EXPECT_TRUE(points[1].toObject()["within_tolerance"].toBool());
    const QJsonObject reading = r["readings"].toArray()[1].toObject();
    EXPECT_EQ(reading.keys(), (QStringList{"concentration", "half_width", "high", "low", "reading"}));
    const double c = reading["concentration"].toDouble();
    EXPECT_NEAR(c, (0.75 - r["intercept"].toDouble()) / r["slope"].toDouble(), 1e-13);
    EXPECT_DOUBLE_EQ(reading["low"].toDouble(), c - reading["half_width"].toDouble());
    // 17 significant digits: the JSON text gives back the exact double.
    EXPECT_TRUE(QString::fromUtf8(RunReportProgram({"-f", "json", Path("lab.dat")}).out).contains("\"reading\":0.75,"));
}

TEST_F(ReportFiles, RecordsTheFitCannotTakeAreReportedInTheirPlace)
{
    const QString file = MixedFile();
    const QJsonArray records = Json(RunReportProgram({"--format", "json", file}));
    ASSERT_EQ(records.size(), 7);
    EXPECT_FALSE(records[0].toObject().contains("error"));
    EXPECT_EQ(records[1].toObject()["error"].toString(), QStringLiteral("Одну точку не считаем!"));
    EXPECT_EQ(records[2].toObject()["error"].toString(), QStringLiteral("Вертикальных линий МНК не считает!"));
    EXPECT_TRUE(records[3].toObject().contains("error")) << "three points on one vertical";
    EXPECT_TRUE(records[4].toObject().contains("error")) << "a zero slope";
    EXPECT_TRUE(records[5].toObject()["error"].toString().contains("1000"));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(records[i].toObject().contains("slope")) << i;
        EXPECT_EQ(records[i].toObject()["record"].toInt(), i + 1);
    }
    const QJsonObject last = records[6].toObject();
    EXPECT_EQ(last["equation"].toString(), QStringLiteral("Y=1.98*X+0.05"));
    EXPECT_TRUE(last["mandel"].toObject().contains("linear")) << "four points have a Mandel test";
    const QJsonArray readings = last["readings"].toArray();
    EXPECT_NEAR(readings[0].toObject()["concentration"].toDouble(), (3.5 - 0.05) / 1.98, 1e-12)
        << "a reading typed with a comma";
    EXPECT_EQ(readings[1].toObject()["reading"].toString(), QStringLiteral("abc"));
    EXPECT_FALSE(readings[1].toObject().contains("concentration"));

    const QString text = QString::fromUtf8(RunReportProgram({file}).out);
    EXPECT_TRUE(text.contains(QStringLiteral("Запись 2: 05.03.2007 14:27\nПогрешность: 0.05\n"
                                             "Расчет невозможен: Одну точку не считаем!\n")));
}

TEST_F(ReportFiles, CsvHasAHeaderAndOneRowPerReading)
{
    const ProgramRun run = RunReportProgram({"--format", "csv", "--record", "1", "--record", "2-3", MixedFile()});
    ASSERT_EQ(run.status, 0);
    const QList<QByteArray> rows = run.out.split('\n');
    ASSERT_EQ(rows.size(), 6) << run.out.toStdString();
    EXPECT_TRUE(rows[0].startsWith("record,date,time,reading,concentration,low,high,"));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(rows[i].endsWith('\r')) << "RFC 4180 rows end in CR LF";
    EXPECT_TRUE(rows[1].startsWith("1,05.03.2007,14:27,0.29999999999999999,5.77"));
    EXPECT_TRUE(rows[2].startsWith("1,05.03.2007,14:27,0.75,"));
    EXPECT_TRUE(rows[3].startsWith("2,05.03.2007,14:27,,,,,"));
    EXPECT_TRUE(rows[3].contains(QString::fromUtf8("Одну точку").toUtf8()));
    EXPECT_TRUE(rows[5].isEmpty());
}

TEST_F(ReportFiles, AFieldWithACommaOrQuoteIsQuoted)
{
    const std::string bytes = RecordBytes("0.05", {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}}, {"1,5\"x"});
    const ProgramRun run = RunReportProgram({"-f", "csv", Write("q.dat", bytes)});
    EXPECT_TRUE(run.out.contains(",\"1,5\"\"x\",,,,")) << run.out.toStdString();
}

// A reading beyond the range of a double is no number, as in the window's
// result table; the report goes on.
TEST_F(ReportFiles, AReadingBeyondTheRangeOfADoubleKeepsItsText)
{
    const std::string bytes = RecordBytes("0.05", {{"1", "2"}, {"2", "4.1"}, {"3", "5.9"}}, {"1e400", "2"});
    const ProgramRun run = RunReportProgram({"-f", "json", Write("big.dat", bytes)});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QJsonArray readings = Json(run)[0].toObject()["readings"].toArray();
    ASSERT_EQ(readings.size(), 2);
    EXPECT_EQ(readings[0].toObject()["reading"].toString(), QStringLiteral("1e400"));
    EXPECT_FALSE(readings[0].toObject().contains("concentration"));
    EXPECT_TRUE(readings[1].toObject().contains("concentration"));
}

TEST_F(ReportFiles, PdfStartsEachRecordOnANewPage)
{
    const QString out = Path("report.pdf");
    const ProgramRun run = RunReportProgram({"--format", "pdf", "--output", out, MixedFile()});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile pdf(out);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-layout", out, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
    for (const char* expected : {"Запись 1: 05.03.2007 14:27", "Уравнение прямой: Y = 0.050085·X + 0.010962",
                                 "зеленая точка: в допуске", "красная точка: вне допуска",
                                 "штриховка: доверительная полоса прямой, 95 %", "Предел определения", "-0.028"})
        EXPECT_TRUE(pages.join('\f').contains(QString::fromUtf8(expected))) << expected;
    int next = 1;
    for (const QString& page : pages)
        if (page.contains(QStringLiteral("Запись %1:").arg(next)))
            ++next;
    EXPECT_EQ(next, 8) << "seven records, each from the top of a page of its own";
    EXPECT_TRUE(pages.join('\f').contains(QStringLiteral("Расчет невозможен: Одну точку не считаем!")));
}

TEST_F(ReportFiles, WrongInputEndsWithStatus2AndWritesNothing)
{
    const QString file = MixedFile();
    const QString out = Path("out.txt");
    const std::vector<QStringList> wrong{
        {"--output", out, Path("missing.dat")},
        {"--output", out, "--record", "8", file},
        {"--output", out, "--record", "6-9", file},
        {"--output", out, "--record", "x", file},
        {"--output", out, "--record", "0", file},
        {"--output", out, "--record", "3-2", file},
        {"--output", out, "--alpha", "abc", file},
        {"--output", out, "--alpha", "1.5", file},
        {"--output", out, "--blank", "1,5", file},
        {"--output", out, "--format", "xml", file},
        {"--output", out, "--model", "cubic", file},
        {"--format", "pdf", file},
        {"--output", out},
        {"--output", out, file, file},
    };
    for (const QStringList& arguments : wrong) {
        const ProgramRun run = RunReportProgram(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("tolvazen-report: ")) << arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(out)) << arguments.join(' ').toStdString();
    }
    const ProgramRun missing = RunReportProgram({"-r", "9", file});
    EXPECT_TRUE(missing.err.contains("record 9 does not exist")) << missing.err.toStdString();
}

TEST_F(ReportFiles, AnExistingOutputFileIsKeptWhenTheReportFails)
{
    const QString out = Write("kept.txt", "old");
    EXPECT_EQ(RunReportProgram({"-o", out, "-r", "99", MixedFile()}).status, 2);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
}

TEST_F(ReportFiles, AlphaAndBlankChangeTheIntervals)
{
    const QString file = Write("lab.dat", ExampleRecord());
    const auto reading = [&](const QStringList& options) {
        return Json(RunReportProgram(QStringList{"-f", "json"} + options + QStringList{file}))[0]
            .toObject()["readings"].toArray()[0].toObject();
    };
    const QJsonObject base = reading({});
    const QJsonObject wide = reading({"--alpha", "0.01"});
    const QJsonObject blank = reading({"--blank", "0.1"});
    EXPECT_GT(wide["half_width"].toDouble(), base["half_width"].toDouble());
    EXPECT_DOUBLE_EQ(wide["concentration"].toDouble(), base["concentration"].toDouble());
    EXPECT_NEAR(blank["concentration"].toDouble(), base["concentration"].toDouble() - 0.1 / 0.0500846153846, 1e-9);
}

// The curve y = 2 + 0.5x + 0.1x² with residuals 0.01·(−1, 2, 0, −2, 1),
// which Mandel's test rejects as a line.
TEST_F(ReportFiles, TheModelOptionBringsInTheSecondOrderCalibration)
{
    const QString file = Write("curve.dat", ExampleRecord() + RecordBytes("0.05", {{"1", "2.59"}, {"2", "3.42"},
                                                                                     {"3", "4.4"}, {"4", "5.58"},
                                                                                     {"5", "7.01"}},
                                                                          {"4", "10"}));
    const auto records = [&](const char* model) {
        return Json(RunReportProgram({"-f", "json", "--model", model, file}));
    };
    const QJsonArray automatic = records("auto");
    EXPECT_FALSE(automatic[0].toObject().contains("quadratic")) << "no Mandel test for three points";
    const QJsonObject curve = automatic[1].toObject()["quadratic"].toObject();
    EXPECT_FALSE(automatic[1].toObject()["mandel"].toObject()["linear"].toBool());
    EXPECT_NEAR(curve["a"].toDouble(), 2, 1e-12);
    EXPECT_NEAR(curve["b"].toDouble(), 0.5, 1e-12);
    EXPECT_NEAR(curve["c"].toDouble(), 0.1, 1e-12);
    EXPECT_NEAR(curve["residual_sd"].toDouble(), std::sqrt(0.0005), 1e-12);
    const QJsonArray readings = automatic[1].toObject()["readings"].toArray();
    EXPECT_NEAR(readings[0].toObject()["quadratic"].toObject()["concentration"].toDouble(),
                (-5 + std::sqrt(105.0)) / 2, 1e-12);
    EXPECT_EQ(readings[1].toObject()["quadratic"].toObject()["root"].toString(), QStringLiteral("out_of_range"));
    EXPECT_FALSE(records("linear")[1].toObject().contains("quadratic"));
    EXPECT_TRUE(records("quadratic")[0].toObject()["quadratic"].toObject().contains("c"));
    EXPECT_FALSE(records("quadratic")[0].toObject()["quadratic"].toObject().contains("residual_sd"))
        << "three points leave no degree of freedom";

    const QList<QByteArray> rows = RunReportProgram({"-f", "csv", file}).out.split('\n');
    ASSERT_EQ(rows.size(), 6) << "the header, two readings of each record, the empty end";
    EXPECT_TRUE(rows[0].contains(",quadratic_a,quadratic_b,quadratic_c,quadratic_concentration,quadratic_low,"
                                 "quadratic_high,error\r"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(rows[i].count(','), 19) << rows[i].toStdString();
    EXPECT_TRUE(rows[3].startsWith("2,")) << rows[3].toStdString();
    EXPECT_TRUE(rows[3].contains(",Y=1.1*X+1.3,")) << rows[3].toStdString();
    const QString text = QString::fromUtf8(RunReportProgram({file}).out);
    EXPECT_TRUE(text.contains(QStringLiteral("Функция второй степени (ISO 8466-2): Y = 2 + 0.5·X + 0.1·X²\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("нет корня в рабочем диапазоне")));
}

TEST_F(ReportFiles, HelpVersionAndNoRecords)
{
    const ProgramRun help = RunReportProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--record", "--format", "--output", "--alpha", "--blank", "--model", "DATAFILE"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_TRUE(RunReportProgram({"--version"}).out.startsWith("tolvazen-report "));
    const QString empty = Write("empty.dat", "");
    EXPECT_EQ(RunReportProgram({"-f", "json", empty}).out, QByteArray("[]\n"));
    EXPECT_EQ(RunReportProgram({"-f", "csv", empty}).out.count('\n'), 1) << "the header row alone";
}

}  // namespace
