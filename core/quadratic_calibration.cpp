#include "quadratic_calibration.h"

#include <algorithm>
#include <cmath>

#include "arithmetic.h"
#include "distribution_quantiles.h"
#include "point_moments.h"

namespace {

// A reading whose root lies this share of the working range beyond an end
// still lies in it: the curve's own rounding.
constexpr Extended kRangeSlack = 1e-9L;

bool AllFinite(const std::vector<CalibrationPoint>& points)
{
    return std::all_of(points.begin(), points.end(),
                       [](const CalibrationPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// The sums about the mean x that the fit and its spread are made of.
struct CentredSums {
    Extended uu = 0, uuu = 0, uuuu = 0, yu = 0, yuu = 0;
};

CentredSums Sums(const std::vector<CalibrationPoint>& points, const PointMoments& m)
{
    CentredSums s;
    for (const CalibrationPoint& p : points) {
        const Extended u = p.x - m.meanX;
        const Extended dy = p.y - m.meanY;
        s.uu += u * u;
        s.uuu += u * u * u;
        s.uuuu += u * u * u * u;
        s.yu += dy * u;
        s.yuu += dy * u * u;
    }
    return s;
}

}  // namespace

double QuadraticCalibration::Value(double x) const
{
    const Extended u = static_cast<Extended>(x) - meanX;
    return static_cast<double>(meanY + slopeU * u + curvature * (u * u - static_cast<Extended>(sumSquaresU) / n));
}

// With u = x − x̄ and w = u² − Σu²/N, both of mean 0, the fit is
// y = ȳ + β·u + γ·w, whose normal equations hold only Σu², Σuw = Σu³ and
// Σw² = Σu⁴ − (Σu²)²/N. These are ISO 8466-2's Q_xx, Q_x3 and Q_x4 taken
// about the mean x, where they keep their digits.
std::optional<QuadraticCalibration> FitQuadraticCalibration(const std::vector<CalibrationPoint>& points,
                                                            double alpha)
{
    const int n = static_cast<int>(points.size());
    if (n < 3 || !AllFinite(points) || DistinctXCount(points) < 3)
        return std::nullopt;
    const PointMoments m = ComputeMoments(points);
    const CentredSums s = Sums(points, m);
    const Extended uw = s.uuu;
    const Extended ww = s.uuuu - s.uu * s.uu / n;
    const Extended determinant = s.uu * ww - uw * uw;
    if (!(determinant > 0) || !std::isfinite(static_cast<double>(determinant)))
        return std::nullopt;
    const Extended beta = (s.yu * ww - s.yuu * uw) / determinant;
    const Extended gamma = (s.yuu * s.uu - s.yu * uw) / determinant;
    const Extended meanW = s.uu / n;

    QuadraticCalibration q;
    q.n = n;
    q.alpha = alpha;
    q.meanX = static_cast<double>(m.meanX);
    q.meanY = static_cast<double>(m.meanY);
    q.slopeU = static_cast<double>(beta);
    q.curvature = static_cast<double>(gamma);
    q.sumSquaresU = static_cast<double>(s.uu);
    q.inverseUU = static_cast<double>(ww / determinant);
    q.inverseUW = static_cast<double>(-uw / determinant);
    q.inverseWW = static_cast<double>(s.uu / determinant);
    const Extended x0 = m.meanX;
    q.c = static_cast<double>(gamma);
    q.b = static_cast<double>(beta - 2 * gamma * x0);
    q.a = static_cast<double>(m.meanY - beta * x0 + gamma * (x0 * x0 - meanW));
    const auto [low, high] = std::minmax_element(points.begin(), points.end(), [](const CalibrationPoint& l,
                                                                                   const CalibrationPoint& r) {
        return l.x < r.x;
    });
    q.lowX = low->x;
    q.highX = high->x;
    q.sensitivity = DefinedFigure(beta);

    Extended residualSquares = 0;
    Extended largestTerm = m.largestAbsY;
    for (const CalibrationPoint& p : points) {
        const Extended u = p.x - m.meanX;
        const Extended r = (p.y - m.meanY) - beta * u - gamma * (u * u - meanW);
        residualSquares += r * r;
        largestTerm = std::max({largestTerm, std::fabs(beta * u), std::fabs(gamma * u * u)});
    }
    if (IsRoundingNoise(residualSquares, n, largestTerm))
        residualSquares = 0;
    if (n < 4)
        return q;

    const Extended sy = std::sqrt(residualSquares / (n - 3));
    q.residualSd = DefinedFigure(sy);
    if (alpha > 0 && alpha < 1)
        q.twoSidedT = StudentQuantile(n - 3, 1 - alpha / 2);
    const Extended varBeta = sy * sy * q.inverseUU;
    const Extended varGamma = sy * sy * q.inverseWW;
    const Extended covariance = sy * sy * q.inverseUW;
    const Extended k = x0 * x0 - meanW;
    q.cStandardError = DefinedFigure(std::sqrt(varGamma));
    q.bStandardError = DefinedFigure(std::sqrt(varBeta + 4 * x0 * x0 * varGamma - 4 * x0 * covariance));
    q.aStandardError =
        DefinedFigure(std::sqrt(sy * sy / n + x0 * x0 * varBeta + k * k * varGamma - 2 * x0 * k * covariance));
    if (beta != 0) {
        const Extended methodSd = sy / std::fabs(beta);
        q.methodSd = DefinedFigure(methodSd);
        if (m.meanX != 0)
            q.relativeMethodSdPercent = DefinedFigure(100 * methodSd / std::fabs(m.meanX));
    }
    return q;
}

// The root of a + b·x + c·x² = reading that lies in the working range, the
// one on the branch of the curve that rises or falls as it does at the mean
// x first: with the sensitivity's sign s, u = −2C / (β + s·√D), a form
// without cancellation that also holds for c = 0; the other is
// −(β + s·√D) / 2γ.
// The interval is ISO 8466-2's for one reading:
// t·s_y / |b + 2c·x̂| · √(1/N + 1 + [(x̂ − x̄)²·Q_x4 − 2(x̂ − x̄)(x̂² − Σx²/N)·Q_x3
// + (x̂² − Σx²/N)²·Q_xx] / (Q_xx·Q_x4 − Q_x3²)), here with the inverse of the
// centred normal matrix, which is the same quadratic form.
QuadraticReading QuadraticConcentration(const QuadraticCalibration& q, double reading, double blank)
{
    QuadraticReading r;
    const Extended beta = q.slopeU;
    const Extended gamma = q.curvature;
    const Extended meanW = static_cast<Extended>(q.sumSquaresU) / q.n;
    const Extended constant = q.meanY - gamma * meanW - (static_cast<Extended>(reading) - blank);
    const Extended discriminant = beta * beta - 4 * gamma * constant;
    if (!(discriminant >= 0))
        return r;
    const Extended denominator = beta + std::copysign(std::sqrt(discriminant), beta);
    if (denominator == 0)
        return r;
    const Extended slack = kRangeSlack * (static_cast<Extended>(q.highX) - q.lowX);
    const auto inRange = [&](Extended u) {
        const Extended x = q.meanX + u;
        return std::isfinite(static_cast<double>(x)) && x >= q.lowX - slack && x <= q.highX + slack;
    };
    Extended u = -2 * constant / denominator;
    if (!inRange(u)) {
        const Extended other = gamma != 0 ? -denominator / (2 * gamma) : u;
        if (!inRange(other)) {
            r.root = QuadraticReading::Root::OutOfRange;
            return r;
        }
        u = other;
    }
    const Extended x = q.meanX + u;
    r.root = QuadraticReading::Root::InRange;
    r.concentration = DefinedFigure(x);
    const Extended localSlope = beta + 2 * gamma * u;
    if (!q.residualSd || !(*q.residualSd > 0) || !q.twoSidedT || localSlope == 0)
        return r;
    const Extended w = u * u - meanW;
    const Extended spread = u * u * q.inverseUU + 2 * u * w * q.inverseUW + w * w * q.inverseWW;
    const Extended halfWidth =
        *q.twoSidedT * *q.residualSd / std::fabs(localSlope) * std::sqrt(1.0L / q.n + 1 + spread);
    r.halfWidth = DefinedFigure(halfWidth);
    if (r.halfWidth) {
        r.low = DefinedFigure(x - halfWidth);
        r.high = DefinedFigure(x + halfWidth);
    }
    return r;
}
