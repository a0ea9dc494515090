#pragma once

#include <optional>
#include <vector>

#include "calibration_statistics.h"

// The second-order calibration function y = a + b·x + c·x² of ISO 8466-2,
// fitted by least squares, for points that Mandel's test finds not to lie on
// a straight line. A figure that is not defined for the points at hand is
// empty, never NaN.
struct QuadraticCalibration {
    int n = 0;
    double alpha = 0.05;
    double a = 0;
    double b = 0;
    double c = 0;
    std::optional<double> aStandardError;
    std::optional<double> bStandardError;
    std::optional<double> cStandardError;
    std::optional<double> residualSd;               // s_y, N − 3 degrees of freedom
    std::optional<double> sensitivity;              // E = b + 2c·x̄
    std::optional<double> methodSd;                 // s_x0 = s_y / E
    std::optional<double> relativeMethodSdPercent;  // V_x0 = 100 s_x0 / x̄
    std::optional<double> twoSidedT;                // t(N − 3; 1 − α/2)
    // The working range: the smallest and the largest x of the points.
    double lowX = 0;
    double highX = 0;

    // The fit about the mean x, u = x − x̄, where it is evaluated:
    // y = meanY + slopeU·u + curvature·(u² − Σu²/N).
    double meanX = 0;
    double meanY = 0;
    double slopeU = 0;
    double curvature = 0;
    double sumSquaresU = 0;  // Q_xx
    // The inverse of the normal matrix of (u, u² − Σu²/N), for the spread of
    // a fitted value.
    double inverseUU = 0;
    double inverseUW = 0;
    double inverseWW = 0;

    // The fitted reading at x.
    double Value(double x) const;
};

// Empty for fewer than three distinct x values or non-finite input.
std::optional<QuadraticCalibration> FitQuadraticCalibration(const std::vector<CalibrationPoint>& points,
                                                            double alpha = 0.05);

// The concentration of one reading on the curve and its two-sided confidence
// interval at level 1 − α, for a single reading (N̂ = 1).
struct QuadraticReading {
    enum class Root {
        InRange,      // the root on the branch of the working range lies in it
        NoRealRoot,   // the curve never reaches the reading
        OutOfRange,   // the curve reaches it outside the working range only
    };
    Root root = Root::NoRealRoot;
    std::optional<double> concentration;
    std::optional<double> halfWidth;
    std::optional<double> low;
    std::optional<double> high;
};

QuadraticReading QuadraticConcentration(const QuadraticCalibration& curve, double reading, double blank);
