#pragma once

#include <QPoint>
#include <optional>
#include <vector>

#include "chart/series_style.h"

// A series as a press sees it: how it is drawn and the pixel positions of its
// values in index order.
struct PressTarget {
    SeriesStyle style;
    std::vector<QPoint> positions;
};

struct PressHit {
    int series = 0;  // index into the targets
    int index = 0;   // value index within that series
};

// Whether `press` lies on the segment from `a` to `b`: within about a pixel of
// the line through them and between the two ends in both coordinates.
bool OnSegment(QPoint a, QPoint b, QPoint press);

// The value hit by a press. The series are tried from the last to the first,
// the values of each in index order; a value is hit when the press lies within
// its marker square, exactly on its position, or (for a connected series) on
// the segment that ends at the next value. The first hit wins.
std::optional<PressHit> ResolvePress(const std::vector<PressTarget>& targets, QPoint press);
