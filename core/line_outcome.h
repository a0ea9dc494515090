#pragma once

#include <string>
#include <vector>

#include "colour.h"
#include "run_error.h"

struct LinePoint {
    double x = 0;
    double y = 0;
};

// A point as the chart shows it after a fit.
struct ChartPoint {
    double x = 0;
    double y = 0;
    Colour colour = clLime;
};

// Where a fit ended: Done when it has a line to show. The full fit stops only
// at a zero denominator; the refit also at too few points or two left on one
// vertical.
enum class LineStop { Done, ZeroDenominator, TooFewPoints, VerticalLine };

// What the full fit and the refit hand the window to show: the line's two
// ends, the deviation texts and chart points up to a failure, then the
// failure, and the equation of a fit that ran to its end.
struct LineOutcome : EffectsThenError {
    LineStop stop = LineStop::Done;
    LinePoint low, high;
    // Per point, in point order.
    std::vector<std::string> deviationTexts;
    std::vector<ChartPoint> points;
    std::string equation;
};
