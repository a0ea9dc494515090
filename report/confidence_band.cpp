#include "report/confidence_band.h"

#include <cmath>

LineConfidenceBand::LineConfidenceBand(const CalibrationStatistics& statistics)
    : n_(statistics.n), meanX_(statistics.meanX), sumSquaresX_(statistics.sumSquaresX)
{
    if (!statistics.residualSd || !statistics.twoSidedT)
        return;
    scale_ = *statistics.twoSidedT * *statistics.residualSd;
    defined_ = std::isfinite(scale_);
}

double LineConfidenceBand::HalfWidth(double x) const
{
    const double d = x - meanX_;
    return scale_ * std::sqrt(1.0 / n_ + d * d / sumSquaresX_);
}
