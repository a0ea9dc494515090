#include "report/pdf_format.h"

#include "report/number_format.h"
#include "report/record_chart.h"
#include "report/report_tables.h"

namespace {

constexpr int kTitlePixels = 16;
constexpr int kTextPixels = 12;
constexpr int kLineHeight = 17;
constexpr int kChartHeight = 340;
constexpr int kResidualHeight = 150;
constexpr int kColumnGap = 14;
constexpr int kSectionGap = 10;
constexpr int kSignatureGap = 24;
constexpr std::size_t kShortTableLines = 20;

QString Q(const std::string& text) { return QString::fromStdString(text); }

class PagedPdfWriter : public PdfReportWriter {
public:
    PagedPdfWriter(QIODevice& device, const PdfDocumentFacts& facts, const ReportSettings& settings)
        : pages_(device, facts), facts_(facts), settings_(settings)
    {
    }

    void Write(const RecordReport& record) override
    {
        pages_.NewPage();
        Painter().setFont(PageFont(kTitlePixels, true));
        Line(Q(RecordTitle(record)));
        Painter().setFont(PageFont(kTextPixels));
        Line(QStringLiteral("Файл данных: ") + facts_.fileName + QStringLiteral(", SHA-256 ") + facts_.sha256);
        Line(QStringLiteral("Погрешность: ") + Q(ShortNumber(record.tolerance)));
        for (const std::string& line : SavedByLines(record))
            Line(Q(line));
        if (record.error) {
            Line(Q(FitErrorText(record)));
            Signatures();
            return;
        }
        Line(QStringLiteral("Уравнение прямой: ") + Q(PrintedEquation(record)));
        if (record.quadratic)
            Line(Q(CurveHeading(*record.quadratic)));
        Charts(record);
        Table(Q("Точки:"), PointRows(record));
        Table(Q(StatisticsHeading(settings_)), StatisticsRows(record));
        if (!record.readings.empty())
            Table(Q(ReadingsHeading(settings_)), ReadingRows(record));
        if (record.quadratic) {
            Table(QStringLiteral("Функция второй степени (ISO 8466-2):"), CurveRows(*record.quadratic));
            if (!record.readings.empty())
                Table(Q(CurveReadingsHeading(settings_)), CurveReadingRows(record));
        }
        Signatures();
    }

    bool Finish() override
    {
        if (!pages_.Started()) {
            pages_.NewPage();
            Painter().setFont(PageFont(kTextPixels));
            Line(facts_.fileName + QStringLiteral(": нет записей"));
        }
        return pages_.Finish();
    }

    int PageCount() const override { return pages_.PageCount(); }

private:
    QPainter& Painter() { return pages_.Painter(); }
    int& Y() { return pages_.Y(); }

    void Line(const QString& text)
    {
        pages_.Room(kLineHeight);
        Painter().setPen(Qt::black);
        Painter().drawText(QRect(0, Y(), pages_.Width(), kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        Y() += kLineHeight;
    }

    void Charts(const RecordReport& record)
    {
        const int width = pages_.Width();
        const int legend = ChartLegendHeight(Painter(), width, record);
        pages_.Room(kSectionGap + kChartHeight + kSectionGap + legend);
        Y() += kSectionGap / 2;
        const RecordChartScales scales = ChooseChartScales(Painter(), QSize(width, kChartHeight), kResidualHeight, record);
        PaintRecordChart(Painter(), QRect(0, Y(), width, kChartHeight), scales, record);
        Y() += kChartHeight + kSectionGap / 2;
        PaintChartLegend(Painter(), QRect(0, Y(), width, legend), record);
        Y() += legend + kSectionGap;
        pages_.Room(kResidualHeight + kSectionGap);
        PaintResidualChart(Painter(), QRect(0, Y(), width, kResidualHeight), scales, record);
        Y() += kResidualHeight + kSectionGap;
    }

    // A short table stays on one page. Of a longer one the heading, the
    // column heads and the first row stay together, and on each further page
    // the heading and the column heads come again.
    void Table(const QString& heading, const TableRows& rows)
    {
        const std::vector<int> widths = ColumnWidths(rows);
        const std::size_t together = rows.size() + 1 <= kShortTableLines ? rows.size() + 1 : 3;
        pages_.Room(kLineHeight * static_cast<int>(together));
        Heads(heading, rows.front(), widths);
        QString continued = heading;
        if (continued.endsWith(QLatin1Char(':')))
            continued.chop(1);
        continued += QStringLiteral(" (продолжение):");
        for (std::size_t r = 1; r < rows.size(); ++r) {
            if (!pages_.Fits(kLineHeight)) {
                pages_.NewPage();
                Heads(continued, rows.front(), widths);
            }
            Row(rows[r], widths, false);
        }
        Y() += kSectionGap;
    }

    void Heads(const QString& heading, const std::vector<std::string>& heads, const std::vector<int>& widths)
    {
        Painter().setFont(PageFont(kTextPixels, true));
        Line(heading);
        Row(heads, widths, true);
    }

    void Row(const std::vector<std::string>& cells, const std::vector<int>& widths, bool heads)
    {
        Painter().setFont(PageFont(kTextPixels, heads));
        int x = 0;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const Qt::Alignment align = c == 0 ? Qt::AlignLeft : Qt::AlignRight;
            Painter().drawText(QRect(x, Y(), widths[c], kLineHeight), align | Qt::AlignVCenter, Q(cells[c]));
            x += widths[c] + kColumnGap;
        }
        if (heads)
            Painter().drawLine(0, Y() + kLineHeight - 1, x - kColumnGap, Y() + kLineHeight - 1);
        Y() += kLineHeight;
    }

    std::vector<int> ColumnWidths(const TableRows& rows)
    {
        const QFontMetrics metrics(PageFont(kTextPixels, true), Painter().device());
        std::vector<int> widths;
        for (const auto& row : rows) {
            widths.resize(std::max(widths.size(), row.size()), 0);
            for (std::size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(Q(row[c])));
        }
        return widths;
    }

    // Two lines to sign, kept together on one page.
    void Signatures()
    {
        pages_.Room(kSignatureGap + 2 * kLineHeight + kSignatureGap);
        Y() += kSignatureGap;
        Painter().setFont(PageFont(kTextPixels));
        Line(QStringLiteral("Выполнил: ______________________  Дата: ______________"));
        Y() += kSignatureGap;
        Line(QStringLiteral("Проверил: ______________________  Дата: ______________"));
    }

    PdfPages pages_;
    PdfDocumentFacts facts_;
    ReportSettings settings_;
};

}  // namespace

std::unique_ptr<PdfReportWriter> MakePdfReportWriter(QIODevice& device, const PdfDocumentFacts& facts,
                                                     const ReportSettings& settings)
{
    return std::make_unique<PagedPdfWriter>(device, facts, settings);
}
