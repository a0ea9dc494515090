#pragma once

#include <optional>
#include <vector>

#include "calibration_state.h"

// The figures a laboratory reports with a calibration line (ISO 8466-1,
// DIN 32645): the quality of the line, its limits and the uncertainty of a
// concentration read off it. A figure that is not defined for the points at
// hand (too few points, a zero slope, zero residuals) is empty, never NaN.

struct CalibrationPoint {
    double x = 0;
    double y = 0;
};

// The points the current line was fitted to, in the order of the fit: points
// 1..PointCount of the state that are not switched out of the fit.
std::vector<CalibrationPoint> PointsInFit(const CalibrationState& s);
// The same into `points`, whose memory is used again.
void PointsInFit(const CalibrationState& s, std::vector<CalibrationPoint>& points);

// Mandel's linearity test: the second-order fit against the line, F test at
// 99 %.
struct MandelTest {
    double value = 0;     // the test value
    double quantile = 0;  // F(1, n - 3; 0.99)
    bool linear = false;  // value <= quantile
};

struct CalibrationStatistics {
    int n = 0;
    double alpha = 0.05;
    // The line as the window stores it.
    double slope = 0;
    double intercept = 0;

    std::optional<double> slopeStandardError;
    std::optional<double> interceptStandardError;
    std::optional<double> rSquared;
    std::optional<double> residualSd;                // s_y
    std::optional<double> methodSd;                  // s_x0 = s_y / |a|
    std::optional<double> relativeMethodSdPercent;   // V_x0 = 100 s_x0 / mean x
    std::optional<double> decisionLimit;             // x_NG
    std::optional<double> detectionLimit;            // 2 x_NG
    std::optional<double> quantificationLimit;       // x = 3 half-widths at x
    std::optional<MandelTest> mandel;                // n >= 4

    // What the intervals of single readings need.
    double meanX = 0;
    double meanY = 0;
    double sumSquaresX = 0;  // Q_x
    std::optional<double> twoSidedT;  // t(n - 2; 1 - alpha/2), where s_y is defined
};

// The statistics of the line y = slope x + intercept over these points, at
// significance level alpha.
CalibrationStatistics ComputeCalibrationStatistics(const std::vector<CalibrationPoint>& points, double slope,
                                                   double intercept, double alpha = 0.05);

// The concentration of one reading and its two-sided confidence interval at
// level 1 - alpha.
struct ReadingInterval {
    // (reading - blank - intercept) / slope, as the result table computes it;
    // empty when the slope is 0.
    std::optional<double> concentration;
    std::optional<double> halfWidth;
    std::optional<double> low;
    std::optional<double> high;
};

ReadingInterval ConcentrationInterval(const CalibrationStatistics& statistics, double reading, double blank);
