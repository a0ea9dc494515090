#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calibration_state.h"
#include "colour.h"

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

// Text of a point grid cell: (row, column), rows from 1.
using GridCellText = std::function<std::string(int row, int column)>;

// Takes the points of grid rows 1..n whose "%:" and "Замер:" texts are both
// non-empty into slots 1..m of the state, in row order, and returns m.
// A text that is no number ends it with the conversion error; the points
// before it stay stored.
int ReadPointGrid(CalibrationState& s, int n, const GridCellText& cell, std::string_view separator);

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

// The deviation texts and points of the points before a failure, then the
// failure.
struct FitOutcome : EffectsThenError {
    // False when the denominator was 0: nothing shown changes.
    bool fitted = false;
    LinePoint low, high;
    // Per point, in point order, up to `failure`.
    std::vector<std::string> deviationTexts;
    std::vector<ChartPoint> points;
    std::string equation;
};

// What a fit makes besides the line and the stored deviations: the
// deviation texts and chart points with the equation, or the equation alone.
enum class FitShows { PointsAndEquation, EquationOnly };

// The least-squares fit of points 1..PointCount of the state.
FitOutcome FitLine(CalibrationState& s, std::string_view separator,
                   FitShows shows = FitShows::PointsAndEquation);

// "Уравнение прямой:", LF, CR, "Y=a*X+b" with both numbers in general format.
std::string EquationText(double a, double b, std::string_view separator);

// The deviation of point i from the current line, in the fixed format of the
// deviation column.
std::string DeviationText(const CalibrationState& s, int i, std::string_view separator);
