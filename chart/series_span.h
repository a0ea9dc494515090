#pragma once

#include <optional>
#include <vector>

#include "chart/axis_scale.h"
#include "chart/chart_series.h"

// The smallest and the largest X (or, with `yValues`, Y) over every value of
// the series; none when no series holds a value.
std::optional<ValueSpan> SeriesSpan(const std::vector<const TChartSeries*>& series, bool yValues);
