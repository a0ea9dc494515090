#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/fit.h"
#include "core/number_text.h"
#include "fit_fixture.h"

namespace {

using Grid = std::map<std::pair<int, int>, std::string>;

// The grid's columns: 1 X, 2 Y.
PointCellText Cells(const Grid& grid)
{
    return [&grid](int row, PointCoordinate coordinate) {
        const auto it = grid.find({row, coordinate == PointCoordinate::X ? 1 : 2});
        return it == grid.end() ? std::string() : it->second;
    };
}

TEST(FitLine, ThreePointWorkedExample)
{
    CalibrationState s = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}}, 0.03);
    const LineOutcome f = FitLine(s, ".");
    ASSERT_EQ(f.stop, LineStop::Done);
    ASSERT_FALSE(f.failure);
    EXPECT_EQ(f.equation, "Уравнение прямой:\n\rY=1.95*X+0.1");
    EXPECT_EQ(f.deviationTexts, (std::vector<std::string>{"-0.026", "0.051", "-0.026"}));
    ASSERT_EQ(f.points.size(), 3u);
    EXPECT_EQ(f.points[0].colour, clLime);
    EXPECT_EQ(f.points[1].colour, clRed);
    EXPECT_EQ(f.points[2].colour, clLime);
    EXPECT_DOUBLE_EQ(f.low.x, 1);
    EXPECT_DOUBLE_EQ(f.low.y, 2.05);
    EXPECT_DOUBLE_EQ(f.high.x, 3);
    EXPECT_DOUBLE_EQ(f.high.y, 5.95);
    EXPECT_DOUBLE_EQ(s.LineClipTop, 5.95);
    EXPECT_DOUBLE_EQ(s.LineClipBottom, 2);
    EXPECT_DOUBLE_EQ(s.SumX, 6);
    EXPECT_DOUBLE_EQ(s.SumXX, 14);
    EXPECT_NEAR(s.Deviations[2], 0.0513, 1e-4);

    CalibrationState again = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}}, 0.03);
    const LineOutcome equationOnly = FitLine(again, ".", FitShows::EquationOnly);
    EXPECT_EQ(equationOnly.equation, f.equation);
    EXPECT_TRUE(equationOnly.deviationTexts.empty() && equationOnly.points.empty());
    EXPECT_EQ(again.Deviations[2], s.Deviations[2]) << "the deviations are stored all the same";
}

TEST(FitLine, CommaSeparatorInEquationAndDeviations)
{
    CalibrationState s = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}}, 0.03);
    const LineOutcome f = FitLine(s, ",");
    EXPECT_EQ(EquationLine(f.equation), "Y=1,95*X+0,1");
    EXPECT_EQ(f.deviationTexts[1], "0,051");
}

TEST(FitLine, ToleranceBoundaries)
{
    CalibrationState s = StateWithPoints({{0, 0}, {1, 1}, {2, 2}}, 0);
    LineOutcome f = FitLine(s, ".");
    for (const ChartPoint& p : f.points)
        EXPECT_EQ(p.colour, clLime) << "a deviation of exactly 0 is within tolerance 0";

    s = StateWithPoints({{0, 0}, {1, 1}, {2, 2}}, -1);
    f = FitLine(s, ".");
    for (const ChartPoint& p : f.points)
        EXPECT_EQ(p.colour, clRed) << "a negative tolerance makes every point red";

    s = StateWithPoints({{1, 2}, {2, 4.1}, {3, 5.9}}, 0);
    FitLine(s, ".");
    s.Tolerance = std::fabs(s.Deviations[2]);
    f = FitLine(s, ".");
    EXPECT_EQ(f.points[1].colour, clLime) << "a deviation equal to the tolerance is within it";
}

TEST(FitLine, ZeroDenominatorStopsSilently)
{
    CalibrationState s = StateWithPoints({{2, 1}, {2, 5}, {2, 9}}, 0.1);
    s.SlopeA = 7;
    const LineOutcome f = FitLine(s, ".");
    EXPECT_EQ(f.stop, LineStop::ZeroDenominator);
    EXPECT_EQ(s.FitDenominator, 0);
    EXPECT_EQ(s.SumX, 6);
    EXPECT_EQ(s.SlopeA, 7) << "the line is kept";

    CalibrationState empty = StateWithPoints({}, 0);
    EXPECT_EQ(FitLine(empty, ".").stop, LineStop::ZeroDenominator);
}

TEST(FitLine, HorizontalLineFailsAtPointOneAfterTheLine)
{
    CalibrationState s = StateWithPoints({{1, 3}, {2, 3}, {3, 3}}, 0.1);
    LineOutcome f = FitLine(s, ".");
    ASSERT_EQ(f.stop, LineStop::Done);
    EXPECT_EQ(s.SlopeA, 0);
    EXPECT_EQ(s.InterceptB, 3);
    ASSERT_TRUE(f.failure);
    EXPECT_STREQ(f.failure->what(), "Invalid floating point operation") << "reading equals the intercept";
    EXPECT_TRUE(f.points.empty());
    EXPECT_TRUE(f.equation.empty());
    EXPECT_DOUBLE_EQ(s.LineClipTop, 3);
    EXPECT_DOUBLE_EQ(f.high.y, 3);
}

TEST(FitLine, EquationTakesTheExponentFormAndKeepsThePlusMinus)
{
    EXPECT_EQ(EquationLine(EquationText(0.000012345, 123456, ".")), "Y=1.2345E-5*X+1.2346E5");
    EXPECT_EQ(EquationLine(EquationText(2, -0.5, ".")), "Y=2*X+-0.5");
}

// The stored slope is 0.00883484999999999999…, just below the tie at the
// fifth digit.
TEST(FitLine, EquationDigitsOfASlopeJustBelowATie)
{
    CalibrationState s = StateWithPoints({{0, 0}, {1, 0.00883485}}, 0.05);
    const LineOutcome f = FitLine(s, ".");
    ASSERT_EQ(f.stop, LineStop::Done);
    EXPECT_EQ(EquationLine(f.equation), "Y=0.0088348*X+0");
}

TEST(FitLine, DeviationThatRoundsToZeroHasNoSign)
{
    CalibrationState s = StateWithPoints({{0, 0}, {1, 1}, {2, 2}}, 0);
    s.SlopeA = 1;
    s.InterceptB = 0.0004;
    EXPECT_EQ(DeviationText(s, 1, "."), "0.000");
}

TEST(ReadPointGrid, DropsIncompleteRowsKeepingOrder)
{
    CalibrationState s;
    Grid g{{{1, 1}, "1"}, {{1, 2}, "2"},   {{2, 1}, "9"}, {{3, 1}, "1.50"}, {{3, 2}, "3"},
           {{4, 2}, "8"}, {{5, 1}, "4"},   {{5, 2}, "5"}};
    EXPECT_EQ(ReadPointGrid(s, 5, Cells(g), "."), 3);
    EXPECT_EQ(s.PercentValues[1], 1);
    EXPECT_EQ(s.PercentValues[2], 1.5);
    EXPECT_EQ(s.MeasuredValues[2], 3);
    EXPECT_EQ(s.PercentValues[3], 4);
    EXPECT_EQ(FormatGeneral(s.PercentValues[2], 15, "."), "1.5");
}

TEST(ReadPointGrid, ABadTextEndsItWithThePointsBeforeStored)
{
    CalibrationState s;
    Grid g{{{1, 1}, "1"}, {{1, 2}, "2"}, {{2, 1}, "7"}, {{2, 2}, " "}};
    try {
        ReadPointGrid(s, 2, Cells(g), ".");
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "' ' is not a valid floating point value");
    }
    EXPECT_EQ(s.PercentValues[1], 1);
    EXPECT_EQ(s.PercentValues[2], 7) << "the row's X is stored before its bad Y";
    EXPECT_EQ(s.MeasuredValues[2], 0);
}

TEST(ReadPointGrid, PointOneThousandAndOneIsARangeError)
{
    CalibrationState s;
    const PointCellText all = [](int, PointCoordinate) { return std::string("1"); };
    EXPECT_EQ(ReadPointGrid(s, 1000, all, "."), 1000);
    EXPECT_THROW(ReadPointGrid(s, 1001, all, "."), RunError);
    EXPECT_THROW(ReadPointGrid(s, 2, [](int, PointCoordinate) { return std::string("1e400"); }, "."), RunError);
}

TEST(MarkAllInFit, StopsAtSlotOneThousandAndOne)
{
    CalibrationState s;
    s.PointCount = 1500;
    try {
        MarkAllInFit(s);
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
    EXPECT_EQ(s.PointExcluded[1000], 'n');
}

TEST(DegenerateInput, VerticalPairAndSinglePoint)
{
    CalibrationState s = StateWithPoints({{3, 1}, {3, 2}}, 0);
    EXPECT_EQ(FindDegenerateInput(s), DegenerateInput::VerticalLine);
    EXPECT_STREQ(DegenerateMessage(DegenerateInput::VerticalLine), "Вертикальных линий МНК не считает!");
    EXPECT_EQ(CompletedPointCount(DegenerateInput::VerticalLine), 3);

    s = StateWithPoints({{3, 1}}, 0);
    EXPECT_EQ(FindDegenerateInput(s), DegenerateInput::SinglePoint);
    EXPECT_STREQ(DegenerateMessage(DegenerateInput::SinglePoint), "Одну точку не считаем!");
    EXPECT_EQ(CompletedPointCount(DegenerateInput::SinglePoint), 2);

    EXPECT_EQ(FindDegenerateInput(StateWithPoints({{1, 1}, {3, 2}}, 0)), DegenerateInput::None);
    EXPECT_EQ(FindDegenerateInput(StateWithPoints({{3, 1}, {3, 2}, {3, 3}}, 0)), DegenerateInput::None);
}

TEST(DegenerateInput, MadeUpPointReadsBackUnderEitherSeparator)
{
    for (const char* sep : {".", ","}) {
        const std::string text = MadeUpPointText(sep);
        ASSERT_TRUE(ParseNumber(text, sep).has_value()) << text;
        EXPECT_EQ(static_cast<double>(*ParseNumber(text, sep)), 10.01);
    }
    EXPECT_EQ(MadeUpPointText(","), "10,01");
}

}  // namespace
