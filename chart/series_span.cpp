#include "chart/series_span.h"

#include <algorithm>

std::optional<ValueSpan> SeriesSpan(const std::vector<const TChartSeries*>& series, bool yValues)
{
    std::optional<ValueSpan> span;
    for (const TChartSeries* s : series)
        for (int i = 0; i < s->Count(); ++i) {
            const double v = yValues ? s->YValue(i) : s->XValue(i);
            if (!span)
                span = ValueSpan{v, v};
            span->minimum = std::min(span->minimum, v);
            span->maximum = std::max(span->maximum, v);
        }
    return span;
}
