#pragma once

#include <QPoint>
#include <QWidget>

#include "chart/chart_series.h"

// The calibration chart: the points (Series1), the fitted line (Series2) and
// the two end markers of the last full fit's line (Series3).
class TChart : public QWidget {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr);

    TChartSeries Series1{clRed};
    TChartSeries Series2{clBlue};
    TChartSeries Series3{clGreen};

signals:
    // A mouse press (any button) that hit a value of a series.
    void ClickSeries(TChartSeries* series, int valueIndex, Qt::MouseButton button,
                     Qt::KeyboardModifiers shift, QPoint position);
};
