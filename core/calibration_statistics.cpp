#include "calibration_statistics.h"

#include <algorithm>
#include <cmath>

#include "arithmetic.h"
#include "distribution_quantiles.h"
#include "linearity_test.h"
#include "point_moments.h"

namespace {

// The quantification limit is the concentration whose reading's interval
// half-width is a third of it.
constexpr Extended kQuantificationFactor = 3;
constexpr Extended kRelativeTolerance = 1e-9L;
constexpr int kIterationLimit = 100000;

bool AllFinite(const std::vector<CalibrationPoint>& points, double slope, double intercept)
{
    return std::isfinite(slope) && std::isfinite(intercept) &&
           std::all_of(points.begin(), points.end(),
                       [](const CalibrationPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// sqrt(1 + 1/n + (y − ȳ)² / (a² Q_x)): how much wider than s_x0 the spread of
// a concentration read from the single net reading y is.
Extended SingleReadingFactor(const CalibrationStatistics& s, Extended netReading)
{
    const Extended a = s.slope;
    const Extended distance = netReading - s.meanY;
    return std::sqrt(1 + 1.0L / s.n + distance * distance / (a * a * s.sumSquaresX));
}

// Fixed-point iteration of x = k · t · s_x0 · factor(a·x + b). The step
// shrinks distances by at most k·t·s_x0 / sqrt(Q_x); from 1 on there may be
// no such x, and there is none the iteration could find.
std::optional<double> QuantificationLimit(const CalibrationStatistics& s, Extended methodSd, Extended t)
{
    const Extended scale = kQuantificationFactor * t * methodSd;
    if (scale / std::sqrt(static_cast<Extended>(s.sumSquaresX)) >= 1)
        return std::nullopt;
    const auto halfWidths = [&](Extended x) {
        return scale * SingleReadingFactor(s, static_cast<Extended>(s.slope) * x + s.intercept);
    };
    Extended x = 0;
    for (int i = 0; i < kIterationLimit; ++i) {
        const Extended next = halfWidths(x);
        if (std::fabs(next - x) <= kRelativeTolerance * std::fabs(next))
            return DefinedFigure(next);
        x = next;
    }
    return std::nullopt;
}

// Student's t of the line's n − 2 degrees of freedom: one-sided at 1 − α,
// two-sided at 1 − α/2. Empty unless 0 < α < 1.
std::optional<double> LineT(int n, double alpha, bool twoSided)
{
    if (!(alpha > 0 && alpha < 1))
        return std::nullopt;
    return StudentQuantile(n - 2, twoSided ? 1 - alpha / 2 : 1 - alpha);
}

}  // namespace

std::vector<CalibrationPoint> PointsInFit(const CalibrationState& s)
{
    std::vector<CalibrationPoint> points;
    PointsInFit(s, points);
    return points;
}

void PointsInFit(const CalibrationState& s, std::vector<CalibrationPoint>& points)
{
    points.clear();
    const int last = std::min<int>(s.PointCount, PointArray<double>::Size);
    points.reserve(static_cast<std::size_t>(std::max(last, 0)));
    for (int i = 1; i <= last; ++i)
        if (s.PointExcluded[i] != 'y')
            points.push_back({s.PercentValues[i], s.MeasuredValues[i]});
}

CalibrationStatistics ComputeCalibrationStatistics(const std::vector<CalibrationPoint>& points, double slope,
                                                   double intercept, double alpha)
{
    CalibrationStatistics st;
    st.n = static_cast<int>(points.size());
    st.alpha = alpha;
    st.slope = slope;
    st.intercept = intercept;
    if (!AllFinite(points, slope, intercept))
        return st;

    const PointMoments m = ComputeMoments(points);
    st.meanX = static_cast<double>(m.meanX);
    st.meanY = static_cast<double>(m.meanY);
    st.sumSquaresX = static_cast<double>(m.sumSquaresX);
    if (st.n < 3 || !(st.sumSquaresX > 0) || !std::isfinite(st.sumSquaresX))
        return st;

    const Extended a = slope;
    const Extended b = intercept;
    Extended residualSquares = 0;
    // The stored line's a and b carry the rounding of doubles; its value at
    // a point is no closer than that to the reading.
    Extended largestTerm = std::max(m.largestAbsY, std::fabs(b));
    for (const CalibrationPoint& p : points) {
        const Extended r = p.y - (a * p.x + b);
        residualSquares += r * r;
        largestTerm = std::max(largestTerm, std::fabs(a * p.x));
    }
    const bool throughEveryPoint = IsRoundingNoise(residualSquares, st.n, largestTerm);
    if (throughEveryPoint)
        residualSquares = 0;

    const Extended residualSd = std::sqrt(residualSquares / (st.n - 2));
    st.residualSd = DefinedFigure(residualSd);
    if (st.residualSd)
        st.twoSidedT = LineT(st.n, alpha, true);
    st.slopeStandardError = DefinedFigure(residualSd / std::sqrt(m.sumSquaresX));
    st.interceptStandardError = DefinedFigure(residualSd * std::sqrt(1.0L / st.n + m.meanX * m.meanX / m.sumSquaresX));
    if (m.sumSquaresY > 0)
        st.rSquared = DefinedFigure(1 - residualSquares / m.sumSquaresY);
    if (!throughEveryPoint)
        st.mandel = MandelLinearityTest(points);

    if (slope == 0)
        return st;
    const Extended methodSd = residualSd / std::fabs(a);
    st.methodSd = DefinedFigure(methodSd);
    if (m.meanX != 0)
        st.relativeMethodSdPercent = DefinedFigure(100 * methodSd / std::fabs(m.meanX));

    // Limits need a scatter about the line; a line through every point would
    // claim a limit of 0.
    if (throughEveryPoint)
        return st;
    if (const auto t = LineT(st.n, alpha, false)) {
        const Extended decision =
            methodSd * *t * std::sqrt(1 + 1.0L / st.n + m.meanX * m.meanX / m.sumSquaresX);
        st.decisionLimit = DefinedFigure(decision);
        st.detectionLimit = DefinedFigure(2 * decision);
    }
    if (st.twoSidedT)
        st.quantificationLimit = QuantificationLimit(st, methodSd, *st.twoSidedT);
    return st;
}

ReadingInterval ConcentrationInterval(const CalibrationStatistics& statistics, double reading, double blank)
{
    ReadingInterval r;
    const CalibrationStatistics& s = statistics;
    if (s.slope == 0)
        return r;
    const Extended netReading = static_cast<Extended>(reading) - blank;
    const Extended concentration = (netReading - s.intercept) / s.slope;
    r.concentration = DefinedFigure(concentration);
    if (!r.concentration || !s.residualSd || !(*s.residualSd > 0) || !s.twoSidedT)
        return r;
    const Extended halfWidth = *s.twoSidedT * (*s.residualSd / std::fabs(static_cast<Extended>(s.slope))) *
                               SingleReadingFactor(s, netReading);
    r.halfWidth = DefinedFigure(halfWidth);
    if (r.halfWidth) {
        r.low = DefinedFigure(concentration - halfWidth);
        r.high = DefinedFigure(concentration + halfWidth);
    }
    return r;
}
