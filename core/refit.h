#pragma once

#include <string_view>

#include "calibration_state.h"
#include "colour.h"
#include "line_outcome.h"

// The number of the stored point with exactly this X and Y (the lowest such
// number); a range-check error when no slot up to 1000 holds it.
int FindClickedPoint(const CalibrationState& s, double x, double y);

// Switches point i out of the fit when it was shown lime or red, back in when
// silver; any other colour leaves its flag.
void ToggleExclusion(CalibrationState& s, int i, Colour shown);

// The fit over the points still in it, with its line clipped into the band of
// the last full fit. The deviation texts and chart points cover all points
// 1..PointCount, silver for those out of the fit; a failure while the texts
// are made leaves no chart points.
LineOutcome RefitLine(CalibrationState& s, std::string_view separator);
