#include "chart/chart_series.h"

#include <algorithm>

void TChartSeries::Clear()
{
    values_.clear();
    Changed();
}

int TChartSeries::AddXY(double x, double y, const std::string&, Colour colour)
{
    const auto at = std::upper_bound(values_.begin(), values_.end(), x,
                                     [](double vx, const Value& v) { return vx < v.x; });
    const auto index = at - values_.begin();
    values_.insert(at, Value{x, y, colour});
    Changed();
    return static_cast<int>(index);
}

Colour TChartSeries::ValueColor(int index) const
{
    const Colour c = values_.at(static_cast<std::size_t>(index)).colour;
    return c == DefaultSeriesColor ? seriesColour_ : c;
}
