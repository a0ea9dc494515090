#include "linearity_test.h"

#include <algorithm>
#include <cmath>

#include "distribution_quantiles.h"
#include "point_moments.h"

namespace {

constexpr double kMandelLevel = 0.99;

}  // namespace

// With u = x − x̄, the second-order term is fitted as the part q of u² that
// is orthogonal to 1 and u, so the line's coefficients stay as they are and
// the quadratic term lowers the residual sum of squares by (Σyq)² / Σq².
std::optional<MandelTest> MandelLinearityTest(const std::vector<CalibrationPoint>& points)
{
    const int n = static_cast<int>(points.size());
    if (n < 4 || DistinctXCount(points) < 3)
        return std::nullopt;
    const PointMoments m = ComputeMoments(points);

    Extended sumCubesU = 0;
    for (const CalibrationPoint& p : points) {
        const Extended u = p.x - m.meanX;
        sumCubesU += u * u * u;
    }
    const Extended slope = m.sumProductsXY / m.sumSquaresX;
    const Extended meanSquareU = m.sumSquaresX / n;
    const Extended tilt = sumCubesU / m.sumSquaresX;
    const auto quadraticTerm = [&](const CalibrationPoint& p) {
        const Extended u = p.x - m.meanX;
        return u * u - meanSquareU - tilt * u;
    };

    Extended sumSquaresQ = 0, sumProductsYQ = 0;
    for (const CalibrationPoint& p : points) {
        const Extended q = quadraticTerm(p);
        sumSquaresQ += q * q;
        sumProductsYQ += (p.y - m.meanY) * q;
    }
    const Extended curvature = sumProductsYQ / sumSquaresQ;
    Extended quadraticResiduals = 0;
    for (const CalibrationPoint& p : points) {
        const Extended r = (p.y - m.meanY) - slope * (p.x - m.meanX) - curvature * quadraticTerm(p);
        quadraticResiduals += r * r;
    }
    if (IsRoundingNoise(quadraticResiduals, n, m.largestAbsY))
        return std::nullopt;

    const Extended varianceDifference = sumProductsYQ * sumProductsYQ / sumSquaresQ;
    const double value = static_cast<double>(varianceDifference / (quadraticResiduals / (n - 3)));
    const std::optional<double> quantile = FisherQuantile(1, n - 3, kMandelLevel);
    if (!quantile || !std::isfinite(value))
        return std::nullopt;
    return MandelTest{value, *quantile, value <= *quantile};
}
