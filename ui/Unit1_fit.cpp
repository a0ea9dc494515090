// The fit, the point count, the display reset, the refit of a chart click
// and the line they show.
#include "core/arithmetic.h"
#include "core/calibration_statistics.h"
#include "core/fit.h"
#include "core/number_text.h"
#include "core/refit.h"
#include "core/result_table.h"
#include "core/statistics_text.h"
#include "ui/Unit1.h"
#include "ui/error_box.h"

namespace {

void DrawLine(TChartSeries& series, const LineOutcome& line)
{
    series.AddXY(line.low.x, line.low.y, "", DefaultSeriesColor);
    series.AddXY(line.high.x, line.high.y, "", DefaultSeriesColor);
}

}  // namespace

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
        State, State.PointCount, [this](int row, PointCoordinate coordinate) { return Points.Text(row, coordinate); },
        DecimalSeparator);
    if (m != State.PointCount) {
        State.PointCount = m;
        State.ActiveCount = m;
        Edit1->SetText(QString::number(m));
        Points.ShowPoints(State, DecimalSeparator);
    }

    if (const DegenerateInput input = FindDegenerateInput(State); input != DegenerateInput::None) {
        ShowProgramErrorBox(Qs(DegenerateMessage(input)));
        const int completed = CompletedPointCount(input);
        Edit1->SetText(QString::number(completed));
        Edit1Exit();
        const QString madeUp = Qs(MadeUpPointText(DecimalSeparator));
        Points.SetPoint(completed, madeUp, madeUp);
        RaschetClick();
        return;
    }

    const LineOutcome fit = FitLine(State, DecimalSeparator);
    if (fit.stop == LineStop::Done)
        ShowLine(fit, LineFrom::FullFit);
}

void TForm1::Edit1Exit()
{
    const int k = ParseInteger(Std(Edit1->text()));
    Points.SetPointRows(k);
    State.PointCount = ParseInteger(Std(Edit1->text()));
    State.ActiveCount = int(State.PointCount);
    Points.NumberRows(State.PointCount);
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
    const LineOutcome refit = RefitLine(State, DecimalSeparator);
    switch (refit.stop) {
    case LineStop::TooFewPoints:
        ShowProgramErrorBox(Qs(DegenerateMessage(DegenerateInput::SinglePoint)));
        RaschetClick();
        return;
    case LineStop::VerticalLine:
        ShowProgramErrorBox(Qs(DegenerateMessage(DegenerateInput::VerticalLine)));
        RaschetClick();
        return;
    case LineStop::ZeroDenominator:
        return;
    case LineStop::Done:
        ShowLine(refit, LineFrom::Refit);
        return;
    }
}

void TForm1::ShowLine(const LineOutcome& line, LineFrom from)
{
    ShowLineStatistics();
    TChartSeries& points = Chart1->Series1;
    TChartSeries& fitted = Chart1->Series2;
    TChartSeries& ends = Chart1->Series3;
    if (from == LineFrom::FullFit) {
        points.Clear();
        fitted.Clear();
        ends.Clear();
        DrawLine(fitted, line);
        DrawLine(ends, line);
    } else {
        fitted.Clear();
        points.Clear();
        DrawLine(fitted, line);
    }
    Points.ShowDeviations(line.deviationTexts);
    for (const ChartPoint& p : line.points)
        points.AddXY(p.x, p.y, "", p.colour);
    line.RaiseFailure();
    ShowEquation(line.equation);
    RschRzClick();
}
