#include "chart/TChart.h"

TChart::TChart(QWidget* parent) : QWidget(parent)
{
    for (TChartSeries* s : {&Series1, &Series2, &Series3})
        s->SetOnChange([this] { update(); });
}
