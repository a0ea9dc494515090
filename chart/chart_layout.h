#pragma once

#include <QFont>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <optional>

#include "chart/axis_scale.h"

struct ChartFonts {
    QFont text;       // the title and the axis labels
    QFont axisTitle;  // "Проценты" and "Замер"
};

// Where everything of the chart goes for one widget size and one set of values.
struct ChartLayout {
    QRect title;
    // The plot area; its edges are the ends of the two axes.
    QRect plot;
    AxisScale bottom;  // X, per cent
    AxisScale left;    // Y, reading
    long double bottomStep = 1;
    long double leftStep = 1;
    QRect bottomTitle;
    // The band left of the labels in which "Замер" stands, turned upwards.
    QRect leftTitle;
};

// The right margin in per cent of the chart's width; the other margins are 0.
inline constexpr int RightMarginPercent = 5;
// Free space between axis labels in per cent of a label's size.
inline constexpr int BottomLabelSpacing = 10;
inline constexpr int LeftLabelSpacing = 30;
inline constexpr int TickLength = 4;

ChartLayout LayOutChart(QSize size, const ChartFonts& fonts, const QLocale& locale,
                        std::optional<ValueSpan> xSpan, std::optional<ValueSpan> ySpan, int xMargin,
                        int yMargin);

class TChartSeries;

// The pixel at which value `index` of a series stands.
QPoint ValuePixel(const ChartLayout& layout, const TChartSeries& series, int index);
