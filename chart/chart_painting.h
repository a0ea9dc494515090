#pragma once

#include <QLocale>
#include <QPainter>

#include "chart/chart_layout.h"
#include "chart/chart_series.h"

// The background, the title, the plot frame with its ticks and labels, and
// the two axis titles.
void PaintFrame(QPainter& painter, QSize size, const ChartLayout& layout, const ChartFonts& fonts,
                const QLocale& locale);

// Circles filled with each value's colour and outlined in black.
void PaintPointSeries(QPainter& painter, const ChartLayout& layout, const TChartSeries& series, int half);

// Segments joining the values in their stored order, in the series colour.
void PaintLineSeries(QPainter& painter, const ChartLayout& layout, const TChartSeries& series);

// Small dots filled and outlined in silver, whatever the values' colours.
void PaintEndMarks(QPainter& painter, const ChartLayout& layout, const TChartSeries& series, int half);
