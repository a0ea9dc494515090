#include "chart/chart_painting.h"

#include <QPolygon>

#include "chart/axis_labels.h"
#include "chart/qt_colour.h"

namespace {

const QString TitleText = QStringLiteral("Ваш график");
const QString BottomTitleText = QStringLiteral("Проценты");
const QString LeftTitleText = QStringLiteral("Замер");

void PaintBottomLabels(QPainter& painter, const ChartLayout& layout, const QLocale& locale)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int y = layout.plot.bottom();
    for (long double v : LabelValues(layout.bottom, layout.bottomStep)) {
        const int x = layout.bottom.Pixel(static_cast<double>(v));
        painter.drawLine(x, y, x, y + TickLength);
        const QString text = FormatAxisLabel(v, locale);
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(QRect(x - width / 2, y + TickLength, width, metrics.height()), Qt::AlignCenter, text);
    }
}

void PaintLeftLabels(QPainter& painter, const ChartLayout& layout, const QLocale& locale)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int x = layout.plot.left();
    const int textRight = x - TickLength - 1;
    for (long double v : LabelValues(layout.left, layout.leftStep)) {
        const int y = layout.left.Pixel(static_cast<double>(v));
        painter.drawLine(x - TickLength, y, x, y);
        painter.drawText(QRect(0, y - metrics.height() / 2, textRight, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, FormatAxisLabel(v, locale));
    }
}

void PaintLeftTitle(QPainter& painter, const QRect& band)
{
    painter.save();
    painter.translate(band.left(), band.bottom());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, band.height(), band.width()), Qt::AlignCenter, LeftTitleText);
    painter.restore();
}

// Circles of the given half-size around the values; filled with each value's
// colour when `valueColours`, else with the painter's brush.
void PaintCircles(QPainter& painter, const ChartLayout& layout, const TChartSeries& series, int half,
                  bool valueColours)
{
    Colour brush = DefaultSeriesColor;
    for (int i = 0; i < series.Count(); ++i) {
        if (valueColours && series.ValueColor(i) != brush) {
            brush = series.ValueColor(i);
            painter.setBrush(ToQColor(brush));
        }
        const QPoint at = ValuePixel(layout, series, i);
        painter.drawEllipse(QRect(at.x() - half, at.y() - half, 2 * half, 2 * half));
    }
}

}  // namespace

void PaintFrame(QPainter& painter, QSize size, const ChartLayout& layout, const ChartFonts& fonts,
                const QLocale& locale)
{
    painter.fillRect(QRect(QPoint(0, 0), size), ActiveBorderColour());

    painter.setFont(fonts.text);
    painter.setPen(ToQColor(clBlue));
    painter.drawText(layout.title, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, TitleText);

    painter.setPen(ToQColor(clBlack));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.plot.adjusted(0, 0, -1, -1));
    PaintBottomLabels(painter, layout, locale);
    PaintLeftLabels(painter, layout, locale);

    painter.setFont(fonts.axisTitle);
    painter.drawText(layout.bottomTitle, Qt::AlignCenter, BottomTitleText);
    PaintLeftTitle(painter, layout.leftTitle);
}

void PaintPointSeries(QPainter& painter, const ChartLayout& layout, const TChartSeries& series, int half)
{
    painter.setPen(ToQColor(clBlack));
    PaintCircles(painter, layout, series, half, true);
}

void PaintLineSeries(QPainter& painter, const ChartLayout& layout, const TChartSeries& series)
{
    QPolygon line;
    for (int i = 0; i < series.Count(); ++i)
        line << ValuePixel(layout, series, i);
    painter.setPen(QPen(ToQColor(series.SeriesColor()), 1));
    painter.drawPolyline(line);
}

void PaintEndMarks(QPainter& painter, const ChartLayout& layout, const TChartSeries& series, int half)
{
    painter.setPen(ToQColor(clSilver));
    painter.setBrush(ToQColor(clSilver));
    PaintCircles(painter, layout, series, half, false);
}
