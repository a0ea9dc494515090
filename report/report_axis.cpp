#include "report/report_axis.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMantissas[] = {1, 2, 5};
// Labels beyond these powers of ten are written with an exponent.
constexpr int kFixedExponentLimit = 9;
// A range end this share of a step from a label is on it: the rounding of
// the quotient.
constexpr long double kOnALabel = 1e-9L;

// The step m·10^e, e and m for a step index k = 3e + position of m.
long double Step(int index, int& exponent)
{
    exponent = static_cast<int>(std::floor(index / 3.0));
    const int mantissa = kMantissas[index - 3 * exponent];
    return mantissa * std::pow(10.0L, exponent);
}

}  // namespace

std::vector<long double> ReportAxis::Labels() const
{
    std::vector<long double> values;
    const long double first = std::round(minimum / step);
    const long double last = std::round(maximum / step);
    for (long double k = first; k <= last && values.size() <= kMostAxisLabels; ++k)
        values.push_back(k * step);
    return values;
}

QString ReportAxis::Label(long double value) const
{
    if (std::fabs(value) < step / 2)
        value = 0;
    const bool fixed = std::fabs(std::log10(step)) <= kFixedExponentLimit &&
                       std::fabs(value) < std::pow(10.0L, kFixedExponentLimit + 1);
    if (!fixed)
        return QString::number(static_cast<double>(value), 'g', 6);
    return QString::number(static_cast<double>(value), 'f', decimals);
}

// With ticks at the multiples of the step that enclose the range, the label
// count is ceil(high/s) − floor(low/s) + 1. At the smallest step with at most
// eight labels the step before it needed nine or more, so the range spans
// more than 6 of those steps and more than 2.4 of this one: four labels or
// more.
ReportAxis ChooseReportAxis(double low, double high)
{
    long double lo = low;
    long double hi = high;
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0;
        hi = 1;
    }
    if (hi < lo)
        std::swap(lo, hi);
    if (hi - lo <= std::max(std::fabs(lo), std::fabs(hi)) * 1e-12L) {
        const long double half = lo != 0 ? std::fabs(lo) / 10 : 1;
        lo -= half;
        hi += half;
    }
    int exponent = 0;
    int index = 3 * static_cast<int>(std::floor(std::log10((hi - lo) / kMostAxisLabels))) - 3;
    ReportAxis axis;
    for (;; ++index) {
        const long double step = Step(index, exponent);
        const long double first = std::floor(lo / step + kOnALabel);
        const long double last = std::ceil(hi / step - kOnALabel);
        if (last - first + 1 <= kMostAxisLabels) {
            axis.minimum = first * step;
            axis.maximum = last * step;
            axis.step = step;
            axis.decimals = std::max(0, -exponent);
            return axis;
        }
    }
}
