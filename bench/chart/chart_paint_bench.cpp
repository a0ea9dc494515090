#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include "chart/TChart.h"

namespace {

// A chart of 600 by 400 pixels holding 1000 points, the line and its marks.
void FillChart(TChart& chart)
{
    chart.resize(600, 400);
    for (int i = 1; i <= 1000; ++i)
        chart.Series1.AddXY(i * 0.01, 2 * i * 0.01 + (i % 7) * 0.003, "", i % 3 ? clLime : clRed);
    for (TChartSeries* s : {&chart.Series2, &chart.Series3}) {
        s->AddXY(0.01, 0.03, "", DefaultSeriesColor);
        s->AddXY(10, 20.02, "", DefaultSeriesColor);
    }
}

void BM_PaintThousandPoints(benchmark::State& state)
{
    TChart chart;
    FillChart(chart);
    QImage image(chart.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintThousandPoints)->Unit(benchmark::kMillisecond);

void BM_ResolvePressOnTheLastPoint(benchmark::State& state)
{
    TChart chart;
    FillChart(chart);
    const QPointF at = chart.ValuePosition(chart.Series1, 999) + QPoint(0, 4);
    int hits = 0;
    QObject::connect(&chart, &TChart::ClickSeries, [&] { ++hits; });
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&chart, &press);
    }
    benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_ResolvePressOnTheLastPoint)->Unit(benchmark::kMillisecond);

}  // namespace
