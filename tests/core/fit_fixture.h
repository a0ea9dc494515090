#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/fit.h"

// A calibration state with the start-up formatting parameters and the given
// points stored as the fit reads them.
inline CalibrationState StateWithPoints(const std::vector<std::pair<double, double>>& points, double tolerance)
{
    CalibrationState s;
    s.ResultPrecision = 5;
    s.ResultDecimals = 3;
    s.Tolerance = tolerance;
    s.PointCount = static_cast<long long>(points.size());
    s.ActiveCount = s.PointCount;
    for (std::size_t i = 0; i < points.size(); ++i) {
        s.PercentValues[static_cast<long long>(i + 1)] = points[i].first;
        s.MeasuredValues[static_cast<long long>(i + 1)] = points[i].second;
        s.PointExcluded[static_cast<long long>(i + 1)] = 'n';
    }
    return s;
}

// The second line of an equation text.
inline std::string EquationLine(const std::string& equation)
{
    return equation.substr(equation.find('\r') + 1);
}
