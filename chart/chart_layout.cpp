#include "chart/chart_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "chart/axis_labels.h"
#include "chart/chart_series.h"

namespace {

constexpr int Gap = 3;

int WidestLabel(const QFontMetrics& metrics, const AxisScale& scale, long double step, const QLocale& locale)
{
    int widest = 0;
    for (long double v : LabelValues(scale, step))
        widest = std::max(widest, metrics.horizontalAdvance(FormatAxisLabel(v, locale)));
    return widest;
}

int EndLabelWidth(const QFontMetrics& metrics, const AxisScale& scale, const QLocale& locale)
{
    return std::max(metrics.horizontalAdvance(FormatAxisLabel(scale.minimum, locale)),
                    metrics.horizontalAdvance(FormatAxisLabel(scale.maximum, locale)));
}

}  // namespace

ChartLayout LayOutChart(QSize size, const ChartFonts& fonts, const QLocale& locale,
                        std::optional<ValueSpan> xSpan, std::optional<ValueSpan> ySpan, int xMargin,
                        int yMargin)
{
    const QFontMetrics text(fonts.text);
    const QFontMetrics axisTitle(fonts.axisTitle);
    const int outerRight = size.width() - 1 - std::lround(size.width() * RightMarginPercent / 100.0);

    ChartLayout layout;
    const int titleHeight = text.height() + Gap;
    const int plotTop = titleHeight + text.height() / 2;
    const int bottomBand = TickLength + text.height() + Gap + axisTitle.height();
    const int plotBottom = std::max(plotTop, size.height() - 1 - bottomBand);
    layout.left = FitAxis(ySpan, plotBottom, plotBottom - plotTop, yMargin, true);
    layout.leftStep = LabelStep(layout.left.maximum - layout.left.minimum, text.height(),
                                layout.left.length, LeftLabelSpacing);

    const int leftBand =
        axisTitle.height() + Gap + WidestLabel(text, layout.left, layout.leftStep, locale) + Gap + TickLength;
    const int plotLeft = std::min(leftBand, outerRight);
    layout.bottom = FitAxis(xSpan, plotLeft, outerRight - plotLeft, xMargin, false);
    layout.bottomStep = LabelStep(layout.bottom.maximum - layout.bottom.minimum,
                                  EndLabelWidth(text, layout.bottom, locale), layout.bottom.length,
                                  BottomLabelSpacing);

    layout.plot = QRect(QPoint(plotLeft, plotTop), QPoint(outerRight, plotBottom));
    layout.title = QRect(plotLeft, 0, layout.plot.width(), titleHeight);
    layout.bottomTitle = QRect(plotLeft, plotBottom + TickLength + text.height() + Gap,
                               layout.plot.width(), axisTitle.height());
    layout.leftTitle = QRect(0, plotTop, axisTitle.height(), layout.plot.height());
    return layout;
}

QPoint ValuePixel(const ChartLayout& layout, const TChartSeries& series, int index)
{
    return QPoint(layout.bottom.Pixel(series.XValue(index)), layout.left.Pixel(series.YValue(index)));
}
