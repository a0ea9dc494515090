#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/result_table.h"
#include "ui/named_grid.h"

// The result table: row 0 the headings, rows 1..RowCount-1 a reading each
// and the concentration the line gives for it.
class ResultGrid : public NamedGrid {
public:
    enum Column { ReadingColumn = 0, ResultColumn = 1 };

    using NamedGrid::NamedGrid;

    void WriteHeadings();
    void SetRowCount(int count);
    void AddRow();

    QString Reading(int row) const;
    void SetReading(int row, const QString& text);
    // The readings reset to "0" and the results of an evaluation.
    void ShowEvaluation(const std::vector<ResultRowUpdate>& rows);
    // "0" in the readings of rows 1..100, and one reading row left.
    void ResetReadings();
};
