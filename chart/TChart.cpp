#include "chart/TChart.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include "chart/chart_painting.h"
#include "chart/design_fonts.h"
#include "chart/press_resolution.h"
#include "chart/series_span.h"


TChart::TChart(QWidget* parent) : QWidget(parent)
{
    for (TChartSeries* s : AllSeries())
        s->SetOnChange([this] { update(); });
}

ChartFonts TChart::Fonts() const
{
    return ChartFonts{font(), AxisTitleFont()};
}

ChartLayout TChart::Layout() const
{
    const std::vector<const TChartSeries*> series{&Series1, &Series2, &Series3};
    const std::vector<SeriesStyle> styles(Styles.begin(), Styles.end());
    return LayOutChart(size(), Fonts(), QLocale::system(), SeriesSpan(series, false), SeriesSpan(series, true),
                       MarkerMargin(styles, false), MarkerMargin(styles, true));
}

QPoint TChart::ValuePosition(const TChartSeries& series, int index) const
{
    return ValuePixel(Layout(), series, index);
}

void TChart::paintEvent(QPaintEvent*)
{
    const ChartLayout layout = Layout();
    QPainter painter(this);
    PaintFrame(painter, size(), layout, Fonts(), QLocale::system());
    PaintPointSeries(painter, layout, Series1, PointSeriesStyle.markerHalfWidth);
    PaintLineSeries(painter, layout, Series2);
    PaintEndMarks(painter, layout, Series3, EndMarkSeriesStyle.markerHalfWidth);
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    const ChartLayout layout = Layout();
    const auto series = AllSeries();
    std::vector<PressTarget> targets;
    for (std::size_t s = 0; s < series.size(); ++s) {
        PressTarget target{Styles[s], {}};
        for (int i = 0; i < series[s]->Count(); ++i)
            target.positions.push_back(ValuePixel(layout, *series[s], i));
        targets.push_back(std::move(target));
    }
    const QPoint press = event->position().toPoint();
    if (const auto hit = ResolvePress(targets, press))
        emit ClickSeries(series[static_cast<std::size_t>(hit->series)], hit->index, event->button(),
                         event->modifiers(), press);
}
