#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/calibration_state.h"
#include "core/fit.h"
#include "ui/named_grid.h"

// The point grid: row 0 the headings, row r point r with its number, X, Y
// and deviation. Its row count is the point count + 1; rows hidden by a lower
// count keep their texts.
class PointGrid : public NamedGrid {
public:
    enum Column { NumberColumn = 0, PercentColumn = 1, MeasuredColumn = 2, DeviationColumn = 3 };

    using NamedGrid::NamedGrid;

    void WriteHeadings();
    // "0" in the X column of rows 1..rows, then in their Y column.
    void FillWithZeros(int rows);
    // Rows for points 1..count: the row count count + 1, "Integer overflow"
    // when that is past the integer range.
    void SetPointRows(int count);
    // Column 0 of rows 1..count := the row's number.
    void NumberRows(int count);
    // The stored points 1..PointCount: their rows, numbered, then X and Y in
    // general format at the grid's digits.
    void ShowPoints(const CalibrationState& s, std::string_view separator);
    // The deviation column of rows 1..texts.size().
    void ShowDeviations(const std::vector<std::string>& texts);

    std::string Text(int row, PointCoordinate coordinate) const;
    QString MeasuredText(int row) const;
    void SetPoint(int row, const QString& x, const QString& y);
    void EmptyCell(int col, int row);

    // The views: the deviation column shown or not.
    void ShowDeviationColumn();
    void HideDeviationColumn();
};
