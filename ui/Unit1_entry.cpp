// Data entry: the count and tolerance fields and the point grid.
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
    Points.MakeCurrent(State.EntryCol, State.EntryRow);
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
        Points.EmptyCell(State.EntryCol, State.EntryRow);
    if (key != VK_RETURN)
        return;
    if (State.EntryCol == 1) {
        State.EntryCol = 2;
    } else if (State.EntryCol == 2) {
        if (State.EntryRow == Points.LastRow()) {
            RaschetClick();
            return;
        }
        State.EntryCol = 1;
        State.EntryRow = State.EntryRow + 1;
    } else {
        return;
    }
    Points.MakeCurrent(State.EntryCol, State.EntryRow);
}

void TForm1::StringGrid1DrawCell(int col, int row)
{
    Points.CompleteLeadingZero(col, row);
}
