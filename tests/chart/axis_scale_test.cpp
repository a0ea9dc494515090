#include <gtest/gtest.h>

#include "chart/axis_scale.h"
#include "chart/series_span.h"

namespace {

// The points (1; 2), (2; 4.1), (3; 5.9), (4; 8) on a 500 by 300 pixel plot.
TEST(AxisScale, OutermostPointsStandSixPixelsInside)
{
    const int margin = MarkerMargin({PointSeriesStyle, LineSeriesStyle, EndMarkSeriesStyle}, false);
    ASSERT_EQ(margin, 6);

    const AxisScale bottom = FitAxis(ValueSpan{1, 4}, 40, 500, margin, false);
    EXPECT_LT(bottom.minimum, 1);
    EXPECT_GT(bottom.minimum, 0.9);
    EXPECT_GT(bottom.maximum, 4);
    EXPECT_LT(bottom.maximum, 4.1);
    EXPECT_EQ(bottom.Pixel(1), 46);
    EXPECT_EQ(bottom.Pixel(2), 209);  // 46 + 488 / 3 = 208.67
    EXPECT_EQ(bottom.Pixel(3), 371);
    EXPECT_EQ(bottom.Pixel(4), 534);

    const AxisScale left = FitAxis(ValueSpan{2, 8}, 400, 300, margin, true);
    EXPECT_LT(left.minimum, 2);
    EXPECT_GT(left.maximum, 8);
    EXPECT_EQ(left.Pixel(2), 394);
    EXPECT_EQ(left.Pixel(4.1), 293);  // 400 - (6 + 2.1 / 6 * 288)
    EXPECT_EQ(left.Pixel(8), 106);
}

TEST(AxisScale, EmptyRangeMapsToTheMiddle)
{
    const AxisScale single = FitAxis(ValueSpan{3, 3}, 10, 100, 6, false);
    EXPECT_EQ(single.minimum, 3);
    EXPECT_EQ(single.maximum, 3);
    EXPECT_EQ(single.Pixel(3), 60);

    const AxisScale none = FitAxis(std::nullopt, 200, 80, 6, true);
    EXPECT_EQ(none.minimum, 0);
    EXPECT_EQ(none.maximum, 0);
    EXPECT_EQ(none.Pixel(0), 160);
}

TEST(AxisScale, AxisTooShortForTheMarginsIsNotWidened)
{
    const AxisScale scale = FitAxis(ValueSpan{1, 2}, 0, 10, 6, false);
    EXPECT_EQ(scale.minimum, 1);
    EXPECT_EQ(scale.maximum, 2);
    EXPECT_EQ(scale.Pixel(2), 10);
}

TEST(AxisScale, ExtremeValuesStayFinite)
{
    const AxisScale scale = FitAxis(ValueSpan{-1.7e308, 1.7e308}, 0, 500, 6, false);
    EXPECT_EQ(scale.Pixel(-1.7e308), 6);
    EXPECT_EQ(scale.Pixel(1.7e308), 494);
}

TEST(SeriesSpan, CoversEverySeriesWithValues)
{
    TChartSeries points(clRed), line(clBlue), empty(clGreen);
    points.AddXY(2, 5, "", clLime);
    points.AddXY(1, 9, "", clSilver);
    line.AddXY(0.5, 6, "", DefaultSeriesColor);
    const auto x = SeriesSpan({&points, &line, &empty}, false);
    const auto y = SeriesSpan({&points, &line, &empty}, true);
    ASSERT_TRUE(x && y);
    EXPECT_EQ(x->minimum, 0.5);
    EXPECT_EQ(x->maximum, 2);
    EXPECT_EQ(y->minimum, 5);
    EXPECT_EQ(y->maximum, 9);
    EXPECT_FALSE(SeriesSpan({&empty}, false));
}

}  // namespace
