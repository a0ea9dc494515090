#include <gtest/gtest.h>

#include "chart/axis_labels.h"

namespace {

TEST(LabelStep, AdvancesOneTwoFiveUntilTheLabelsFit)
{
    // Labels 20 pixels wide with 10 % spacing: 14 fit into 300 pixels.
    EXPECT_EQ(LabelStep(6, 20, 300, 10), 1);
    EXPECT_EQ(LabelStep(14, 20, 300, 10), 1);
    EXPECT_EQ(LabelStep(15, 20, 300, 10), 2);
    EXPECT_EQ(LabelStep(100, 20, 300, 10), 10);
    EXPECT_EQ(LabelStep(250, 20, 300, 10), 20);
    EXPECT_EQ(LabelStep(6000, 20, 300, 10), 500);
    // Labels 15 pixels high with 30 % spacing: 15 fit; a range below 1
    // starts from 10^-12.
    EXPECT_NEAR(static_cast<double>(LabelStep(0.5, 15, 300, 30)), 0.05, 1e-15);
    EXPECT_NEAR(static_cast<double>(LabelStep(0.0004, 15, 300, 30)), 5e-5, 1e-18);
    EXPECT_NEAR(static_cast<double>(LabelStep(0, 15, 300, 30)), 1e-12, 1e-25);
}

TEST(LabelStep, AxisWithRoomForNoLabelEnds)
{
    EXPECT_EQ(LabelStep(10, 20, 5, 10), 50);
    EXPECT_EQ(LabelStep(10, 0, 0, 10), 50);
}

TEST(LabelValues, MultiplesOfTheStepWithinTheRange)
{
    AxisScale scale;
    scale.minimum = -0.3L;
    scale.maximum = 4.3L;
    const std::vector<long double> expected{0, 1, 2, 3, 4};
    EXPECT_EQ(LabelValues(scale, 1), expected);

    scale.minimum = scale.maximum = 7;
    EXPECT_EQ(LabelValues(scale, 1), std::vector<long double>{7});
}

TEST(FormatAxisLabel, GroupsThousandsAndDropsTrailingZeros)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatAxisLabel(1234.5L, german), "1.234,5");
    EXPECT_EQ(FormatAxisLabel(2, german), "2");
    EXPECT_EQ(FormatAxisLabel(0.12345L, german), "0,123");
    EXPECT_EQ(FormatAxisLabel(-0.0001L, german), "0");
    EXPECT_EQ(FormatAxisLabel(-12.25L, german), "-12,25");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatAxisLabel(1234567.8916L, english), "1,234,567.892");
    EXPECT_EQ(FormatAxisLabel(10, english), "10");
}

}  // namespace
