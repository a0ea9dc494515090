#include <gtest/gtest.h>

#include <map>

#include "core/result_table.h"

namespace {

CalibrationState LineState(double a, double b)
{
    CalibrationState s;
    s.ResultPrecision = 5;
    s.ResultDecimals = 3;
    s.SlopeA = a;
    s.InterceptB = b;
    return s;
}

std::function<std::string(int)> Readings(const std::map<int, std::string>& cells)
{
    return [cells](int row) {
        const auto it = cells.find(row);
        return it == cells.end() ? std::string() : it->second;
    };
}

TEST(EvaluateResults, NoLineTestsNothing)
{
    CalibrationState s = LineState(0, 0);
    const ResultEvaluation ev = EvaluateResults(s, "", 2, Readings({{1, "x"}}), ".");
    EXPECT_TRUE(ev.skipped);
    EXPECT_TRUE(ev.rows.empty());
}

TEST(EvaluateResults, ReadingLessBlankThroughTheLine)
{
    CalibrationState s = LineState(1, 0);
    ResultEvaluation ev = EvaluateResults(s, "0", 2, Readings({{1, "5"}}), ".");
    ASSERT_EQ(ev.rows.size(), 1u);
    EXPECT_EQ(ev.rows[0].result, "5.000");
    EXPECT_FALSE(ev.rows[0].reading);

    s = LineState(2, 1);
    ev = EvaluateResults(s, "0,5", 3, Readings({{1, "4,5"}, {2, ""}}), ",");
    ASSERT_EQ(ev.rows.size(), 2u);
    EXPECT_EQ(ev.rows[0].result, "1,500");
    EXPECT_EQ(ev.rows[1].reading, "0") << "an empty reading becomes 0";
    EXPECT_EQ(ev.rows[1].result, "-0,750");
}

TEST(EvaluateResults, ABadReadingStopsAtItsRow)
{
    CalibrationState s = LineState(1, 0);
    const ResultEvaluation ev = EvaluateResults(s, "0", 4, Readings({{1, "1"}, {2, "abc"}, {3, "3"}}), ".");
    ASSERT_EQ(ev.rows.size(), 2u);
    EXPECT_EQ(ev.rows[0].result, "1.000");
    EXPECT_EQ(ev.rows[1].reading, "0");
    EXPECT_FALSE(ev.rows[1].result) << "the bad row keeps its old result";
}

TEST(EvaluateResults, AnErrorKeepsTheRowsBeforeIt)
{
    CalibrationState s = LineState(1, 0);
    const auto reading = [](int row) -> std::string {
        if (row == 3)
            throw RunError::RangeCheck();
        return row == 2 ? "" : "4";
    };
    const ResultEvaluation ev = EvaluateResults(s, "1", 5, reading, ".");
    ASSERT_TRUE(ev.failure);
    EXPECT_STREQ(ev.failure->what(), "Range check error");
    ASSERT_EQ(ev.rows.size(), 3u) << "the rows after the failing one are not evaluated";
    EXPECT_EQ(ev.rows[0].result, "3.000");
    EXPECT_EQ(ev.rows[1].reading, "0");
    EXPECT_EQ(ev.rows[1].result, "-1.000");
    EXPECT_EQ(ev.rows[2].row, 3);
    EXPECT_FALSE(ev.rows[2].result) << "the failing row keeps its old result";
    EXPECT_THROW(ev.RaiseFailure(), RunError);
}

TEST(EvaluateResults, ABadBlankIsResetWithoutResults)
{
    CalibrationState s = LineState(1, 0);
    for (const char* blank : {"", "-", "1e400"}) {
        const ResultEvaluation ev = EvaluateResults(s, blank, 2, Readings({{1, "1"}}), ".");
        EXPECT_TRUE(ev.blankReset) << blank;
        EXPECT_TRUE(ev.rows.empty());
    }
}

TEST(EvaluateResults, LargeResultsTakeTheExponentForm)
{
    CalibrationState s = LineState(1, 0);
    s.ResultDecimals = 0;
    const ResultEvaluation ev = EvaluateResults(s, "0", 2, Readings({{1, "123456.7"}}), ".");
    EXPECT_EQ(ev.rows[0].result, "1.2346E5");
}

TEST(Decimals, StepWithinTheirLimitsOnlyWithALine)
{
    CalibrationState s = LineState(0, 0);
    s.ResultDecimals = 3;
    EXPECT_FALSE(DecimalsUp(s));
    EXPECT_EQ(s.ResultDecimals, 3);
    s.SlopeA = 1;
    EXPECT_TRUE(DecimalsUp(s));
    EXPECT_EQ(s.ResultDecimals, 4);
    s.ResultDecimals = 0;
    EXPECT_TRUE(DecimalsDown(s));
    EXPECT_EQ(s.ResultDecimals, 0);
    s.ResultDecimals = 65535;
    EXPECT_THROW(DecimalsUp(s), RunError);
}

TEST(PlanReadingsCopy, OverwritesOneRowOrAppends)
{
    EXPECT_EQ(PlanReadingsCopy(2, 4).rowCount, 5);
    EXPECT_EQ(PlanReadingsCopy(2, 4).firstRow, 1);
    EXPECT_EQ(PlanReadingsCopy(4, 4).rowCount, 8);
    EXPECT_EQ(PlanReadingsCopy(4, 4).firstRow, 4);
    EXPECT_THROW(PlanReadingsCopy(2, 65535), RunError);
    try {
        PlanReadingsCopy(2, 2147483647);
        FAIL();
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
    }
}

}  // namespace
