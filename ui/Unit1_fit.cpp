// The fit, the point count, the display reset and the refit of a chart click.
#include "core/arithmetic.h"
#include "core/calibration_statistics.h"
#include "core/fit.h"
#include "core/grid_digits.h"
#include "core/number_text.h"
#include "core/refit.h"
#include "core/result_table.h"
#include "core/statistics_text.h"
#include "ui/Unit1.h"
#include "ui/error_box.h"

void TForm1::ShowEquation(const std::string& equation)
{
    Label4->SetCaption(Qs(equation));
}

void TForm1::ShowLineStatistics()
{
    if (!HasLine(State)) {
        Label4->setToolTip(QString());
        return;
    }
    const CalibrationStatistics statistics =
        ComputeCalibrationStatistics(PointsInFit(State), State.SlopeA, State.InterceptB);
    Label4->setToolTip(Qs(LineStatisticsText(statistics, DecimalSeparator)));
}

void TForm1::RaschetClick()
{
    State.ActiveCount = int(State.PointCount);
    MarkAllInFit(State);
    State.Tolerance = StoreReal(ParseNumberOrThrow(Std(Edit2->text()), DecimalSeparator));
    const int m = ReadPointGrid(
        State, State.PointCount, [this](int row, int col) { return Std(StringGrid1->Cells(col, row)); },
        DecimalSeparator);
    if (m != State.PointCount) {
        State.PointCount = m;
        State.ActiveCount = m;
        Edit1->SetText(QString::number(m));
        StringGrid1->SetRowCount(m + 1);
        for (int r = 1; r <= m; ++r)
            StringGrid1->SetCells(0, r, QString::number(r));
        for (int r = 1; r <= m; ++r) {
            StringGrid1->SetCells(1, r, Qs(FormatGeneral(State.PercentValues[r], kGridDigits, DecimalSeparator)));
            StringGrid1->SetCells(2, r, Qs(FormatGeneral(State.MeasuredValues[r], kGridDigits, DecimalSeparator)));
        }
    }

    if (const DegenerateInput input = FindDegenerateInput(State); input != DegenerateInput::None) {
        ShowProgramErrorBox(Qs(DegenerateMessage(input)));
        const int completed = CompletedPointCount(input);
        Edit1->SetText(QString::number(completed));
        Edit1Exit();
        const QString madeUp = Qs(MadeUpPointText(DecimalSeparator));
        StringGrid1->SetCells(1, completed, madeUp);
        StringGrid1->SetCells(2, completed, madeUp);
        RaschetClick();
        return;
    }

    const FitOutcome fit = FitLine(State, DecimalSeparator);
    if (!fit.fitted)
        return;
    ShowLineStatistics();
    Chart1->Series1.Clear();
    Chart1->Series2.Clear();
    Chart1->Series3.Clear();
    for (TChartSeries* line : {&Chart1->Series2, &Chart1->Series3}) {
        line->AddXY(fit.low.x, fit.low.y, "", DefaultSeriesColor);
        line->AddXY(fit.high.x, fit.high.y, "", DefaultSeriesColor);
    }
    for (std::size_t i = 0; i < fit.deviationTexts.size(); ++i) {
        StringGrid1->SetCells(3, static_cast<int>(i) + 1, Qs(fit.deviationTexts[i]));
        if (i < fit.points.size())
            Chart1->Series1.AddXY(fit.points[i].x, fit.points[i].y, "", fit.points[i].colour);
    }
    fit.RaiseFailure();
    ShowEquation(fit.equation);
    RschRzClick();
}

void TForm1::Edit1Exit()
{
    const int k = ParseInteger(Std(Edit1->text()));
    StringGrid1->SetRowCount(AddInt(k, 1));
    State.PointCount = ParseInteger(Std(Edit1->text()));
    State.ActiveCount = int(State.PointCount);
    for (int r = 1; r <= State.PointCount; ++r)
        StringGrid1->SetCells(0, r, QString::number(r));
    ResetFitDisplay();
}

void TForm1::ResetFitDisplay()
{
    Chart1->Series1.Clear();
    Chart1->Series2.Clear();
    State.SlopeA = 1.0;
    State.InterceptB = 0.0;
    RschRzClick();
    Label4->SetCaption(QStringLiteral("Уравнение"));
    Label4->setToolTip(QString());
}

void TForm1::Chart1ClickSeries(TChartSeries* series, int valueIndex, Qt::MouseButton, Qt::KeyboardModifiers, QPoint)
{
    TChartSeries& points = Chart1->Series1;
    if (series != &points)
        return;
    const int i = FindClickedPoint(State, points.XValue(valueIndex), points.YValue(valueIndex));
    ToggleExclusion(State, i, points.ValueColor(valueIndex));
    const RefitOutcome refit = RefitLine(State, DecimalSeparator);
    switch (refit.stop) {
    case RefitStop::TooFewPoints:
        ShowProgramErrorBox(Qs(DegenerateMessage(DegenerateInput::SinglePoint)));
        RaschetClick();
        return;
    case RefitStop::VerticalLine:
        ShowProgramErrorBox(Qs(DegenerateMessage(DegenerateInput::VerticalLine)));
        RaschetClick();
        return;
    case RefitStop::ZeroDenominator:
        return;
    case RefitStop::Done:
        break;
    }
    ShowLineStatistics();
    Chart1->Series2.Clear();
    points.Clear();
    Chart1->Series2.AddXY(refit.low.x, refit.low.y, "", DefaultSeriesColor);
    Chart1->Series2.AddXY(refit.high.x, refit.high.y, "", DefaultSeriesColor);
    for (std::size_t k = 0; k < refit.deviationTexts.size(); ++k)
        StringGrid1->SetCells(3, static_cast<int>(k) + 1, Qs(refit.deviationTexts[k]));
    for (const ChartPoint& p : refit.points)
        points.AddXY(p.x, p.y, "", p.colour);
    refit.RaiseFailure();
    ShowEquation(refit.equation);
    RschRzClick();
}
