#include "report/record_chart.h"

#include <QPainterPath>
#include <algorithm>
#include <functional>

#include "chart/chart_painting.h"
#include "chart/design_fonts.h"
#include "chart/qt_colour.h"
#include "chart/series_span.h"
#include "report/confidence_band.h"
#include "report/number_format.h"

namespace {

constexpr int kCurveSteps = 64;
constexpr int kTextPixels = 12;
constexpr int kTickLength = 4;
constexpr int kGap = 3;
constexpr int kTopMargin = 8;
constexpr int kRightMargin = 12;
const QColor kBandColour(90, 90, 90);
const QColor kGridColour(215, 215, 215);
const QColor kCurveColour(150, 0, 150);

QFont TextFont() { return StandInFont(DesignFont::Arial, kTextPixels); }

QBrush BandBrush() { return QBrush(kBandColour, Qt::BDiagPattern); }

QPen CurvePen() { return QPen(kCurveColour, 2, Qt::DashDotLine); }

double Residual(const RecordReport& record, const PointReport& p)
{
    return static_cast<double>(static_cast<long double>(p.y) -
                               (static_cast<long double>(record.statistics.slope) * p.x + record.statistics.intercept));
}

// The span of what the chart draws, widened by the markers' half-size at
// each end of an axis of `length` pixels.
ReportAxis AxisOver(double low, double high, int length)
{
    const int margin = PointSeriesStyle.markerHalfWidth + 1;
    const int inner = length - 2 * margin;
    if (high > low && inner > 0) {
        const double perPixel = (high - low) / inner;
        low -= margin * perPixel;
        high += margin * perPixel;
    }
    return ChooseReportAxis(low, high);
}

// The plot's pixel rectangle in an area of `size`: room for the labels at
// the left and the axis title below.
struct PlotFrame {
    QRect plot;
    AxisScale bottom;
    AxisScale left;
};

AxisScale Scale(const ReportAxis& axis, int start, int length, bool upward)
{
    AxisScale s;
    s.minimum = axis.minimum;
    s.maximum = axis.maximum;
    s.start = start;
    s.length = length;
    s.upward = upward;
    return s;
}

int BottomBand(const QFontMetrics& text, const QFontMetrics& title)
{
    return kTickLength + text.height() + kGap + title.height();
}

PlotFrame Frame(QSize size, const RecordChartScales& scales, const ReportAxis& y)
{
    const QFontMetrics text(TextFont());
    const QFontMetrics title(AxisTitleFont());
    const int top = kTopMargin;
    const int bottom = size.height() - 1 - BottomBand(text, title);
    PlotFrame f;
    f.plot = QRect(QPoint(scales.plotLeft, top), QPoint(scales.plotRight, bottom));
    f.bottom = Scale(scales.x, scales.plotLeft, scales.plotRight - scales.plotLeft, false);
    f.left = Scale(y, bottom, bottom - top, true);
    return f;
}

int WidestLabel(const QFontMetrics& metrics, const ReportAxis& axis)
{
    int widest = 0;
    for (const long double v : axis.Labels())
        widest = std::max(widest, metrics.horizontalAdvance(axis.Label(v)));
    return widest;
}

// The frame, grid lines, ticks, labels and axis titles of one plot.
void PaintAxes(QPainter& painter, QSize size, const PlotFrame& f, const RecordChartScales& scales,
               const ReportAxis& y, const QString& leftTitle)
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setFont(TextFont());
    const QFontMetrics metrics = painter.fontMetrics();
    for (const long double v : scales.x.Labels()) {
        const int px = f.bottom.Pixel(static_cast<double>(v));
        painter.setPen(kGridColour);
        painter.drawLine(px, f.plot.top(), px, f.plot.bottom());
        painter.setPen(Qt::black);
        painter.drawLine(px, f.plot.bottom(), px, f.plot.bottom() + kTickLength);
        const QString text = scales.x.Label(v);
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(QRect(px - width / 2, f.plot.bottom() + kTickLength, width, metrics.height()),
                         Qt::AlignCenter, text);
    }
    for (const long double v : y.Labels()) {
        const int py = f.left.Pixel(static_cast<double>(v));
        painter.setPen(kGridColour);
        painter.drawLine(f.plot.left(), py, f.plot.right(), py);
        painter.setPen(Qt::black);
        painter.drawLine(f.plot.left() - kTickLength, py, f.plot.left(), py);
        painter.drawText(QRect(0, py - metrics.height() / 2, f.plot.left() - kTickLength - kGap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, y.Label(v));
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(f.plot.adjusted(0, 0, -1, -1));
    painter.setFont(AxisTitleFont());
    const QFontMetrics title = painter.fontMetrics();
    painter.drawText(QRect(f.plot.left(), size.height() - title.height(), f.plot.width(), title.height()),
                     Qt::AlignCenter, QStringLiteral("Проценты"));
    painter.save();
    painter.translate(0, f.plot.bottom());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, f.plot.height(), title.height()), Qt::AlignCenter, leftTitle);
    painter.restore();
}

// The band between the two curves line ± half-width over the line's span.
QPainterPath BandPath(const PlotFrame& f, const RecordReport& record)
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
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double x = x0 + (x1 - x0) * i / kCurveSteps;
        const double y = a * x + b;
        const double h = band.HalfWidth(x);
        upper << QPointF(f.bottom.Pixel(x), f.left.Pixel(y + h));
        lower.prepend(QPointF(f.bottom.Pixel(x), f.left.Pixel(y - h)));
    }
    path.addPolygon(upper + lower);
    path.closeSubpath();
    return path;
}

void PaintCurve(QPainter& painter, const PlotFrame& f, const QuadraticCalibration& curve)
{
    QPolygon line;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double x = curve.lowX + (curve.highX - curve.lowX) * i / kCurveSteps;
        line << QPoint(f.bottom.Pixel(x), f.left.Pixel(curve.Value(x)));
    }
    painter.setPen(CurvePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

void PaintPointNumbers(QPainter& painter, const std::vector<QPoint>& at)
{
    painter.setFont(TextFont());
    painter.setPen(Qt::black);
    for (std::size_t k = 0; k < at.size(); ++k)
        painter.drawText(at[k] + QPoint(PointSeriesStyle.markerHalfWidth + 2, -3), QString::number(k + 1));
}

// The window's chart layout structure, for its series painting, over the
// report's axes.
ChartLayout SeriesLayout(const PlotFrame& f)
{
    ChartLayout layout;
    layout.plot = f.plot;
    layout.bottom = f.bottom;
    layout.left = f.left;
    return layout;
}

std::vector<QPoint> PointPixels(const PlotFrame& f, const RecordReport& record, bool residuals)
{
    std::vector<QPoint> at;
    for (const PointReport& p : record.points)
        at.emplace_back(f.bottom.Pixel(p.x), f.left.Pixel(residuals ? Residual(record, p) : p.y));
    return at;
}

TChartSeries PointSeries(const RecordReport& record, bool residuals)
{
    TChartSeries points{clRed};
    for (const PointReport& p : record.points)
        points.AddXY(p.x, residuals ? Residual(record, p) : p.y, "", p.withinTolerance ? clLime : clRed);
    return points;
}

constexpr int kLegendLine = 18;
constexpr int kMarkWidth = 22;
constexpr int kMarkHeight = 12;
constexpr int kMarkGap = 5;
constexpr int kItemGap = 16;

// The legend's items, each a text and how its mark is drawn in a box.
using LegendItems = std::vector<std::pair<QString, std::function<void(QPainter&, QRect)>>>;

LegendItems Legend(const RecordReport& record)
{
    const auto circle = [](Colour colour) {
        return [colour](QPainter& painter, QRect box) {
            painter.setPen(Qt::black);
            painter.setBrush(ToQColor(colour));
            painter.drawEllipse(QRect(box.center().x() - 5, box.center().y() - 5, 10, 10));
        };
    };
    LegendItems items;
    items.emplace_back(QStringLiteral("зеленая точка: в допуске"), circle(clLime));
    items.emplace_back(QStringLiteral("красная точка: вне допуска"), circle(clRed));
    items.emplace_back(QStringLiteral("синяя линия: прямая"), [](QPainter& painter, QRect box) {
        painter.setPen(QPen(ToQColor(clBlue), 2));
        painter.drawLine(box.left(), box.center().y(), box.right(), box.center().y());
    });
    if (record.quadratic)
        items.emplace_back(QStringLiteral("штрихпунктир: функция второй степени"), [](QPainter& painter, QRect box) {
            painter.setPen(CurvePen());
            painter.drawLine(box.left(), box.center().y(), box.right(), box.center().y());
        });
    items.emplace_back(QStringLiteral("штриховка: доверительная полоса прямой, %1 %")
                           .arg(QString::fromStdString(ShortNumber(100 * (1 - record.statistics.alpha)))),
                       [](QPainter& painter, QRect box) {
                           painter.setPen(QPen(kBandColour, 1, Qt::DashLine));
                           painter.setBrush(BandBrush());
                           painter.drawRect(box);
                       });
    return items;
}

// Lays the items out from the area's top left, wrapping at its right edge,
// drawing them when `draw`; the height taken.
int LayOutLegend(QPainter& painter, const QRect& area, const RecordReport& record, bool draw)
{
    painter.save();
    painter.setFont(TextFont());
    QPoint at = area.topLeft();
    int height = kLegendLine;
    for (const auto& [text, mark] : Legend(record)) {
        const int width = kMarkWidth + kMarkGap + painter.fontMetrics().horizontalAdvance(text);
        if (at.x() > area.left() && at.x() + width > area.right()) {
            at = QPoint(area.left(), at.y() + kLegendLine);
            height += kLegendLine;
        }
        if (draw) {
            const QRect box(at.x(), at.y(), kMarkWidth, kMarkHeight);
            mark(painter, box);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(box.right() + kMarkGap, box.bottom()), text);
        }
        at.rx() += width + kItemGap;
    }
    painter.restore();
    return height;
}

}  // namespace

RecordChartScales ChooseChartScales(QPainter& painter, QSize chartSize, int residualHeight,
                                    const RecordReport& record)
{
    const QFontMetrics text(TextFont(), painter.device());
    const QFontMetrics title(AxisTitleFont(), painter.device());
    const int chartAxis = chartSize.height() - 1 - BottomBand(text, title) - kTopMargin;
    const int residualAxis = residualHeight - 1 - BottomBand(text, title) - kTopMargin;

    double xLow = record.lineLow.x, xHigh = record.lineHigh.x;
    double yLow = std::min(record.lineLow.y, record.lineHigh.y), yHigh = std::max(record.lineLow.y, record.lineHigh.y);
    double rLow = 0, rHigh = 0;
    for (const PointReport& p : record.points) {
        xLow = std::min(xLow, p.x);
        xHigh = std::max(xHigh, p.x);
        yLow = std::min(yLow, p.y);
        yHigh = std::max(yHigh, p.y);
        rLow = std::min(rLow, Residual(record, p));
        rHigh = std::max(rHigh, Residual(record, p));
    }
    RecordChartScales scales;
    scales.y = AxisOver(yLow, yHigh, chartAxis);
    scales.residual = AxisOver(rLow, rHigh, residualAxis);
    const int labels = std::max(WidestLabel(text, scales.y), WidestLabel(text, scales.residual));
    scales.plotLeft = title.height() + kGap + labels + kGap + kTickLength;
    scales.plotRight = chartSize.width() - 1 - kRightMargin;
    scales.x = AxisOver(xLow, xHigh, scales.plotRight - scales.plotLeft);
    return scales;
}

void PaintRecordChart(QPainter& painter, const QRect& area, const RecordChartScales& scales,
                      const RecordReport& record)
{
    const PlotFrame f = Frame(area.size(), scales, scales.y);
    const ChartLayout layout = SeriesLayout(f);
    TChartSeries line{clBlue};
    TChartSeries ends{clGreen};
    for (TChartSeries* s : {&line, &ends}) {
        s->AddXY(record.lineLow.x, record.lineLow.y, "", DefaultSeriesColor);
        s->AddXY(record.lineHigh.x, record.lineHigh.y, "", DefaultSeriesColor);
    }
    painter.save();
    painter.translate(area.topLeft());
    PaintAxes(painter, area.size(), f, scales, scales.y, QStringLiteral("Замер"));
    painter.save();
    painter.setClipRect(f.plot);
    painter.setPen(QPen(kBandColour, 1, Qt::DashLine));
    painter.setBrush(BandBrush());
    painter.drawPath(BandPath(f, record));
    if (record.quadratic)
        PaintCurve(painter, f, *record.quadratic);
    painter.restore();
    PaintPointSeries(painter, layout, PointSeries(record, false), PointSeriesStyle.markerHalfWidth);
    PaintLineSeries(painter, layout, line);
    PaintEndMarks(painter, layout, ends, EndMarkSeriesStyle.markerHalfWidth);
    PaintPointNumbers(painter, PointPixels(f, record, false));
    painter.restore();
}

void PaintResidualChart(QPainter& painter, const QRect& area, const RecordChartScales& scales,
                        const RecordReport& record)
{
    const PlotFrame f = Frame(area.size(), scales, scales.residual);
    painter.save();
    painter.translate(area.topLeft());
    PaintAxes(painter, area.size(), f, scales, scales.residual, QStringLiteral("Остаток"));
    const int zero = f.left.Pixel(0);
    painter.setPen(QPen(ToQColor(clBlue), 1));
    painter.drawLine(f.plot.left(), zero, f.plot.right(), zero);
    PaintPointSeries(painter, SeriesLayout(f), PointSeries(record, true), PointSeriesStyle.markerHalfWidth);
    PaintPointNumbers(painter, PointPixels(f, record, true));
    painter.restore();
}

int ChartLegendHeight(QPainter& painter, int width, const RecordReport& record)
{
    return LayOutLegend(painter, QRect(0, 0, width, kLegendLine), record, false);
}

void PaintChartLegend(QPainter& painter, const QRect& area, const RecordReport& record)
{
    LayOutLegend(painter, area, record, true);
}
