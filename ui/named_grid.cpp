#include "ui/named_grid.h"

#include "core/number_text.h"
#include "ui/string_grid.h"
#include "ui/text_bridge.h"

int NamedGrid::RowCount() const
{
    return grid_->RowCount();
}

void NamedGrid::MakeCurrent(int col, int row)
{
    grid_->SetSelection(col, row);
}

void NamedGrid::CompleteLeadingZero(int col, int row)
{
    const QString text = grid_->Cells(col, row);
    if (text.startsWith(QLatin1Char('.')))
        grid_->SetCells(col, row, Qs(AddLeadingZero(Std(text))));
}
