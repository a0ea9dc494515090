#pragma once

#include <cmath>
#include <optional>
#include <vector>

#include "arithmetic.h"
#include "calibration_statistics.h"

// Means and centred sums of squares of a set of points, in extended
// precision, computed about the means (two passes) so that points far from
// the origin keep their digits.
struct PointMoments {
    int n = 0;
    Extended meanX = 0;
    Extended meanY = 0;
    Extended sumSquaresX = 0;  // Σ(x − x̄)²
    Extended sumSquaresY = 0;  // Σ(y − ȳ)²
    Extended sumProductsXY = 0;  // Σ(x − x̄)(y − ȳ)
    Extended largestAbsY = 0;
};

PointMoments ComputeMoments(const std::vector<CalibrationPoint>& points);

// Whether a residual sum of squares over n points is no more than rounding
// to doubles leaves behind when the terms that make up each fitted value are
// at most `scale` in size: a line or curve through every point.
bool IsRoundingNoise(Extended residualSumSquares, int n, Extended scale);

// The number of distinct x values among the points.
int DistinctXCount(const std::vector<CalibrationPoint>& points);

// An extended figure stored as a double; empty when it is not finite.
inline std::optional<double> DefinedFigure(Extended value)
{
    const double stored = static_cast<double>(value);
    if (!std::isfinite(stored))
        return std::nullopt;
    return stored;
}
