// The result table, its blank field and its buttons.
#include "core/fit.h"
#include "core/number_text.h"
#include "core/result_table.h"
#include "ui/Unit1.h"

void TForm1::RschRzClick()
{
    const ResultEvaluation evaluation = EvaluateResults(
        State, Std(Edit3->text()), StringGrid3->RowCount(),
        [this](int row) { return Std(StringGrid3->Cells(0, row)); }, DecimalSeparator);
    if (evaluation.skipped)
        return;
    if (evaluation.blankReset) {
        Edit3->SetText(QStringLiteral("0"));
        return;
    }
    for (const ResultRowUpdate& update : evaluation.rows) {
        if (update.reading)
            StringGrid3->SetCells(0, update.row, Qs(*update.reading));
        if (update.result)
            StringGrid3->SetCells(1, update.row, Qs(*update.result));
    }
    evaluation.RaiseFailure();
}

void TForm1::Edit3Change()
{
    RschRzClick();
}

void TForm1::StringGrid3KeyDown(std::uint16_t& key, Qt::KeyboardModifiers)
{
    if (key == VK_RETURN || key == VK_UP)
        RschRzClick();
    if (key == VK_DOWN) {
        RschRzClick();
        if (State.ResultRow == StringGrid3->RowCount() - 1) {
            StringGrid3->SetRowCount(StringGrid3->RowCount() + 1);
            State.ResultRow = State.ResultRow + 1;
        }
    }
}

void TForm1::StringGrid3SelectCell(int, int row, bool&)
{
    State.ResultRow = row;
}

void TForm1::SpeedButton1Click()
{
    if (!DecimalsDown(State))
        return;
    RschRzClick();
    ReformatDeviations();
}

void TForm1::SpeedButton2Click()
{
    if (!DecimalsUp(State))
        return;
    RschRzClick();
    ReformatDeviations();
}

// The deviation column anew from the points and the line; an error ends it
// silently, the rows before it rewritten.
void TForm1::ReformatDeviations()
{
    try {
        for (int i = 1; i <= State.PointCount; ++i)
            StringGrid1->SetCells(3, i, Qs(DeviationText(State, i, DecimalSeparator)));
    } catch (const RunError&) {
    }
}

void TForm1::SpeedButton3Click()
{
    const int n = ParseInteger(Std(Edit1->text()));
    const ReadingsCopy copy = PlanReadingsCopy(StringGrid3->RowCount(), n);
    StringGrid3->SetRowCount(copy.rowCount);
    for (int k = 1; k <= n; ++k)
        StringGrid3->SetCells(0, copy.firstRow + k - 1, StringGrid1->Cells(2, k));
    RaschetClick();
}

void TForm1::BitBtn1Click()
{
    for (int row = 1; row <= 100; ++row)
        StringGrid3->SetCells(0, row, QStringLiteral("0"));
    StringGrid3->SetRowCount(2);
}

void TForm1::StringGrid3DrawCell(int col, int row)
{
    ApplyLeadingZero(StringGrid3, col, row);
}
