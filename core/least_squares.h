#pragma once

#include "arithmetic.h"
#include "calibration_state.h"
#include "colour.h"

// Steps shared by the full fit and the refit.

// Adds one point to the running sums, each stored after its addition.
inline void AddToSums(CalibrationState& s, Extended x, Extended y)
{
    s.SumX = StoreReal(s.SumX + x);
    s.SumY = StoreReal(s.SumY + y);
    s.SumXY = StoreReal(x * y + s.SumXY);
    s.SumXX = StoreReal(x * x + s.SumXX);
}

inline void ClearSums(CalibrationState& s) { s.SumX = s.SumY = s.SumXY = s.SumXX = 0; }

// FitDenominator, then SlopeA and InterceptB for n points; false (and the line
// untouched) when the denominator is exactly 0.
inline bool SolveLine(CalibrationState& s, int n)
{
    const Extended sumX = s.SumX, sumY = s.SumY, sumXY = s.SumXY, sumXX = s.SumXX;
    s.FitDenominator = StoreReal(n * sumXX - sumX * sumX);
    if (s.FitDenominator == 0)
        return false;
    s.SlopeA = StoreReal((n * sumXY - sumX * sumY) / s.FitDenominator);
    s.InterceptB = StoreReal((sumY * sumXX - sumXY * sumX) / s.FitDenominator);
    return true;
}

// (y_i − b) / a − x_i in extended precision.
inline Extended PointDeviation(const CalibrationState& s, int i)
{
    return Divide(static_cast<Extended>(s.MeasuredValues[i]) - s.InterceptB, s.SlopeA) - s.PercentValues[i];
}

// Red for a point whose stored deviation is beyond the tolerance, else lime.
inline Colour ToleranceColour(double deviation, double tolerance)
{
    return std::fabs(deviation) > tolerance ? clRed : clLime;
}
