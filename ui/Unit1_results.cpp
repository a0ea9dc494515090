// The result table, its blank field and its buttons.
#include "core/fit.h"
#include "core/number_text.h"
#include "core/result_table.h"
#include "ui/Unit1.h"

void TForm1::RschRzClick()
{
    const ResultEvaluation evaluation = EvaluateResults(
        State, Std(Edit3->text()), Results.RowCount(), [this](int row) { return Std(Results.Reading(row)); },
        DecimalSeparator);
    if (evaluation.skipped)
        return;
    if (evaluation.blankReset) {
        Edit3->SetText(QStringLiteral("0"));
        return;
    }
    Results.ShowEvaluation(evaluation.rows);
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
        if (State.ResultRow == Results.LastRow()) {
            Results.AddRow();
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
    std::vector<std::string> texts;
    try {
        for (int i = 1; i <= State.PointCount; ++i)
            texts.push_back(DeviationText(State, i, DecimalSeparator));
    } catch (const RunError&) {
    }
    Points.ShowDeviations(texts);
}

void TForm1::SpeedButton3Click()
{
    const int n = ParseInteger(Std(Edit1->text()));
    const ReadingsCopy copy = PlanReadingsCopy(Results.RowCount(), n);
    Results.SetRowCount(copy.rowCount);
    for (int k = 1; k <= n; ++k)
        Results.SetReading(copy.firstRow + k - 1, Points.MeasuredText(k));
    RaschetClick();
}

void TForm1::BitBtn1Click()
{
    Results.ResetReadings();
}

void TForm1::StringGrid3DrawCell(int col, int row)
{
    Results.CompleteLeadingZero(col, row);
}
