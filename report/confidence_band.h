#pragma once

#include <optional>

#include "core/calibration_statistics.h"

// The half-width of the two-sided confidence band of the fitted line at x, at
// level 1 - alpha: t(n - 2; 1 - alpha/2) s_y sqrt(1/n + (x - mean x)^2 / Q_x).
// Empty when s_y is not defined.
class LineConfidenceBand {
public:
    explicit LineConfidenceBand(const CalibrationStatistics& statistics);

    bool Defined() const { return defined_; }
    double HalfWidth(double x) const;

private:
    bool defined_ = false;
    double scale_ = 0;  // t s_y
    int n_ = 0;
    double meanX_ = 0;
    double sumSquaresX_ = 0;
};
