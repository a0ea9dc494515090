#include "report/record_chart.h"

#include <QPainterPath>
#include <functional>

#include "chart/axis_scale.h"
#include "chart/chart_painting.h"
#include "chart/design_fonts.h"
#include "chart/qt_colour.h"
#include "chart/series_span.h"
#include "report/confidence_band.h"
#include "report/number_format.h"

namespace {

constexpr int kBandSteps = 64;
constexpr int kTextPixels = 12;
const QColor kBandColour(90, 90, 90);

ChartFonts Fonts()
{
    return {StandInFont(DesignFont::Arial, kTextPixels), AxisTitleFont()};
}

QBrush BandBrush()
{
    QBrush brush(kBandColour, Qt::BDiagPattern);
    return brush;
}

// The band between the two curves line ± half-width over the line's span.
QPainterPath BandPath(const ChartLayout& layout, const RecordReport& record)
{
    QPainterPath path;
    const LineConfidenceBand band(record.statistics);
    if (!band.Defined())
        return path;
    const double a = record.statistics.slope;
    const double b = record.statistics.intercept;
    const double x0 = record.lineLow.x;
    const double x1 = record.lineHigh.x;
    QPolygonF upper;
    QPolygonF lower;
    for (int i = 0; i <= kBandSteps; ++i) {
        const double x = x0 + (x1 - x0) * i / kBandSteps;
        const double y = a * x + b;
        const double h = band.HalfWidth(x);
        upper << QPointF(layout.bottom.Pixel(x), layout.left.Pixel(y + h));
        lower.prepend(QPointF(layout.bottom.Pixel(x), layout.left.Pixel(y - h)));
    }
    path.addPolygon(upper + lower);
    path.closeSubpath();
    return path;
}

void PaintBand(QPainter& painter, const ChartLayout& layout, const RecordReport& record)
{
    painter.save();
    painter.setClipRect(layout.plot);
    painter.setPen(QPen(kBandColour, 1, Qt::DashLine));
    painter.setBrush(BandBrush());
    painter.drawPath(BandPath(layout, record));
    painter.restore();
}

void PaintPointNumbers(QPainter& painter, const ChartLayout& layout, const RecordReport& record)
{
    painter.setPen(Qt::black);
    for (std::size_t k = 0; k < record.points.size(); ++k) {
        const QPoint at(layout.bottom.Pixel(record.points[k].x), layout.left.Pixel(record.points[k].y));
        painter.drawText(at + QPoint(PointSeriesStyle.markerHalfWidth + 2, -3), QString::number(k + 1));
    }
}

constexpr int kLegendLine = 18;
constexpr int kMarkWidth = 22;
constexpr int kMarkHeight = 12;
constexpr int kGap = 5;
constexpr int kItemGap = 16;

// Where the next legend item goes; items wrap at the right edge.
struct LegendCursor {
    QPoint at;
    int left = 0;
    int right = 0;
    int height = kLegendLine;
};

void LegendMark(QPainter& painter, LegendCursor& cursor, const QString& text, const std::function<void(QRect)>& mark)
{
    const int width = kMarkWidth + kGap + painter.fontMetrics().horizontalAdvance(text);
    if (cursor.at.x() > cursor.left && cursor.at.x() + width > cursor.right) {
        cursor.at = QPoint(cursor.left, cursor.at.y() + kLegendLine);
        cursor.height += kLegendLine;
    }
    const QRect box(cursor.at.x(), cursor.at.y(), kMarkWidth, kMarkHeight);
    mark(box);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(box.right() + kGap, box.bottom()), text);
    cursor.at.rx() += width + kItemGap;
}

}  // namespace

void PaintRecordChart(QPainter& painter, const QRect& area, const RecordReport& record)
{
    TChartSeries points{clRed};
    TChartSeries line{clBlue};
    TChartSeries ends{clGreen};
    for (const PointReport& p : record.points)
        points.AddXY(p.x, p.y, "", p.withinTolerance ? clLime : clRed);
    for (TChartSeries* s : {&line, &ends}) {
        s->AddXY(record.lineLow.x, record.lineLow.y, "", DefaultSeriesColor);
        s->AddXY(record.lineHigh.x, record.lineHigh.y, "", DefaultSeriesColor);
    }
    const std::vector<const TChartSeries*> all{&points, &line, &ends};
    const std::vector<SeriesStyle> styles{PointSeriesStyle, LineSeriesStyle, EndMarkSeriesStyle};
    const ChartFonts fonts = Fonts();
    const QLocale locale = QLocale::c();
    const ChartLayout layout = LayOutChart(area.size(), fonts, locale, SeriesSpan(all, false), SeriesSpan(all, true),
                                           MarkerMargin(styles, false), MarkerMargin(styles, true));
    painter.save();
    painter.translate(area.topLeft());
    PaintFrame(painter, area.size(), layout, fonts, locale);
    painter.fillRect(layout.plot.adjusted(1, 1, -1, -1), Qt::white);
    PaintBand(painter, layout, record);
    PaintPointSeries(painter, layout, points, PointSeriesStyle.markerHalfWidth);
    PaintLineSeries(painter, layout, line);
    PaintEndMarks(painter, layout, ends, EndMarkSeriesStyle.markerHalfWidth);
    painter.setFont(fonts.text);
    PaintPointNumbers(painter, layout, record);
    painter.restore();
}

int PaintChartLegend(QPainter& painter, const QRect& area, const RecordReport& record)
{
    LegendCursor at{area.topLeft(), area.left(), area.right()};
    const auto circle = [&painter](Colour colour) {
        return [&painter, colour](QRect box) {
            painter.setPen(Qt::black);
            painter.setBrush(ToQColor(colour));
            painter.drawEllipse(QRect(box.center().x() - 5, box.center().y() - 5, 10, 10));
        };
    };
    LegendMark(painter, at, QStringLiteral("зеленая точка: в допуске"), circle(clLime));
    LegendMark(painter, at, QStringLiteral("красная точка: вне допуска"), circle(clRed));
    LegendMark(painter, at, QStringLiteral("синяя линия: прямая"), [&painter](QRect box) {
        painter.setPen(QPen(ToQColor(clBlue), 2));
        painter.drawLine(box.left(), box.center().y(), box.right(), box.center().y());
    });
    const QString band = QStringLiteral("штриховка: доверительная полоса прямой, %1 %")
                             .arg(QString::fromStdString(ShortNumber(100 * (1 - record.statistics.alpha))));
    LegendMark(painter, at, band, [&painter](QRect box) {
        painter.setPen(QPen(kBandColour, 1, Qt::DashLine));
        painter.setBrush(BandBrush());
        painter.drawRect(box);
    });
    return at.height;
}
