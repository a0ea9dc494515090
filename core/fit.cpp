#include "fit.h"

#include <cmath>

#include "arithmetic.h"
#include "least_squares.h"
#include "number_text.h"

namespace {

constexpr int kEquationPrecision = 5;

}  // namespace

int ReadPointGrid(CalibrationState& s, int n, const PointCellText& cell, std::string_view separator)
{
    int filledRows = 1;
    for (int r = 1; r <= n; ++r) {
        const std::string x = cell(r, PointCoordinate::X);
        if (x.empty())
            continue;
        const std::string y = cell(r, PointCoordinate::Y);
        if (y.empty())
            continue;
        s.PercentValues[filledRows] = StoreReal(ParseNumberOrThrow(x, separator));
        s.MeasuredValues[filledRows] = StoreReal(ParseNumberOrThrow(y, separator));
        ++filledRows;
    }
    return filledRows - 1;
}

void MarkAllInFit(CalibrationState& s)
{
    for (int i = 1; i <= s.PointCount; ++i)
        s.PointExcluded[i] = 'n';
}

DegenerateInput FindDegenerateInput(const CalibrationState& s)
{
    if (s.PointCount == 2 && s.PercentValues[1] == s.PercentValues[2])
        return DegenerateInput::VerticalLine;
    if (s.PointCount == 1)
        return DegenerateInput::SinglePoint;
    return DegenerateInput::None;
}

const char* DegenerateMessage(DegenerateInput input)
{
    return input == DegenerateInput::VerticalLine ? "Вертикальных линий МНК не считает!"
                                                  : "Одну точку не считаем!";
}

int CompletedPointCount(DegenerateInput input)
{
    return input == DegenerateInput::VerticalLine ? 3 : 2;
}

std::string MadeUpPointText(std::string_view separator)
{
    return "10" + std::string(separator) + "01";
}

LineOutcome FitLine(CalibrationState& s, std::string_view separator, FitShows shows)
{
    LineOutcome out;
    const int n = s.PointCount;

    ClearSums(s);
    for (int i = 1; i <= n; ++i)
        AddToSums(s, s.PercentValues[i], s.MeasuredValues[i]);
    if (!SolveLine(s, n)) {
        out.stop = LineStop::ZeroDenominator;
        return out;
    }

    const Extended a = s.SlopeA;
    const Extended b = s.InterceptB;

    s.MaxX = s.MinX = s.PercentValues[1];
    s.MaxY = s.MinY = s.MeasuredValues[1];
    for (int i = 1; i <= n; ++i) {
        const double x = s.PercentValues[i];
        const double y = s.MeasuredValues[i];
        if (!(s.MaxX >= x))
            s.MaxX = x;
        if (!(s.MaxY >= y))
            s.MaxY = y;
        if (s.MinX > x)
            s.MinX = x;
        if (s.MinY > y)
            s.MinY = y;
    }

    out.low = {s.MinX, StoreReal(a * s.MinX + b)};
    out.high = {s.MaxX, StoreReal(a * s.MaxX + b)};

    const Extended top = a * s.MaxX + b;
    s.LineClipTop = top > s.MaxY ? StoreReal(top) : s.MaxY;
    const Extended bottom = a * s.MinX + b;
    s.LineClipBottom = bottom >= s.MinY ? s.MinY : StoreReal(bottom);

    const bool points = shows == FitShows::PointsAndEquation;
    if (points) {
        out.deviationTexts.reserve(static_cast<std::size_t>(n));
        out.points.reserve(static_cast<std::size_t>(n));
    }
    try {
        for (int i = 1; i <= n; ++i) {
            const Extended d = PointDeviation(s, i);
            s.Deviations[i] = StoreReal(d);
            if (!points)
                continue;
            out.deviationTexts.push_back(FormatFixed(d, s.ResultPrecision, s.ResultDecimals, separator));
            out.points.push_back({s.PercentValues[i], s.MeasuredValues[i], ToleranceColour(s.Deviations[i], s.Tolerance)});
        }
    } catch (const RunError& e) {
        out.failure = e;
        return out;
    }
    out.equation = EquationText(s.SlopeA, s.InterceptB, separator);
    return out;
}

std::string EquationText(double a, double b, std::string_view separator)
{
    constexpr std::size_t kRoom = 64;
    std::string text;
    text.reserve(kRoom);
    text += "Уравнение прямой:\n\rY=";
    text += FormatGeneral(a, kEquationPrecision, separator);
    text += "*X+";
    text += FormatGeneral(b, kEquationPrecision, separator);
    return text;
}

std::string DeviationText(const CalibrationState& s, int i, std::string_view separator)
{
    return FormatFixed(PointDeviation(s, i), s.ResultPrecision, s.ResultDecimals, separator);
}
