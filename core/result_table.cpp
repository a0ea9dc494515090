#include "result_table.h"

#include <cmath>

#include "number_text.h"

namespace {

// Whether the text is a number; the value passes through SumX, the scratch
// slot of the check, so a value beyond the range of a double is no number.
std::optional<Extended> CheckNumber(CalibrationState& s, std::string_view text, std::string_view separator)
{
    const auto value = ParseNumber(text, separator);
    if (!value)
        return std::nullopt;
    try {
        s.SumX = StoreReal(*value);
    } catch (const RunError&) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

Extended ResultValue(const CalibrationState& s, Extended reading, Extended blank)
{
    return Divide(reading - blank - s.InterceptB, s.SlopeA);
}

bool HasLine(const CalibrationState& s) { return !(s.SlopeA == 0 || std::isnan(s.SlopeA)); }

ResultEvaluation EvaluateResults(CalibrationState& s, std::string_view blankText, int rowCount,
                                 const std::function<std::string(int row)>& reading,
                                 std::string_view separator)
{
    ResultEvaluation ev;
    if (!HasLine(s)) {
        ev.skipped = true;
        return ev;
    }
    const auto blank = CheckNumber(s, blankText, separator);
    if (!blank) {
        ev.blankReset = true;
        return ev;
    }
    if (rowCount - 1 > 65535)
        throw RunError::RangeCheck();
    for (int r = 1; r <= rowCount - 1; ++r) {
        ResultRowUpdate update;
        update.row = r;
        try {
            std::string text = reading(r);
            if (text.empty()) {
                text = "0";
                update.reading = text;
            }
            const auto value = CheckNumber(s, text, separator);
            if (!value) {
                update.reading = "0";
                ev.rows.push_back(std::move(update));
                break;
            }
            update.result =
                FormatFixed(ResultValue(s, *value, *blank), s.ResultPrecision, s.ResultDecimals, separator);
        } catch (const RunError& e) {
            ev.rows.push_back(std::move(update));
            ev.failure = e;
            break;
        }
        ev.rows.push_back(std::move(update));
    }
    return ev;
}

bool DecimalsDown(CalibrationState& s)
{
    if (s.SlopeA == 0)
        return false;
    if (s.ResultDecimals > 0)
        s.ResultDecimals = s.ResultDecimals - 1;
    return true;
}

bool DecimalsUp(CalibrationState& s)
{
    if (s.SlopeA == 0)
        return false;
    s.ResultDecimals = s.ResultDecimals + 1;
    return true;
}

ReadingsCopy PlanReadingsCopy(int rowCount, int n)
{
    Counter16 newCount, first;
    if (rowCount == 2) {
        newCount = AddInt(n, 1);
        first = 1;
    } else {
        newCount = static_cast<long long>(AddInt(rowCount, n));
        first = rowCount;
    }
    return {newCount, first};
}
