#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "calibration_state.h"
#include "line_outcome.h"

enum class PointCoordinate { X, Y };

// The text of a point grid row's X ("%:") or Y ("Замер:"), rows from 1.
using PointCellText = std::function<std::string(int row, PointCoordinate coordinate)>;

// Takes the points of grid rows 1..n whose X and Y texts are both non-empty
// into slots 1..m of the state, in row order, and returns m. A text that is
// no number ends it with the conversion error; the points before it stay
// stored.
int ReadPointGrid(CalibrationState& s, int n, const PointCellText& cell, std::string_view separator);

// Sets every point 1..PointCount into the fit.
void MarkAllInFit(CalibrationState& s);

// The two inputs the fit answers with a message and a made-up point.
enum class DegenerateInput { None, VerticalLine, SinglePoint };

DegenerateInput FindDegenerateInput(const CalibrationState& s);
// The message, the completed point count and the row of the made-up point.
const char* DegenerateMessage(DegenerateInput input);
int CompletedPointCount(DegenerateInput input);
// The text of both coordinates of the made-up point, 10.01, written with the
// user's decimal separator so that the completed fit can read it back.
std::string MadeUpPointText(std::string_view separator);

// What a fit makes besides the line and the stored deviations: the
// deviation texts and chart points with the equation, or the equation alone.
enum class FitShows { PointsAndEquation, EquationOnly };

// The least-squares fit of points 1..PointCount of the state; it stops at a
// zero denominator, with nothing to show.
LineOutcome FitLine(CalibrationState& s, std::string_view separator, FitShows shows = FitShows::PointsAndEquation);

// "Уравнение прямой:", LF, CR, "Y=a*X+b" with both numbers in general format.
std::string EquationText(double a, double b, std::string_view separator);

// The deviation of point i from the current line, in the fixed format of the
// deviation column.
std::string DeviationText(const CalibrationState& s, int i, std::string_view separator);
