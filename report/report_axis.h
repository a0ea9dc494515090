#pragma once

#include <QString>
#include <vector>

// The printed chart's own axis rule, so that a value can be read off paper:
// the axis runs from a labelled value to a labelled value, with 4 to 8
// labels in steps of 1, 2 or 5 times a power of ten.
struct ReportAxis {
    long double minimum = 0;
    long double maximum = 1;
    long double step = 1;
    int decimals = 0;  // as many as the step needs

    std::vector<long double> Labels() const;
    QString Label(long double value) const;
};

inline constexpr int kFewestAxisLabels = 4;
inline constexpr int kMostAxisLabels = 8;

// The axis over low..high: the smallest step that needs no more than eight
// labels, which never needs fewer than four. An empty or non-finite range is
// widened about its value first.
ReportAxis ChooseReportAxis(double low, double high);
