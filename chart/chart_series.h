#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/colour.h"

// The values of one chart series, kept in ascending order of X: a new value
// goes directly after the last value whose X is less than or equal to its X.
// A value index is a position in that order, from 0.
class TChartSeries {
public:
    explicit TChartSeries(Colour seriesColour) : seriesColour_(seriesColour) {}

    void Clear();
    // Inserts the value in X order and returns the index it was stored at.
    int AddXY(double x, double y, const std::string& label, Colour colour);

    int Count() const { return static_cast<int>(values_.size()); }
    double XValue(int index) const { return values_.at(static_cast<std::size_t>(index)).x; }
    double YValue(int index) const { return values_.at(static_cast<std::size_t>(index)).y; }
    // The colour stored with the value; the series colour for DefaultSeriesColor.
    Colour ValueColor(int index) const;
    Colour SeriesColor() const { return seriesColour_; }

    // Called after every change of the values (the chart repaints).
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    struct Value {
        double x;
        double y;
        Colour colour;
    };
    void Changed()
    {
        if (onChange_)
            onChange_();
    }

    Colour seriesColour_;
    std::vector<Value> values_;
    std::function<void()> onChange_;
};
