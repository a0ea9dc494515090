#include "ui/result_grid.h"

#include "ui/string_grid.h"
#include "ui/text_bridge.h"

void ResultGrid::WriteHeadings()
{
    grid_->SetCells(ReadingColumn, 0, QStringLiteral("Замер:"));
    grid_->SetCells(ResultColumn, 0, QStringLiteral("Результат:"));
}

void ResultGrid::SetRowCount(int count)
{
    grid_->SetRowCount(count);
}

void ResultGrid::AddRow()
{
    grid_->SetRowCount(grid_->RowCount() + 1);
}

QString ResultGrid::Reading(int row) const
{
    return grid_->Cells(ReadingColumn, row);
}

void ResultGrid::SetReading(int row, const QString& text)
{
    grid_->SetCells(ReadingColumn, row, text);
}

void ResultGrid::ShowEvaluation(const std::vector<ResultRowUpdate>& rows)
{
    for (const ResultRowUpdate& update : rows) {
        if (update.reading)
            grid_->SetCells(ReadingColumn, update.row, Qs(*update.reading));
        if (update.result)
            grid_->SetCells(ResultColumn, update.row, Qs(*update.result));
    }
}

void ResultGrid::ResetReadings()
{
    for (int row = 1; row <= 100; ++row)
        grid_->SetCells(ReadingColumn, row, QStringLiteral("0"));
    grid_->SetRowCount(2);
}
