#include <gtest/gtest.h>

#include "core/calibration_state.h"

namespace {

void ExpectRangeCheck(const std::function<void()>& f)
{
    try {
        f();
        ADD_FAILURE() << "no error";
    } catch (const RunError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}

TEST(CalibrationState, StartsZero)
{
    CalibrationState s;
    EXPECT_EQ(s.PointCount, 0);
    EXPECT_EQ(s.SlopeA, 0.0);
    EXPECT_EQ(s.PointExcluded[1], '\0');
    EXPECT_EQ(s.PercentValues[1000], 0.0);
    EXPECT_TRUE(s.DataFileName.empty());
}

TEST(CalibrationState, ArraysHoldSlotsOneToAThousand)
{
    CalibrationState s;
    s.PercentValues[1] = 1.5;
    s.PercentValues[1000] = 2.5;
    EXPECT_EQ(s.PercentValues[1], 1.5);
    EXPECT_EQ(s.PercentValues[1000], 2.5);
    ExpectRangeCheck([&] { s.PercentValues[1001] = 1; });
    ExpectRangeCheck([&] { s.MeasuredValues[0] = 1; });
}

TEST(CalibrationState, CountersAreRangeChecked)
{
    CalibrationState s;
    s.PointCount = 65535;
    EXPECT_EQ(s.PointCount, 65535);
    ExpectRangeCheck([&] { s.PointCount = s.PointCount + 1; });
    EXPECT_EQ(s.PointCount, 65535);
    ExpectRangeCheck([&] { s.ActiveCount = -1; });
    s.PointCount.SetLow(65536 + 3);
    EXPECT_EQ(s.PointCount, 3);
}

TEST(CalibrationState, RecordNumbersGoPast65535)
{
    CalibrationState s;
    s.SelectedRecord = 70000;
    EXPECT_EQ(s.SelectedRecord, 70000);
    s.SelectedRecord = 4294967295LL;
    EXPECT_EQ(s.SelectedRecord, 4294967295LL);
    ExpectRangeCheck([&] { s.SelectedRecord = s.SelectedRecord + 1; });
    ExpectRangeCheck([&] { s.SelectedRecord = -1; });
    s.RecordCounter.SetLow(100000);
    EXPECT_EQ(s.RecordCounter, 100000);
}

TEST(RunError, BoxTextEndsWithAFullStopAfterLettersAndDigits)
{
    EXPECT_EQ(RunError::RangeCheck().BoxText(), "Range check error.");
    EXPECT_EQ(RunError("ends.").BoxText(), "ends.");
    EXPECT_EQ(RunError("ends!").BoxText(), "ends!");
    EXPECT_EQ(RunError::CannotOpenFile("a.dat").BoxText(), "Cannot open file a.dat.");
    EXPECT_EQ(RunError("Файл").BoxText(), "Файл.");
}

}  // namespace
