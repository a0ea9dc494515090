#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/refit.h"
#include "fit_fixture.h"

namespace {

// The four-point calibration after its full fit: Y=1.98*X+0.05.
CalibrationState FourPointsFitted()
{
    CalibrationState s = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}, {4, 8}}, 0.03);
    const LineOutcome f = FitLine(s, ".");
    EXPECT_EQ(EquationLine(f.equation), "Y=1.98*X+0.05");
    return s;
}

TEST(RefitLine, FourPointWorkedExample)
{
    CalibrationState s = FourPointsFitted();
    EXPECT_DOUBLE_EQ(s.LineClipTop, 8);
    EXPECT_DOUBLE_EQ(s.LineClipBottom, 2);

    const int i = FindClickedPoint(s, 2, 4.1);
    EXPECT_EQ(i, 2);
    ToggleExclusion(s, i, clRed);
    const LineOutcome r = RefitLine(s, ".");
    ASSERT_EQ(r.stop, LineStop::Done);
    EXPECT_EQ(EquationLine(r.equation), "Y=1.9929*X+-0.014286");
    EXPECT_EQ(r.deviationTexts, (std::vector<std::string>{"0.011", "0.065", "-0.032", "0.022"}));
    ASSERT_EQ(r.points.size(), 4u);
    EXPECT_EQ(r.points[0].colour, clLime);
    EXPECT_EQ(r.points[1].colour, clSilver);
    EXPECT_EQ(r.points[2].colour, clRed);
    EXPECT_EQ(r.points[3].colour, clLime);
    EXPECT_EQ(FormatGeneral(r.low.x, 7, "."), "1.010753");
    EXPECT_DOUBLE_EQ(r.low.y, 2);
    EXPECT_DOUBLE_EQ(r.high.x, 4);
    EXPECT_EQ(FormatGeneral(r.high.y, 7, "."), "7.957143");
    EXPECT_EQ(s.ActiveCount, 3);
    EXPECT_DOUBLE_EQ(s.LineClipBottom, 2) << "the band stays that of the full fit";

    ToggleExclusion(s, FindClickedPoint(s, 2, 4.1), clSilver);
    EXPECT_EQ(EquationLine(RefitLine(s, ".").equation), "Y=1.98*X+0.05");
    EXPECT_EQ(s.ActiveCount, 4);
}

TEST(RefitLine, FewerThanTwoPointsLeft)
{
    CalibrationState s = StateWithPoints({{1, 1}, {2, 3}, {4, 4}}, 1);
    FitLine(s, ".");
    ToggleExclusion(s, 1, clLime);
    EXPECT_EQ(RefitLine(s, ".").stop, LineStop::Done);
    ToggleExclusion(s, 2, clLime);
    EXPECT_EQ(RefitLine(s, ".").stop, LineStop::TooFewPoints);
    EXPECT_EQ(s.ActiveCount, 1);
}

TEST(RefitLine, TwoPointsLeftOnOneVertical)
{
    CalibrationState s = StateWithPoints({{1, 2}, {1, 3}, {2, 4}}, 1);
    FitLine(s, ".");
    ToggleExclusion(s, FindClickedPoint(s, 2, 4), clLime);
    EXPECT_EQ(RefitLine(s, ".").stop, LineStop::VerticalLine);
}

TEST(RefitLine, ZeroDenominatorKeepsTheNewFlag)
{
    CalibrationState s = StateWithPoints({{1, 2}, {1, 3}, {1, 4}, {2, 5}}, 1);
    FitLine(s, ".");
    const double slope = s.SlopeA;
    ToggleExclusion(s, 4, clLime);
    EXPECT_EQ(RefitLine(s, ".").stop, LineStop::ZeroDenominator);
    EXPECT_EQ(s.PointExcluded[4], 'y');
    EXPECT_EQ(s.ActiveCount, 3);
    EXPECT_EQ(s.SlopeA, slope);
}

TEST(RefitLine, EqualPointsAlwaysFindTheLowerNumber)
{
    CalibrationState s = StateWithPoints({{1, 1}, {2, 2}, {3, 3}, {4, 5}, {2, 2}}, 1);
    EXPECT_EQ(FindClickedPoint(s, 2, 2), 2);
    try {
        FindClickedPoint(s, 9, 9);
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}

TEST(RefitLine, OtherColoursLeaveTheFlag)
{
    CalibrationState s = StateWithPoints({{1, 1}, {2, 2}}, 1);
    ToggleExclusion(s, 1, clBlue);
    EXPECT_EQ(s.PointExcluded[1], 'n');
    ToggleExclusion(s, 1, clLime);
    EXPECT_EQ(s.PointExcluded[1], 'y');
    ToggleExclusion(s, 1, clGreen);
    EXPECT_EQ(s.PointExcluded[1], 'y');
    ToggleExclusion(s, 1, clSilver);
    EXPECT_EQ(s.PointExcluded[1], 'n');
}

TEST(RefitLine, HorizontalLineFailsInTheDeviationColumn)
{
    CalibrationState s = StateWithPoints({{1, 5}, {2, 7}, {3, 7}, {4, 9}}, 1);
    FitLine(s, ".");
    ToggleExclusion(s, 1, clLime);
    ToggleExclusion(s, 4, clLime);
    const LineOutcome r = RefitLine(s, ".");
    ASSERT_EQ(r.stop, LineStop::Done);
    EXPECT_EQ(s.SlopeA, 0);
    ASSERT_TRUE(r.failure);
    EXPECT_STREQ(r.failure->what(), "Floating point division by zero") << "point 1 counts though it is out";
    EXPECT_TRUE(r.deviationTexts.empty());
    EXPECT_TRUE(r.points.empty());
    EXPECT_DOUBLE_EQ(r.low.y, 7);
    EXPECT_DOUBLE_EQ(r.high.y, 7);
}

TEST(RefitLine, FallingLineHoldsOnlyItsTwoEnds)
{
    CalibrationState s = StateWithPoints({{1, 8}, {2, 6.5}, {3, 3.5}, {4, 2}}, 0.01);
    FitLine(s, ".");
    const double top = s.LineClipTop, bottom = s.LineClipBottom;
    ToggleExclusion(s, 2, clRed);
    const LineOutcome r = RefitLine(s, ".");
    ASSERT_EQ(r.stop, LineStop::Done);
    EXPECT_LE(r.high.y, top);
    EXPECT_GE(r.low.y, bottom);
    EXPECT_EQ(r.low.x, 1) << "the left end of a falling line is not held against the top";
    EXPECT_EQ(r.high.x, 4);
}

}  // namespace
