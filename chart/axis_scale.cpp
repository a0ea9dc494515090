#include "chart/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace {

int RoundToPixel(long double offset)
{
    constexpr long double limit = 1e6L;
    return static_cast<int>(std::lround(std::clamp(offset, -limit, limit)));
}

}  // namespace

int AxisScale::Pixel(double value) const
{
    const long double offset =
        maximum == minimum ? length / 2.0L : (value - minimum) * length / (maximum - minimum);
    const int pixels = RoundToPixel(offset);
    return upward ? start - pixels : start + pixels;
}

int MarkerMargin(const std::vector<SeriesStyle>& styles, bool vertical)
{
    int margin = 0;
    for (const SeriesStyle& s : styles)
        if (s.markers)
            margin = std::max(margin, (vertical ? s.markerHalfHeight : s.markerHalfWidth) + 1);
    return margin;
}

AxisScale FitAxis(std::optional<ValueSpan> span, int start, int length, int margin, bool upward)
{
    AxisScale scale;
    scale.start = start;
    scale.length = std::max(length, 0);
    scale.upward = upward;
    if (!span)
        return scale;
    scale.minimum = span->minimum;
    scale.maximum = span->maximum;
    const int inner = scale.length - 2 * margin;
    if (scale.maximum > scale.minimum && inner > 0) {
        const long double perPixel = (scale.maximum - scale.minimum) / inner;
        scale.minimum -= margin * perPixel;
        scale.maximum += margin * perPixel;
    }
    return scale;
}
