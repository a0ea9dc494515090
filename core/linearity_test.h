#pragma once

#include <optional>
#include <vector>

#include "calibration_statistics.h"

// Mandel's test of the points: how much a second-order fit lowers the
// residual variance of the least-squares line, against F(1, n − 3; 0.99).
// Empty for fewer than 4 points, fewer than 3 distinct X values, or a
// second-order fit through every point.
std::optional<MandelTest> MandelLinearityTest(const std::vector<CalibrationPoint>& points);
