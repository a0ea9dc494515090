#pragma once

#include <optional>
#include <vector>

#include "chart/series_style.h"

// The smallest and the largest value shown along one axis.
struct ValueSpan {
    double minimum = 0;
    double maximum = 0;
};

// One axis: the range of values it covers and the pixels it spans. The range
// is held in extended precision so that widening a span near the limits of a
// double cannot overflow.
struct AxisScale {
    long double minimum = 0;
    long double maximum = 0;
    // Pixel of the minimum: the left end of a bottom axis, the lower end of a
    // left axis.
    int start = 0;
    // Pixels from the minimum's end to the maximum's end.
    int length = 0;
    // Pixels counted upwards (towards smaller screen coordinates).
    bool upward = false;

    // The pixel of a value, to the nearest whole pixel; the middle of the axis
    // when the range is empty.
    int Pixel(double value) const;
};

// The largest (marker half-size + 1) among the styles that draw markers, along
// the horizontal or the vertical direction; 0 when none does.
int MarkerMargin(const std::vector<SeriesStyle>& styles, bool vertical);

// The automatic range: the span of the values (0 to 0 without values),
// widened so that the span's ends fall `margin` pixels inside the axis ends.
AxisScale FitAxis(std::optional<ValueSpan> span, int start, int length, int margin, bool upward);
