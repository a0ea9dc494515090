#pragma once

#include <QPoint>
#include <QWidget>
#include <array>

#include "chart/chart_layout.h"
#include "chart/chart_series.h"
#include "chart/series_style.h"

// The calibration chart: the points (Series1), the fitted line (Series2) and
// the two end markers of the last full fit's line (Series3). It is drawn in
// that order; a press is resolved the other way round.
class TChart : public QWidget {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr);

    TChartSeries Series1{clRed};
    TChartSeries Series2{clBlue};
    TChartSeries Series3{clGreen};

    // The pixel at which value `index` of one of the three series is drawn.
    QPoint ValuePosition(const TChartSeries& series, int index) const;
    // The plot area and the two axis scales for the current size and values.
    ChartLayout Layout() const;

signals:
    // A mouse press (any button) that hit a value of a series.
    void ClickSeries(TChartSeries* series, int valueIndex, Qt::MouseButton button,
                     Qt::KeyboardModifiers shift, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static constexpr std::array<SeriesStyle, 3> Styles{PointSeriesStyle, LineSeriesStyle, EndMarkSeriesStyle};
    std::array<TChartSeries*, 3> AllSeries() { return {&Series1, &Series2, &Series3}; }
    ChartFonts Fonts() const;
};
