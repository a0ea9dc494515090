#include "ui/point_grid.h"

#include "core/arithmetic.h"
#include "core/grid_digits.h"
#include "core/number_text.h"
#include "ui/string_grid.h"
#include "ui/text_bridge.h"
#include "ui/window_layout.h"

using namespace WindowLayout;

void PointGrid::WriteHeadings()
{
    grid_->SetCells(NumberColumn, 0, QStringLiteral("№:"));
    grid_->SetCells(PercentColumn, 0, QStringLiteral("%:"));
    grid_->SetCells(MeasuredColumn, 0, QStringLiteral("Замер:"));
    grid_->SetCells(DeviationColumn, 0, QStringLiteral("Отклон.:"));
}

void PointGrid::FillWithZeros(int rows)
{
    for (int row = 1; row <= rows; ++row)
        grid_->SetCells(PercentColumn, row, QStringLiteral("0"));
    for (int row = 1; row <= rows; ++row)
        grid_->SetCells(MeasuredColumn, row, QStringLiteral("0"));
}

void PointGrid::SetPointRows(int count)
{
    grid_->SetRowCount(AddInt(count, 1));
}

void PointGrid::NumberRows(int count)
{
    for (int row = 1; row <= count; ++row)
        grid_->SetCells(NumberColumn, row, QString::number(row));
}

void PointGrid::ShowPoints(const CalibrationState& s, std::string_view separator)
{
    const int count = s.PointCount;
    SetPointRows(count);
    NumberRows(count);
    for (int i = 1; i <= count; ++i) {
        grid_->SetCells(PercentColumn, i, Qs(FormatGeneral(s.PercentValues[i], kGridDigits, separator)));
        grid_->SetCells(MeasuredColumn, i, Qs(FormatGeneral(s.MeasuredValues[i], kGridDigits, separator)));
    }
}

void PointGrid::ShowDeviations(const std::vector<std::string>& texts)
{
    for (std::size_t k = 0; k < texts.size(); ++k)
        grid_->SetCells(DeviationColumn, static_cast<int>(k) + 1, Qs(texts[k]));
}

std::string PointGrid::Text(int row, PointCoordinate coordinate) const
{
    return Std(grid_->Cells(coordinate == PointCoordinate::X ? PercentColumn : MeasuredColumn, row));
}

QString PointGrid::MeasuredText(int row) const
{
    return grid_->Cells(MeasuredColumn, row);
}

void PointGrid::SetPoint(int row, const QString& x, const QString& y)
{
    grid_->SetCells(PercentColumn, row, x);
    grid_->SetCells(MeasuredColumn, row, y);
}

void PointGrid::EmptyCell(int col, int row)
{
    grid_->SetCells(col, row, QString());
}

void PointGrid::ShowDeviationColumn()
{
    grid_->SetColCount(DeviationColumn + 1);
    grid_->resize(ExtendedPointGridWidth, grid_->height());
    grid_->SetColWidth(DeviationColumn, DeviationColumnWidth);
}

void PointGrid::HideDeviationColumn()
{
    grid_->SetColCount(DeviationColumn);
    grid_->resize(CompactPointGridWidth, grid_->height());
}
