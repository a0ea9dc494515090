#pragma once

#include <string>
#include <vector>

#include "report/record_analysis.h"

// The tables of a fitted record, each a heading row and then one row per
// item, as the text report and the printed page show them.
using TableRows = std::vector<std::vector<std::string>>;

// "Запись N: date time".
std::string RecordTitle(const RecordReport& record);
// Who saved the record and the points then switched out of its fit, when the
// history says so: "Сохранил: user@host, time" and "Исключены из расчета: ...".
std::vector<std::string> SavedByLines(const RecordReport& record);
// "Расчет невозможен: reason".
std::string FitErrorText(const RecordReport& record);

// The line as printed: "Y = 0.134·X − 0.070097", with the window's digits,
// spaces and a true minus.
std::string PrintedEquation(const RecordReport& record);
// The second-order curve as printed, "Y = a + b·X + c·X²", five significant
// digits as the line.
std::string PrintedCurve(const QuadraticCalibration& curve);

TableRows PointRows(const RecordReport& record);
// Two columns: the figure's name and its value.
TableRows StatisticsRows(const RecordReport& record);
TableRows ReadingRows(const RecordReport& record);

// The figures of the second-order calibration and each reading on it.
TableRows CurveRows(const QuadraticCalibration& curve);
TableRows CurveReadingRows(const RecordReport& record);

std::string StatisticsHeading(const ReportSettings& settings);
std::string ReadingsHeading(const ReportSettings& settings);
// "Функция второй степени (ISO 8466-2): " and the printed curve.
std::string CurveHeading(const QuadraticCalibration& curve);
std::string CurveReadingsHeading(const ReportSettings& settings);
