#include "report/text_format.h"

#include "report/number_format.h"
#include "report/report_tables.h"
#include "report/text_columns.h"

namespace {

std::string Table(const TableRows& rows)
{
    TextColumns columns;
    for (const auto& row : rows)
        columns.Row(row);
    return columns.Text();
}

}  // namespace

void PlainTextReportWriter::AppendText(const RecordReport& record, std::string& out)
{
    out += RecordTitle(record) + "\n";
    out += "Погрешность: " + ShortNumber(record.tolerance) + "\n";
    for (const std::string& line : SavedByLines(record))
        out += line + "\n";
    if (record.error) {
        out += FitErrorText(record) + "\n\n";
        return;
    }
    out += "Уравнение прямой: " + PrintedEquation(record) + "\n";
    out += "Точки:\n" + Table(PointRows(record));
    out += StatisticsHeading(settings_) + "\n" + Table(StatisticsRows(record));
    if (!record.readings.empty())
        out += ReadingsHeading(settings_) + "\n" + Table(ReadingRows(record));
    if (record.quadratic) {
        out += CurveHeading(*record.quadratic) + "\n" + Table(CurveRows(*record.quadratic));
        if (!record.readings.empty())
            out += CurveReadingsHeading(settings_) + "\n" + Table(CurveReadingRows(record));
    }
    out += "\n";
}
