#pragma once

// How a series is drawn, as far as scaling and press resolution need it.
struct SeriesStyle {
    // A marker at every value, filling the square of the two half-sizes
    // around the value's position.
    bool markers = false;
    int markerHalfWidth = 0;
    int markerHalfHeight = 0;
    // Straight segments joining the values in their stored order.
    bool connected = false;
};

// The calibration points: circles of half-size 5.
inline constexpr SeriesStyle PointSeriesStyle{true, 5, 5, false};
// The fitted line: segments, no markers.
inline constexpr SeriesStyle LineSeriesStyle{false, 0, 0, true};
// The two end marks of the last full fit's line: dots of half-size 1.
inline constexpr SeriesStyle EndMarkSeriesStyle{true, 1, 1, false};
