#pragma once

#include <string>
#include <string_view>

#include "calibration_statistics.h"

// The figures of a line as the equation label's tool tip lists them, one per
// line ("name: value"), numbers in general format with the user's decimal
// separator; a figure not defined for the line shows "—".
std::string LineStatisticsText(const CalibrationStatistics& statistics, std::string_view separator);
