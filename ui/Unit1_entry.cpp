// Data entry: the count and tolerance fields and the point grid.
#include "core/number_text.h"
#include "ui/Unit1.h"

void TForm1::Edit1KeyDown(std::uint16_t& key, Qt::KeyboardModifiers)
{
    if (key == VK_RETURN)
        Edit1Exit();
    if (key == VK_F9) {
        Edit1Exit();
        RaschetClick();
    }
}

void TForm1::Edit2KeyDown(std::uint16_t& key, Qt::KeyboardModifiers)
{
    if (key == VK_F9)
        RaschetClick();
}

void TForm1::StringGrid1Enter()
{
    ResetFitDisplay();
    State.EntryCol = 1;
    State.EntryRow = 1;
    StringGrid1->SetSelection(State.EntryCol, State.EntryRow);
}

void TForm1::StringGrid1SelectCell(int col, int row, bool&)
{
    State.EntryCol = col;
    State.EntryRow = row;
}

void TForm1::StringGrid1KeyDown(std::uint16_t& key, Qt::KeyboardModifiers)
{
    if (key == VK_F9)
        RaschetClick();
    if (key == VK_DELETE)
        StringGrid1->SetCells(State.EntryCol, State.EntryRow, QString());
    if (key != VK_RETURN)
        return;
    if (State.EntryCol == 1) {
        State.EntryCol = 2;
    } else if (State.EntryCol == 2) {
        if (State.EntryRow == StringGrid1->RowCount() - 1) {
            RaschetClick();
            return;
        }
        State.EntryCol = 1;
        State.EntryRow = State.EntryRow + 1;
    } else {
        return;
    }
    StringGrid1->SetSelection(State.EntryCol, State.EntryRow);
}

void TForm1::ApplyLeadingZero(TStringGrid* grid, int col, int row)
{
    const QString text = grid->Cells(col, row);
    if (text.startsWith(QLatin1Char('.')))
        grid->SetCells(col, row, Qs(AddLeadingZero(Std(text))));
}

void TForm1::StringGrid1DrawCell(int col, int row)
{
    ApplyLeadingZero(StringGrid1, col, row);
}
