#pragma once

#include <QPainter>
#include <QRect>

#include "chart/chart_layout.h"
#include "report/record_analysis.h"
#include "report/report_axis.h"

// The axes of a record's two printed charts: the chart of the points and the
// residual plot under it share the X axis and the plot's left and right edges.
struct RecordChartScales {
    ReportAxis x;
    ReportAxis y;
    ReportAxis residual;
    int plotLeft = 0;
    int plotRight = 0;
};

RecordChartScales ChooseChartScales(QPainter& painter, QSize chartSize, int residualHeight,
                                    const RecordReport& record);

// The chart of a fitted record as the window draws its series (the points in
// their tolerance colours, the line and its end marks), with the confidence
// band of the line hatched behind it, the second-order curve where there is
// one, and each point's number beside it, on the report's own axes.
void PaintRecordChart(QPainter& painter, const QRect& area, const RecordChartScales& scales,
                      const RecordReport& record);

// Each point's residual against the line, y − (a·x + b), over X, with the
// zero line; the points in their tolerance colours and numbered.
void PaintResidualChart(QPainter& painter, const QRect& area, const RecordChartScales& scales,
                        const RecordReport& record);

// The lines under the chart that say what each mark and colour stands for,
// readable in black and white, from the top of the area and within its
// width; the height they take.
int ChartLegendHeight(QPainter& painter, int width, const RecordReport& record);
void PaintChartLegend(QPainter& painter, const QRect& area, const RecordReport& record);
