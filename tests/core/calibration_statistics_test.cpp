#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/calibration_statistics.h"
#include "core/fit.h"
#include "core/result_table.h"
#include "fit_fixture.h"

namespace {

using Points = std::vector<CalibrationPoint>;

// The least-squares line of the points, as the window's fit stores it.
CalibrationStatistics StatisticsOfFit(const Points& points, double alpha = 0.05)
{
    std::vector<std::pair<double, double>> pairs;
    for (const CalibrationPoint& p : points)
        pairs.emplace_back(p.x, p.y);
    CalibrationState s = StateWithPoints(pairs, 1);
    FitLine(s, ".");
    return ComputeCalibrationStatistics(PointsInFit(s), s.SlopeA, s.InterceptB, alpha);
}

// Fluorescence of fluorescein standards, Miller & Miller, Statistics and
// Chemometrics for Analytical Chemistry (6th ed., 2010), Examples 5.3.1 to
// 5.6.1: the data and their published results.
const Points kFluorescein = {{0, 2.1}, {2, 5.0}, {4, 9.0}, {6, 12.6}, {8, 17.3}, {10, 21.0}, {12, 24.7}};

TEST(CalibrationStatistics, TextbookFluoresceinLine)
{
    const CalibrationStatistics st = StatisticsOfFit(kFluorescein);
    EXPECT_EQ(st.n, 7);
    EXPECT_NEAR(st.slope, 1.93, 0.005);
    EXPECT_NEAR(st.intercept, 1.52, 0.005);
    ASSERT_TRUE(st.rSquared);
    EXPECT_NEAR(std::sqrt(*st.rSquared), 0.9989, 0.00005);  // r
    ASSERT_TRUE(st.residualSd && st.slopeStandardError && st.interceptStandardError);
    // The book works from rounded intermediate values: its last digits may
    // be one unit off the exact figures.
    EXPECT_NEAR(*st.residualSd, 0.4329, 0.0001);              // s_y/x
    EXPECT_NEAR(*st.slopeStandardError, 0.0409, 0.0001);      // s_b
    EXPECT_NEAR(*st.interceptStandardError, 0.2950, 0.0001);  // s_a
    EXPECT_DOUBLE_EQ(st.meanX, 6);
    EXPECT_DOUBLE_EQ(st.meanY, 13.1);
    EXPECT_DOUBLE_EQ(st.sumSquaresX, 112);
}

TEST(CalibrationStatistics, TextbookFluoresceinReadingIntervals)
{
    const CalibrationStatistics st = StatisticsOfFit(kFluorescein);
    // Readings 2.9, 13.5 and 23.0 give 0.72 ± 0.68, 6.21 ± 0.62 and
    // 11.13 ± 0.68 pg/ml at 95 % (t = 2.57).
    const struct {
        double reading, concentration, halfWidth;
    } published[] = {{2.9, 0.72, 0.68}, {13.5, 6.21, 0.62}, {23.0, 11.13, 0.68}};
    for (const auto& p : published) {
        const ReadingInterval r = ConcentrationInterval(st, p.reading, 0);
        ASSERT_TRUE(r.concentration && r.halfWidth && r.low && r.high) << p.reading;
        EXPECT_NEAR(*r.concentration, p.concentration, 0.005) << p.reading;
        EXPECT_NEAR(*r.halfWidth, p.halfWidth, 0.005) << p.reading;
        EXPECT_NEAR(*r.low, *r.concentration - *r.halfWidth, 1e-13);
        EXPECT_NEAR(*r.high, *r.concentration + *r.halfWidth, 1e-13);
    }
}

TEST(CalibrationStatistics, FluoresceinMethodFiguresAndLimits)
{
    const CalibrationStatistics st = StatisticsOfFit(kFluorescein);
    // s_x0 = s_y/a and V_x0 = 100 s_x0 / x̄ (ISO 8466-1); x_NG with
    // t(5; 0.95) = 2.015048 and sqrt(1 + 1/7 + 36/112) (DIN 32645), worked
    // out by hand from the exact sums.
    ASSERT_TRUE(st.methodSd && st.relativeMethodSdPercent);
    EXPECT_NEAR(*st.methodSd, 0.2242319, 1e-6);
    EXPECT_NEAR(*st.relativeMethodSdPercent, 3.737199, 1e-5);
    ASSERT_TRUE(st.decisionLimit && st.detectionLimit && st.quantificationLimit);
    EXPECT_NEAR(*st.decisionLimit, 0.5467589, 1e-6);
    EXPECT_DOUBLE_EQ(*st.detectionLimit, 2 * *st.decisionLimit);
    EXPECT_NEAR(*st.quantificationLimit, 1.962786, 1e-5);
}

TEST(CalibrationStatistics, QuantificationLimitIsThreeHalfWidthsOfItsOwnReading)
{
    for (const Points& points :
         {kFluorescein, Points{{0.5, 0.11}, {1, 0.19}, {2, 0.42}, {3, 0.58}, {5, 1.02}, {8, 1.61}},
          Points{{100, 50.2}, {200, 39.7}, {300, 30.4}, {400, 19.6}, {500, 10.1}}}) {
        const CalibrationStatistics st = StatisticsOfFit(points);
        ASSERT_TRUE(st.quantificationLimit);
        const double x = *st.quantificationLimit;
        const ReadingInterval r = ConcentrationInterval(st, st.slope * x + st.intercept, 0);
        ASSERT_TRUE(r.halfWidth);
        EXPECT_NEAR(x, 3 * *r.halfWidth, 1e-8 * x);
        EXPECT_GT(x, *st.detectionLimit) << "quantification lies above detection";
    }
}

// NIST Statistical Reference Datasets, linear least squares, "Norris"
// (lower difficulty): certified values.
TEST(CalibrationStatistics, NistNorrisCertifiedValues)
{
    const double x[] = {0.2,   337.4, 118.2, 884.6, 10.1,  226.5, 666.3, 996.3, 448.6, 777.0, 558.2, 0.4,
                        0.6,   775.5, 666.9, 338.0, 447.5, 11.6,  556.0, 228.1, 995.8, 887.6, 120.2, 0.3,
                        0.3,   556.8, 339.1, 887.2, 999.0, 779.0, 11.1,  118.3, 229.2, 669.1, 448.9, 0.5};
    const double y[] = {0.1,   338.8, 118.1, 888.0, 9.2,   228.1, 668.5, 998.5, 449.1, 778.9, 559.2, 0.3,
                        0.1,   778.1, 668.8, 339.3, 448.9, 10.8,  557.7, 228.3, 998.0, 888.8, 119.6, 0.3,
                        0.6,   557.6, 339.3, 888.0, 998.5, 778.9, 10.2,  117.6, 228.9, 668.4, 449.2, 0.2};
    Points points;
    for (int i = 0; i < 36; ++i)
        points.push_back({x[i], y[i]});
    const CalibrationStatistics st = StatisticsOfFit(points);
    EXPECT_EQ(st.n, 36);
    EXPECT_NEAR(st.slope, 1.00211681802045, 1e-12);
    EXPECT_NEAR(st.intercept, -0.262323073774029, 1e-11);
    ASSERT_TRUE(st.slopeStandardError && st.interceptStandardError && st.residualSd && st.rSquared);
    EXPECT_NEAR(*st.slopeStandardError, 0.429796848199937e-03, 1e-13);
    EXPECT_NEAR(*st.interceptStandardError, 0.232818234301152, 1e-11);
    EXPECT_NEAR(*st.residualSd, 0.884796396144373, 1e-11);
    EXPECT_NEAR(*st.rSquared, 0.999993745883712, 1e-12);
}

TEST(CalibrationStatistics, MandelTestPassesAStraightLineAndFailsACurve)
{
    // Test values worked out exactly from the second-order fit; F(1, 4; 0.99)
    // = 21.198 and F(1, 3; 0.99) = 34.116 from the tables.
    const CalibrationStatistics line = StatisticsOfFit(kFluorescein);
    ASSERT_TRUE(line.mandel);
    EXPECT_NEAR(line.mandel->value, 1.561131, 1e-5);
    EXPECT_NEAR(line.mandel->quantile, 21.198, 1e-3);
    EXPECT_TRUE(line.mandel->linear);

    const CalibrationStatistics curve =
        StatisticsOfFit({{1, 1.1}, {2, 3.9}, {3, 9.2}, {4, 15.8}, {5, 25.1}, {6, 36.2}});
    ASSERT_TRUE(curve.mandel);
    EXPECT_NEAR(curve.mandel->value, 1166.637, 1e-2);
    EXPECT_FALSE(curve.mandel->linear);

    const CalibrationStatistics four = StatisticsOfFit({{1, 2}, {2, 4.1}, {3, 5.9}, {4, 8}});
    ASSERT_TRUE(four.mandel);
    EXPECT_NEAR(four.mandel->quantile, 4052.18, 1e-2);  // F(1, 1; 0.99)
}

TEST(CalibrationStatistics, MandelNeedsFourPointsAtThreeLevelsAndScatterAboutTheCurve)
{
    EXPECT_FALSE(StatisticsOfFit({{1, 2}, {2, 4.1}, {3, 5.9}}).mandel);
    EXPECT_FALSE(StatisticsOfFit({{1, 2}, {1, 2.2}, {3, 5.9}, {3, 6.3}}).mandel) << "two X levels";
    EXPECT_FALSE(StatisticsOfFit({{0, 0}, {1, 1}, {2, 4}, {3, 9}, {4, 16}}).mandel) << "an exact parabola";
}

TEST(CalibrationStatistics, TooFewPointsLeaveEveryFigureEmpty)
{
    for (const Points& points : {Points{}, Points{{1, 2}}, Points{{1, 2}, {3, 5}}}) {
        const CalibrationStatistics st = StatisticsOfFit(points);
        EXPECT_EQ(st.n, static_cast<int>(points.size()));
        EXPECT_FALSE(st.residualSd || st.slopeStandardError || st.interceptStandardError || st.rSquared ||
                     st.methodSd || st.relativeMethodSdPercent || st.decisionLimit || st.detectionLimit ||
                     st.quantificationLimit || st.mandel);
    }
}

TEST(CalibrationStatistics, AllXEqualGivesNoFigures)
{
    const CalibrationStatistics st = ComputeCalibrationStatistics({{2, 1}, {2, 3}, {2, 5}}, 1, 0);
    EXPECT_FALSE(st.residualSd || st.rSquared || st.methodSd || st.decisionLimit || st.mandel);
    EXPECT_FALSE(ConcentrationInterval(st, 3, 0).halfWidth);
}

TEST(CalibrationStatistics, ZeroSlopeKeepsTheScatterButNoConcentrationFigures)
{
    const CalibrationStatistics st = ComputeCalibrationStatistics({{1, 5}, {2, 4}, {3, 6}, {4, 5}}, 0, 5);
    ASSERT_TRUE(st.residualSd);
    EXPECT_NEAR(*st.residualSd, 1, 1e-15);
    EXPECT_FALSE(st.methodSd || st.relativeMethodSdPercent || st.decisionLimit || st.detectionLimit ||
                 st.quantificationLimit);
    const ReadingInterval r = ConcentrationInterval(st, 5, 0);
    EXPECT_FALSE(r.concentration || r.halfWidth || r.low || r.high);
}

TEST(CalibrationStatistics, LineThroughEveryPointHasNoScatterAndNoLimits)
{
    // 0.1 and 0.3 are not exact in binary: the stored line misses the points
    // by rounding only.
    const CalibrationStatistics st = StatisticsOfFit({{1, 0.3}, {2, 0.5}, {3, 0.7}, {4, 0.9}, {5, 1.1}});
    ASSERT_TRUE(st.residualSd && st.rSquared && st.methodSd && st.relativeMethodSdPercent);
    EXPECT_EQ(*st.residualSd, 0);
    EXPECT_EQ(*st.rSquared, 1);
    EXPECT_EQ(*st.methodSd, 0);
    EXPECT_FALSE(st.decisionLimit || st.detectionLimit || st.quantificationLimit || st.mandel);
    const ReadingInterval r = ConcentrationInterval(st, 0.6, 0);
    ASSERT_TRUE(r.concentration);
    EXPECT_NEAR(*r.concentration, 2.5, 1e-12);
    EXPECT_FALSE(r.halfWidth || r.low || r.high);
}

TEST(CalibrationStatistics, LineFarFromTheOriginThroughEveryPoint)
{
    // The intercept, -102.5, is far larger than any reading; the rounding left
    // in the residuals tests neither the limits nor the curvature.
    const CalibrationStatistics st = ComputeCalibrationStatistics(
        {{512.5, 0}, {513.1, 0.12}, {513.7, 0.24}, {514.3, 0.36}, {514.9, 0.48}, {515.5, 0.6}}, 0.2, -102.5);
    ASSERT_TRUE(st.residualSd);
    EXPECT_EQ(*st.residualSd, 0);
    EXPECT_FALSE(st.decisionLimit);
    EXPECT_FALSE(st.mandel);
}

TEST(CalibrationStatistics, NonFiniteInputGivesNoFigureAndNoNaN)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const CalibrationStatistics& st :
         {ComputeCalibrationStatistics({{1, 2}, {2, nan}, {3, 6}}, 2, 0),
          ComputeCalibrationStatistics({{1, 2}, {inf, 4}, {3, 6}}, 2, 0),
          ComputeCalibrationStatistics({{1, 2}, {2, 4}, {3, 6.5}}, nan, 0),
          ComputeCalibrationStatistics({{1e200, 1}, {2e200, 2}, {3e200, 4}}, 1e-200, 0)}) {
        EXPECT_FALSE(st.residualSd || st.slopeStandardError || st.rSquared || st.methodSd ||
                     st.decisionLimit || st.quantificationLimit || st.mandel);
    }
}

TEST(CalibrationStatistics, FallingLineHasTheLimitsOfItsMirrorImage)
{
    Points falling;
    for (const CalibrationPoint& p : kFluorescein)
        falling.push_back({p.x, -p.y});
    const CalibrationStatistics up = StatisticsOfFit(kFluorescein);
    const CalibrationStatistics down = StatisticsOfFit(falling);
    ASSERT_LT(down.slope, 0);
    ASSERT_TRUE(down.methodSd && down.decisionLimit && down.quantificationLimit);
    EXPECT_NEAR(*down.methodSd, *up.methodSd, 1e-12);
    EXPECT_NEAR(*down.decisionLimit, *up.decisionLimit, 1e-12);
    EXPECT_NEAR(*down.quantificationLimit, *up.quantificationLimit, 1e-9);
    const ReadingInterval r = ConcentrationInterval(down, -13.5, 0);
    ASSERT_TRUE(r.halfWidth);
    EXPECT_NEAR(*r.halfWidth, 0.62, 0.005);
}

TEST(CalibrationStatistics, AlphaSetsTheLevel)
{
    const CalibrationStatistics at5 = StatisticsOfFit(kFluorescein, 0.05);
    const CalibrationStatistics at1 = StatisticsOfFit(kFluorescein, 0.01);
    EXPECT_EQ(at1.alpha, 0.01);
    EXPECT_GT(*at1.decisionLimit, *at5.decisionLimit);
    EXPECT_GT(*ConcentrationInterval(at1, 13.5, 0).halfWidth, *ConcentrationInterval(at5, 13.5, 0).halfWidth);
    for (double alpha : {0.0, 1.0, -0.5, std::numeric_limits<double>::quiet_NaN()}) {
        const CalibrationStatistics st = StatisticsOfFit(kFluorescein, alpha);
        EXPECT_TRUE(st.residualSd);
        EXPECT_FALSE(st.decisionLimit || st.detectionLimit || st.quantificationLimit);
        EXPECT_FALSE(ConcentrationInterval(st, 13.5, 0).halfWidth);
    }
}

TEST(CalibrationStatistics, NoQuantificationLimitWhenScatterSwampsTheRange)
{
    // Three points, one degree of freedom: t(1; 0.975) = 12.7.
    const CalibrationStatistics st = StatisticsOfFit({{0, 0}, {1, 2}, {2, 1}});
    EXPECT_TRUE(st.decisionLimit);
    EXPECT_FALSE(st.quantificationLimit);
}

TEST(ConcentrationInterval, BlankIsTakenOffAsInTheResultTable)
{
    CalibrationState s = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}, {4, 8}}, 0.03);
    FitLine(s, ".");
    const CalibrationStatistics st = ComputeCalibrationStatistics(PointsInFit(s), s.SlopeA, s.InterceptB);
    const ReadingInterval withBlank = ConcentrationInterval(st, 5.3, 0.7);
    ASSERT_TRUE(withBlank.concentration && withBlank.halfWidth);
    EXPECT_EQ(*withBlank.concentration, static_cast<double>(ResultValue(s, 5.3, 0.7)));
    // The interval is that of the net reading 4.6.
    EXPECT_DOUBLE_EQ(*withBlank.halfWidth, *ConcentrationInterval(st, 4.6, 0).halfWidth);
}

TEST(PointsInFit, SkipsSwitchedOffPointsAndKeepsOrder)
{
    CalibrationState s = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}, {4, 8}}, 0.03);
    s.PointExcluded[2] = 'y';
    s.PointExcluded[4] = 'Y';  // only 'y' switches a point off
    s.PercentValues[5] = 9;    // beyond the point count
    const std::vector<CalibrationPoint> points = PointsInFit(s);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].x, 1);
    EXPECT_EQ(points[1].x, 3);
    EXPECT_EQ(points[2].x, 4);
    EXPECT_EQ(points[2].y, 8);
}

}  // namespace
