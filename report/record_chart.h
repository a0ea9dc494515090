#pragma once

#include <QPainter>
#include <QRect>

#include "report/record_analysis.h"

// The chart of a fitted record as the window draws it (the points in their
// tolerance colours, the line and its end marks), with the confidence band
// of the line hatched behind it and each point's number beside it, in the
// area given in the painter's coordinates.
void PaintRecordChart(QPainter& painter, const QRect& area, const RecordReport& record);

// The lines under the chart that say what each mark and colour stands for,
// readable in black and white, from the top of the area and within its
// width; returns their height.
int PaintChartLegend(QPainter& painter, const QRect& area, const RecordReport& record);
