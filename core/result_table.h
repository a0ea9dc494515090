#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arithmetic.h"
#include "calibration_state.h"

// The concentration of a reading: (reading − blank − InterceptB) / SlopeA.
Extended ResultValue(const CalibrationState& s, Extended reading, Extended blank);

// Whether there is a line to evaluate with (SlopeA not 0).
bool HasLine(const CalibrationState& s);

struct ResultRowUpdate {
    int row = 0;
    std::optional<std::string> reading;  // new reading text, when reset to "0"
    std::optional<std::string> result;   // new result text
};

struct ResultEvaluation : EffectsThenError {
    bool skipped = false;     // no line: nothing tested, nothing changes
    bool blankReset = false;  // the blank is no number: set it to "0" and stop
    // In row order; a row whose reading was no number, or a failure, ends the
    // list: the rows before it keep their new results.
    std::vector<ResultRowUpdate> rows;
};

// Evaluates data rows 1..rowCount-1 of the result table.
ResultEvaluation EvaluateResults(CalibrationState& s, std::string_view blankText, int rowCount,
                                 const std::function<std::string(int row)>& reading,
                                 std::string_view separator);

// One decimal fewer / more; false (and nothing changes) without a line.
bool DecimalsDown(CalibrationState& s);
bool DecimalsUp(CalibrationState& s);

// Row count and first row to fill when the readings of n points are copied
// into a result table of rowCount rows.
struct ReadingsCopy {
    int rowCount = 0;
    int firstRow = 0;
};
ReadingsCopy PlanReadingsCopy(int rowCount, int n);
