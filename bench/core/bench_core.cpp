#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "core/calibration_statistics.h"
#include "core/fit.h"
#include "core/number_text.h"
#include "core/refit.h"
#include "core/statistics_text.h"

namespace {

// 1000 points scattered about Y = 2X + 1, the format parameters of start-up.
CalibrationState ThousandPoints()
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
    return s;
}

void BM_FitLine(benchmark::State& state)
{
    CalibrationState s = ThousandPoints();
    for (auto _ : state) {
        LineOutcome f = FitLine(s, ".");
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_FitLine)->Unit(benchmark::kMicrosecond);

void BM_RefitLine(benchmark::State& state)
{
    CalibrationState s = ThousandPoints();
    FitLine(s, ".");
    int clicked = 1;
    for (auto _ : state) {
        ToggleExclusion(s, clicked, s.PointExcluded[clicked] == 'y' ? clSilver : clLime);
        LineOutcome r = RefitLine(s, ".");
        benchmark::DoNotOptimize(r);
        clicked = clicked % 1000 + 1;
    }
}
BENCHMARK(BM_RefitLine)->Unit(benchmark::kMicrosecond);

// What the equation label's tool tip adds to every fit (BM_FitLine is the
// fit itself).
void BM_LineStatisticsText(benchmark::State& state)
{
    CalibrationState s = ThousandPoints();
    FitLine(s, ".");
    for (auto _ : state) {
        const CalibrationStatistics st = ComputeCalibrationStatistics(PointsInFit(s), s.SlopeA, s.InterceptB);
        std::string text = LineStatisticsText(st, ".");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_LineStatisticsText)->Unit(benchmark::kMicrosecond);

// The deviation texts of the 1000 points alone, beside the C library writing
// the same values with the same count of decimals.
std::vector<Extended> ThousandDeviations()
{
    CalibrationState s = ThousandPoints();
    FitLine(s, ".");
    std::vector<Extended> deviations;
    for (int i = 1; i <= 1000; ++i)
        deviations.push_back(s.Deviations[i]);
    return deviations;
}

void BM_FormatFixed(benchmark::State& state)
{
    const std::vector<Extended> deviations = ThousandDeviations();
    for (auto _ : state)
        for (const Extended d : deviations)
            benchmark::DoNotOptimize(FormatFixed(d, 5, 3, "."));
}
BENCHMARK(BM_FormatFixed)->Unit(benchmark::kMicrosecond);

void BM_SnprintfBaseline(benchmark::State& state)
{
    const std::vector<Extended> deviations = ThousandDeviations();
    char text[64];
    for (auto _ : state)
        for (const Extended d : deviations) {
            std::snprintf(text, sizeof text, "%.3Lf", d);
            benchmark::DoNotOptimize(std::string(text));
        }
}
BENCHMARK(BM_SnprintfBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
