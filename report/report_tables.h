#pragma once

#include <string>
#include <vector>

#include "report/record_analysis.h"

// The tables of a fitted record, each a heading row and then one row per
// item, as the text report and the printed page show them.
using TableRows = std::vector<std::vector<std::string>>;

// "Запись N: date time".
std::string RecordTitle(const RecordReport& record);
// "Расчет невозможен: reason".
std::string FitErrorText(const RecordReport& record);

TableRows PointRows(const RecordReport& record);
// Two columns: the figure's name and its value.
TableRows StatisticsRows(const RecordReport& record);
TableRows ReadingRows(const RecordReport& record);

std::string StatisticsHeading(const ReportSettings& settings);
std::string ReadingsHeading(const ReportSettings& settings);
