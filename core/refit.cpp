#include "refit.h"

#include "arithmetic.h"
#include "fit.h"
#include "least_squares.h"
#include "number_text.h"

int FindClickedPoint(const CalibrationState& s, double x, double y)
{
    for (int i = 1;; ++i)
        if (s.PercentValues[i] == x && s.MeasuredValues[i] == y)
            return i;
}

void ToggleExclusion(CalibrationState& s, int i, Colour shown)
{
    if (shown == clLime || shown == clRed)
        s.PointExcluded[i] = 'y';
    else if (shown == clSilver)
        s.PointExcluded[i] = 'n';
}

namespace {

bool InFit(const CalibrationState& s, int i) { return s.PointExcluded[i] != 'y'; }

// The X values of the two points left in the fit are equal.
bool TwoLeftOnOneVertical(const CalibrationState& s)
{
    double first = 0;
    bool seen = false;
    for (int i = 1; i <= s.PointCount; ++i) {
        if (!InFit(s, i))
            continue;
        if (seen)
            return s.PercentValues[i] == first;
        first = s.PercentValues[i];
        seen = true;
    }
    return false;
}

void FindExtremesInFit(CalibrationState& s)
{
    int k = 1;
    while (!InFit(s, k))
        ++k;
    s.MaxX = s.MinX = s.PercentValues[k];
    s.MaxY = s.MinY = s.MeasuredValues[k];
    for (int i = 1; i <= s.PointCount; ++i) {
        if (!InFit(s, i))
            continue;
        const double x = s.PercentValues[i];
        const double y = s.MeasuredValues[i];
        if (s.MaxX < x)
            s.MaxX = x;
        if (s.MaxY < y)
            s.MaxY = y;
        if (s.MinX > x)
            s.MinX = x;
        if (s.MinY > y)
            s.MinY = y;
    }
}

// The line from MinX to MaxX, its right end held to at most LineClipTop and
// its left end to at least LineClipBottom.
void PlaceClippedLine(CalibrationState& s)
{
    const Extended a = s.SlopeA;
    const Extended b = s.InterceptB;
    s.LineHighX = s.MaxX;
    s.LineHighY = StoreReal(a * s.MaxX + b);
    s.LineLowX = s.MinX;
    s.LineLowY = StoreReal(a * s.MinX + b);
    if (s.LineHighY > s.LineClipTop) {
        s.LineHighX = StoreReal(Divide(s.LineClipTop - b, a));
        s.LineHighY = s.LineClipTop;
    }
    if (s.LineLowY < s.LineClipBottom) {
        s.LineLowX = StoreReal(Divide(s.LineClipBottom - b, a));
        s.LineLowY = s.LineClipBottom;
    }
}

}  // namespace

LineOutcome RefitLine(CalibrationState& s, std::string_view separator)
{
    LineOutcome out;
    ClearSums(s);
    s.ActiveCount = 0;
    for (int i = 1; i <= s.PointCount; ++i) {
        if (!InFit(s, i))
            continue;
        s.ActiveCount = s.ActiveCount + 1;
        AddToSums(s, s.PercentValues[i], s.MeasuredValues[i]);
    }
    if (s.ActiveCount < 2) {
        out.stop = LineStop::TooFewPoints;
        return out;
    }
    if (s.ActiveCount == 2 && TwoLeftOnOneVertical(s)) {
        out.stop = LineStop::VerticalLine;
        return out;
    }
    if (!SolveLine(s, s.ActiveCount)) {
        out.stop = LineStop::ZeroDenominator;
        return out;
    }
    FindExtremesInFit(s);
    PlaceClippedLine(s);
    out.low = {s.LineLowX, s.LineLowY};
    out.high = {s.LineHighX, s.LineHighY};

    const int n = s.PointCount;
    out.deviationTexts.reserve(static_cast<std::size_t>(n));
    try {
        for (int i = 1; i <= n; ++i)
            out.deviationTexts.push_back(
                FormatFixed(PointDeviation(s, i), s.ResultPrecision, s.ResultDecimals, separator));
    } catch (const RunError& e) {
        out.failure = e;
        return out;
    }
    out.points.reserve(static_cast<std::size_t>(n));
    try {
        for (int i = 1; i <= n; ++i) {
            Colour colour = clSilver;
            if (InFit(s, i)) {
                s.Deviations[i] = StoreReal(PointDeviation(s, i));
                colour = ToleranceColour(s.Deviations[i], s.Tolerance);
            }
            out.points.push_back({s.PercentValues[i], s.MeasuredValues[i], colour});
        }
    } catch (const RunError& e) {
        out.failure = e;
        return out;
    }
    out.equation = EquationText(s.SlopeA, s.InterceptB, separator);
    return out;
}
