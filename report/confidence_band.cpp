#include "report/confidence_band.h"

#include <boost/math/distributions/students_t.hpp>
#include <cmath>

LineConfidenceBand::LineConfidenceBand(const CalibrationStatistics& statistics)
    : n_(statistics.n), meanX_(statistics.meanX), sumSquaresX_(statistics.sumSquaresX)
{
    if (!statistics.residualSd || n_ < 3 || !(sumSquaresX_ > 0))
        return;
    const boost::math::students_t t(n_ - 2);
    scale_ = boost::math::quantile(t, 1 - statistics.alpha / 2) * *statistics.residualSd;
    defined_ = std::isfinite(scale_);
}

double LineConfidenceBand::HalfWidth(double x) const
{
    const double d = x - meanX_;
    return scale_ * std::sqrt(1.0 / n_ + d * d / sumSquaresX_);
}
