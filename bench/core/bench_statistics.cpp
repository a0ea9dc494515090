#include <benchmark/benchmark.h>

#include "core/calibration_statistics.h"
#include "core/fit.h"
#include "core/statistics_text.h"

namespace {

// 1000 points scattered about Y = 2X + 1, fitted as the window fits them.
CalibrationState ThousandFittedPoints()
{
    CalibrationState s;
    s.ResultPrecision = 5;
    s.ResultDecimals = 3;
    s.Tolerance = 0.05;
    s.PointCount = 1000;
    for (int i = 1; i <= 1000; ++i) {
        s.PercentValues[i] = i * 0.1;
        s.MeasuredValues[i] = 2 * i * 0.1 + 1 + ((i * 7919) % 13 - 6) * 0.01;
        s.PointExcluded[i] = 'n';
    }
    FitLine(s, ".");
    return s;
}

// The baseline: the fit the statistics follow in the window.
void BM_FitLineBaseline(benchmark::State& state)
{
    CalibrationState s = ThousandFittedPoints();
    for (auto _ : state) {
        FitOutcome f = FitLine(s, ".");
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_FitLineBaseline)->Unit(benchmark::kMicrosecond);

// What the equation label's tool tip costs after every fit.
void BM_LineStatisticsText(benchmark::State& state)
{
    const CalibrationState s = ThousandFittedPoints();
    for (auto _ : state) {
        const CalibrationStatistics st = ComputeCalibrationStatistics(PointsInFit(s), s.SlopeA, s.InterceptB);
        std::string text = LineStatisticsText(st, ".");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_LineStatisticsText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
