#include <gtest/gtest.h>

#include "chart/chart_series.h"

namespace {

TEST(ChartSeries, KeepsValuesInXOrderWithEqualXInInsertionOrder)
{
    TChartSeries series(clRed);
    int changes = 0;
    series.SetOnChange([&] { ++changes; });
    EXPECT_EQ(series.AddXY(2, 1, "", clLime), 0);
    EXPECT_EQ(series.AddXY(1, 5, "", clRed), 0);
    EXPECT_EQ(series.AddXY(1, 3, "", clSilver), 1);
    EXPECT_EQ(series.AddXY(0.5, 7, "", DefaultSeriesColor), 0);

    ASSERT_EQ(series.Count(), 4);
    const double xs[] = {0.5, 1, 1, 2};
    const double ys[] = {7, 5, 3, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(series.XValue(i), xs[i]);
        EXPECT_EQ(series.YValue(i), ys[i]);
    }
    EXPECT_EQ(series.ValueColor(0), clRed);  // the series colour
    EXPECT_EQ(series.ValueColor(2), clSilver);

    series.Clear();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_EQ(changes, 5);
}

}  // namespace
