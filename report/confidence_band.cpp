#include "report/confidence_band.h"

#include <cmath>

#include "core/distribution_quantiles.h"

LineConfidenceBand::LineConfidenceBand(const CalibrationStatistics& statistics)
    : n_(statistics.n), meanX_(statistics.meanX), sumSquaresX_(statistics.sumSquaresX)
{
    const std::optional<double> t = StudentQuantile(n_ - 2, 1 - statistics.alpha / 2);
    if (!statistics.residualSd || !t)
        return;
    scale_ = *t * *statistics.residualSd;
    defined_ = std::isfinite(scale_);
}

double LineConfidenceBand::HalfWidth(double x) const
{
    const double d = x - meanX_;
    return scale_ * std::sqrt(1.0 / n_ + d * d / sumSquaresX_);
}
