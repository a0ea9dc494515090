#include <gtest/gtest.h>

#include <cmath>

#include "report/report_axis.h"

namespace {

// The printed axes: 4 to 8 labels, a step of 1, 2 or 5 times a power of ten,
// labels at the axis ends, the whole range covered, labels as exact as the
// step.
TEST(ReportAxis, FourToEightLabelsInStepsOfOneTwoOrFive)
{
    const struct {
        double low, high;
    } ranges[] = {{0, 1}, {0.0123, 1.013}, {-0.07, 1.27}, {1, 1.0004}, {99999.25, 100002.75}, {-5, 25},
                  {0, 0},  {3, 3},          {1e-9, 3e-9}, {-2e7, 7e7},  {0.3, 0.31},          {2.4, 9.6}};
    for (const auto& r : ranges) {
        const ReportAxis axis = ChooseReportAxis(r.low, r.high);
        const std::vector<long double> labels = axis.Labels();
        const std::string what = std::to_string(r.low) + ".." + std::to_string(r.high);
        EXPECT_GE(labels.size(), 4u) << what;
        EXPECT_LE(labels.size(), 8u) << what;
        EXPECT_LE(axis.minimum, r.low + 1e-9 * axis.step) << what;
        EXPECT_GE(axis.maximum, r.high - 1e-9 * axis.step) << what;
        EXPECT_NEAR(static_cast<double>(labels.front()), static_cast<double>(axis.minimum), 1e-9 * axis.step) << what;
        EXPECT_NEAR(static_cast<double>(labels.back()), static_cast<double>(axis.maximum), 1e-9 * axis.step) << what;
        const long double mantissa = axis.step / std::pow(10.0L, std::floor(std::log10(axis.step) + 1e-9L));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
            << what << " step " << static_cast<double>(axis.step);
    }
    const ReportAxis small = ChooseReportAxis(0.3, 0.31);
    EXPECT_EQ(small.Label(small.minimum), QStringLiteral("0.300"));
    const ReportAxis wide = ChooseReportAxis(-0.07, 1.27);
    EXPECT_EQ(wide.Labels().size(), 5u) << "-0.5 to 1.5: a step of 0.2 would need nine";
    EXPECT_EQ(wide.Label(wide.Labels()[1]), QStringLiteral("0.0"));
}

}  // namespace
