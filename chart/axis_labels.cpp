#include "chart/axis_labels.h"

#include <cmath>

QString FormatAxisLabel(long double value, const QLocale& locale)
{
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = grouped.toString(static_cast<double>(value), 'f', 3);
    const QString point = grouped.decimalPoint();
    while (text.endsWith(grouped.zeroDigit()))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(point.size());
    if (text == grouped.negativeSign() + grouped.zeroDigit())
        text = grouped.zeroDigit();
    return text;
}

long double LabelStep(long double range, int labelSize, int axisLength, int spacingPercent)
{
    const long double gap = std::lround(spacingPercent / 100.0L * labelSize);
    const long double fitting = labelSize + gap > 0 ? std::round(axisLength / (labelSize + gap)) : 0;
    int mantissa = 1;
    int exponent = range >= 1 ? 0 : -12;
    long double step = std::pow(10.0L, exponent);
    while (std::round(range / step) > fitting) {
        if (mantissa == 1) {
            mantissa = 2;
        } else if (mantissa == 2) {
            mantissa = 5;
        } else {
            mantissa = 1;
            ++exponent;
        }
        step = mantissa * std::pow(10.0L, exponent);
    }
    return step;
}

std::vector<long double> LabelValues(const AxisScale& scale, long double step)
{
    if (scale.maximum <= scale.minimum || step <= 0)
        return {scale.minimum};
    constexpr int mostLabels = 1000;
    std::vector<long double> values;
    const long double first = std::ceil(scale.minimum / step);
    for (int k = 0; k < mostLabels; ++k) {
        const long double value = (first + k) * step;
        if (value > scale.maximum)
            break;
        values.push_back(value);
    }
    return values;
}
