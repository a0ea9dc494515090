#include "point_moments.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Residuals within a few units in the last place of the largest term.
constexpr Extended kNoiseUnits = 32;

}  // namespace

PointMoments ComputeMoments(const std::vector<CalibrationPoint>& points)
{
    PointMoments m;
    m.n = static_cast<int>(points.size());
    if (m.n == 0)
        return m;
    for (const CalibrationPoint& p : points) {
        m.meanX += p.x;
        m.meanY += p.y;
    }
    m.meanX /= m.n;
    m.meanY /= m.n;
    for (const CalibrationPoint& p : points) {
        const Extended dx = p.x - m.meanX;
        const Extended dy = p.y - m.meanY;
        m.sumSquaresX += dx * dx;
        m.sumSquaresY += dy * dy;
        m.sumProductsXY += dx * dy;
        m.largestAbsY = std::max(m.largestAbsY, std::fabs(static_cast<Extended>(p.y)));
    }
    return m;
}

bool IsRoundingNoise(Extended residualSumSquares, int n, Extended scale)
{
    const Extended noise = kNoiseUnits * DBL_EPSILON * scale;
    return residualSumSquares <= noise * noise * n;
}

int DistinctXCount(const std::vector<CalibrationPoint>& points)
{
    std::vector<double> xs;
    xs.reserve(points.size());
    for (const CalibrationPoint& p : points)
        xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    return static_cast<int>(std::unique(xs.begin(), xs.end()) - xs.begin());
}

