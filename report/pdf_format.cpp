#include "report/pdf_format.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "chart/design_fonts.h"
#include "report/number_format.h"
#include "report/record_chart.h"
#include "report/report_tables.h"

namespace {

// Page coordinates are pixels of 1/96 inch, as on a screen, so that the
// chart is laid out as in the window.
constexpr int kResolution = 96;
constexpr qreal kMarginMm = 15;
constexpr int kTitlePixels = 16;
constexpr int kTextPixels = 12;
constexpr int kLineHeight = 17;
constexpr int kChartHeight = 340;
constexpr int kColumnGap = 14;
constexpr int kSectionGap = 10;

QFont PageFont(int pixels, bool bold = false)
{
    return StandInFont(DesignFont::Arial, pixels, bold);
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

class PdfReportWriter : public ReportWriter {
public:
    PdfReportWriter(QIODevice& device, const QString& dataFileName, const ReportSettings& settings)
        : writer_(&device), fileName_(dataFileName), settings_(settings)
    {
        writer_.setPageSize(QPageSize(QPageSize::A4));
        writer_.setResolution(kResolution);
        writer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        writer_.setTitle(QStringLiteral("Калибровки: ") + fileName_);
        writer_.setCreator(QStringLiteral("tolvazen-report"));
    }

    void Write(const RecordReport& record) override
    {
        StartPage();
        painter_.setFont(PageFont(kTitlePixels, true));
        Line(fileName_ + QStringLiteral(" — ") + Q(RecordTitle(record)));
        painter_.setFont(PageFont(kTextPixels));
        Line(QStringLiteral("Погрешность: ") + Q(ShortNumber(record.tolerance)));
        if (record.error) {
            Line(Q(FitErrorText(record)));
            return;
        }
        Line(QStringLiteral("Уравнение прямой: ") + Q(record.equation));
        y_ += kSectionGap / 2;
        PaintRecordChart(painter_, QRect(0, y_, Width(), kChartHeight), record);
        y_ += kChartHeight + kSectionGap / 2;
        y_ += PaintChartLegend(painter_, QRect(0, y_, Width(), kLineHeight), record) + kSectionGap;
        Table("Точки:", PointRows(record));
        Table(StatisticsHeading(settings_), StatisticsRows(record));
        if (!record.readings.empty())
            Table(ReadingsHeading(settings_), ReadingRows(record));
    }

    bool Finish() override
    {
        if (!painter_.isActive()) {
            StartPage();
            painter_.setFont(PageFont(kTextPixels));
            Line(fileName_ + QStringLiteral(": нет записей"));
        }
        return painter_.end();
    }

private:
    int Width() const { return writer_.width(); }

    void StartPage()
    {
        if (painter_.isActive())
            writer_.newPage();
        else
            painter_.begin(&writer_);
        y_ = 0;
    }

    // Moves to a new page when the next line would not fit.
    void Room()
    {
        if (y_ + kLineHeight > writer_.height())
            StartPage();
    }

    void Line(const QString& text)
    {
        Room();
        painter_.setPen(Qt::black);
        painter_.drawText(QRect(0, y_, Width(), kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += kLineHeight;
    }

    void Table(const std::string& heading, const TableRows& rows)
    {
        painter_.setFont(PageFont(kTextPixels, true));
        Line(Q(heading));
        const std::vector<int> widths = ColumnWidths(rows);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            Room();
            painter_.setFont(PageFont(kTextPixels, r == 0));
            int x = 0;
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const Qt::Alignment align = c == 0 ? Qt::AlignLeft : Qt::AlignRight;
                painter_.drawText(QRect(x, y_, widths[c], kLineHeight), align | Qt::AlignVCenter, Q(rows[r][c]));
                x += widths[c] + kColumnGap;
            }
            if (r == 0)
                painter_.drawLine(0, y_ + kLineHeight - 1, x - kColumnGap, y_ + kLineHeight - 1);
            y_ += kLineHeight;
        }
        y_ += kSectionGap;
    }

    std::vector<int> ColumnWidths(const TableRows& rows) const
    {
        const QFontMetrics metrics(PageFont(kTextPixels, true), const_cast<QPdfWriter*>(&writer_));
        std::vector<int> widths;
        for (const auto& row : rows) {
            widths.resize(std::max(widths.size(), row.size()), 0);
            for (std::size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], metrics.horizontalAdvance(Q(row[c])));
        }
        return widths;
    }

    QPdfWriter writer_;
    QPainter painter_;
    QString fileName_;
    ReportSettings settings_;
    int y_ = 0;
};

}  // namespace

std::unique_ptr<ReportWriter> MakePdfReportWriter(QIODevice& device, const QString& dataFileName,
                                                  const ReportSettings& settings)
{
    return std::make_unique<PdfReportWriter>(device, dataFileName, settings);
}
