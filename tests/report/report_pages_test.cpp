#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "data_folder.h"
#include "report_program.h"

namespace {

using PointTexts = std::vector<std::pair<std::string, std::string>>;

PointTexts Line(int count, double slope)
{
    PointTexts points;
    for (int i = 1; i <= count; ++i)
        points.emplace_back(std::to_string(i), std::to_string(slope * i + 0.01 * (i % 3)));
    return points;
}

std::vector<std::string> Readings(int count)
{
    std::vector<std::string> readings;
    for (int i = 1; i <= count; ++i)
        readings.push_back(std::to_string(0.05 * i));
    return readings;
}

QString Output(const QStringList& arguments)
{
    QProcess process;
    process.start(arguments.front(), arguments.mid(1));
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text lines of each page as pdftotext lays them out, blank lines left
// out.
std::vector<QStringList> Pages(const QString& pdf)
{
    std::vector<QStringList> pages;
    for (const QString& page : Output({"pdftotext", "-layout", pdf, "-"}).split('\f')) {
        QStringList lines;
        for (const QString& line : page.split('\n'))
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
        if (!lines.isEmpty())
            pages.push_back(lines);
    }
    return pages;
}

bool IsTableHead(const QString& line)
{
    static const QStringList heads{"№ % Замер Отклонение В допуске", "Показатель Значение", "Замер Концентрация ± От До"};
    return heads.contains(line) || line.endsWith(':');
}

// Four records: the worked example; ten points and ten readings, as a lab
// keeps them; sixty points and ninety readings, which run over several pages;
// and a curved calibration, which Mandel's test rejects.
class ReportPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        data_ = dir_.filePath(QStringLiteral("lab.dat"));
        QFile file(data_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(
            ExampleRecord() + RecordBytes("0.05", Line(10, 0.134), Readings(10)) +
            RecordBytes("0.05", Line(60, 0.02), Readings(90)) +
            RecordBytes("0.05", {{"1", "2.59"}, {"2", "3.42"}, {"3", "4.4"}, {"4", "5.58"}, {"5", "7.01"}}, {"4"})));
        file.close();
        pdf_ = dir_.filePath(QStringLiteral("lab.pdf"));
        const ProgramRun run = RunReportProgram({"-f", "pdf", "-o", pdf_, data_});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        pages_ = Pages(pdf_);
        ASSERT_GT(pages_.size(), 4u);
    }

    QString Digest() const
    {
        QFile file(data_);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    }

    QTemporaryDir dir_;
    QString data_;
    QString pdf_;
    std::vector<QStringList> pages_;
};

TEST_F(ReportPages, EveryPageNamesTheFileItsDigestAndItsNumber)
{
    const QString digest = Digest();
    const QString total = QString::number(pages_.size());
    const QRegularExpression printed(QStringLiteral("^Напечатано: \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d "));
    int recordsStarted = 0;
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        const QStringList& lines = pages_[p];
        EXPECT_EQ(lines.front(), QStringLiteral("lab.dat SHA-256 ") + digest.left(16)) << p;
        EXPECT_TRUE(lines.back().contains(printed)) << lines.back().toStdString();
        EXPECT_TRUE(lines.back().endsWith(QStringLiteral("Стр. %1 из %2").arg(p + 1).arg(total)))
            << lines.back().toStdString();
        // A record starts at the top of a page, with the full digest.
        const bool starts = lines[1].startsWith(QStringLiteral("Запись "));
        recordsStarted += starts;
        EXPECT_EQ(starts, lines.join('\n').contains(digest)) << p;
    }
    EXPECT_EQ(recordsStarted, 4);
    const QString all = Output({"pdftotext", pdf_, "-"});
    EXPECT_EQ(all.count(QStringLiteral("Выполнил: ")), 4);
    EXPECT_EQ(all.count(QStringLiteral("Проверил: ")), 4);
}

TEST_F(ReportPages, NoPageEndsWithATableHeadAndAContinuedTableRepeatsIt)
{
    int continued = 0;
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        const QStringList& lines = pages_[p];
        const QString lastOfBody = lines[lines.size() - 2];
        EXPECT_FALSE(IsTableHead(lastOfBody)) << "page " << p + 1 << " ends with " << lastOfBody.toStdString();
        if (lines[1].endsWith(QStringLiteral("(продолжение):"))) {
            ++continued;
            EXPECT_TRUE(IsTableHead(lines[2])) << "page " << p + 1;
        }
    }
    EXPECT_GE(continued, 2) << "the sixty points and the ninety readings run on";
}

TEST_F(ReportPages, TheEquationIsPrintedAndTheCurvedRecordGetsItsSecondOrderCalibration)
{
    const QString all = Output({"pdftotext", pdf_, "-"});
    EXPECT_TRUE(all.contains(QStringLiteral("Уравнение прямой: Y = 0.050085·X + 0.010962")));
    EXPECT_EQ(all.count(QStringLiteral("Функция второй степени (ISO 8466-2): Y = ")), 1) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("функция второй степени")) && all.contains(QStringLiteral("Остаток")));
    const QString info = Output({"pdfinfo", pdf_});
    for (const char* field : {"Title: +Калибровки: lab.dat", "Creator: +tolvazen-report", "Producer: +\\S"})
        EXPECT_TRUE(info.contains(QRegularExpression(QString::fromUtf8(field)))) << field << "\n" << info.toStdString();
}

}  // namespace
