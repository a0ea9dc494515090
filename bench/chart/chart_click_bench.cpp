#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "ui/Unit1.h"

namespace {

// A shown main window after its start-up with a full fit of 1000 points.
void FitThousandPoints(TForm1& form)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        throw std::runtime_error("the main window was not shown");
    form.Edit1->SetText(QStringLiteral("1000"));
    form.Edit1Exit();
    form.Edit2->SetText(QStringLiteral("0.05"));
    for (int row = 1; row <= 1000; ++row) {
        form.StringGrid1->SetCells(1, row, QString::number(row * 0.01, 'f', 2));
        form.StringGrid1->SetCells(2, row, QString::number(2 * row * 0.01 + (row % 7) * 0.01, 'f', 3));
    }
    form.RaschetClick();
}

// A press on a point of the chart switches it out of the fit or back in: the
// refit, the series rebuilt, the deviation column rewritten, the result table
// evaluated, then the chart painted.
void BM_PressOnAPointToFinishedRepaint(benchmark::State& state)
{
    TForm1 form;
    FitThousandPoints(form);
    TChart& chart = *form.Chart1;
    QImage image(chart.size(), QImage::Format_RGB32);
    const QPointF at = chart.ValuePosition(chart.Series1, 500) + QPoint(0, -4);
    int switched = 0;
    for (auto _ : state) {
        const int before = form.State.ActiveCount;
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&chart, &press);
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        switched += form.State.ActiveCount != before;
    }
    if (switched != state.iterations())
        state.SkipWithError("a press did not switch the point");
}
BENCHMARK(BM_PressOnAPointToFinishedRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
