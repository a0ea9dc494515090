#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calibration_state.h"
#include "colour.h"
#include "fit.h"

// The number of the stored point with exactly this X and Y (the lowest such
// number); a range-check error when no slot up to 1000 holds it.
int FindClickedPoint(const CalibrationState& s, double x, double y);

// Switches point i out of the fit when it was shown lime or red, back in when
// silver; any other colour leaves its flag.
void ToggleExclusion(CalibrationState& s, int i, Colour shown);

enum class RefitStop { Done, TooFewPoints, VerticalLine, ZeroDenominator };

// A failure while the deviation texts are written leaves no chart points.
struct RefitOutcome : EffectsThenError {
    RefitStop stop = RefitStop::Done;
    LinePoint low, high;
    // Deviation texts of all points 1..PointCount, up to a failure.
    std::vector<std::string> deviationTexts;
    // Chart points of all points, silver for those out of the fit, up to a
    // failure.
    std::vector<ChartPoint> points;
    std::string equation;
};

// The fit over the points still in it, with its line clipped into the band of
// the last full fit.
RefitOutcome RefitLine(CalibrationState& s, std::string_view separator);
