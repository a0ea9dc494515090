#pragma once

#include <QLocale>
#include <QString>
#include <vector>

#include "chart/axis_scale.h"

// An axis label in the form "#,##0.###": thousands grouped, at most three
// decimals, no trailing zeros, with the separators of `locale`.
QString FormatAxisLabel(long double value, const QLocale& locale);

// The step between labelled values. `labelSize` is the larger size (width
// along a bottom axis, height along a left one) of the labels of the range's
// two ends, `spacingPercent` the free space wanted between labels in per cent
// of that size. The step starts at 1 (at 10^-12 for a range below 1) and runs
// through 1, 2, 5, 10, 20, 50 ... until no more labels are needed than fit.
long double LabelStep(long double range, int labelSize, int axisLength, int spacingPercent);

// The labelled values: the multiples of `step` within the axis range, in
// ascending order; the minimum alone for an empty range.
std::vector<long double> LabelValues(const AxisScale& scale, long double step);
