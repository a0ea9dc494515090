#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "run_error.h"

// An unsigned counter of the width of `Bits`, read as a `Value`. Every
// assignment of a computed value is range-checked; SetLow keeps the low bits
// instead (a count read from a saved record, a count of marker lines).
template <typename Bits, typename Value>
class CheckedCounter {
public:
    CheckedCounter() = default;
    CheckedCounter(const CheckedCounter&) = default;
    CheckedCounter& operator=(const CheckedCounter&) = default;

    CheckedCounter& operator=(long long value)
    {
        if (value < 0 || value > static_cast<long long>(std::numeric_limits<Bits>::max()))
            throw RunError::RangeCheck();
        value_ = static_cast<Bits>(value);
        return *this;
    }
    void SetLow(long long value) { value_ = static_cast<Bits>(value); }
    operator Value() const { return value_; }

private:
    Bits value_ = 0;
};

using Counter16 = CheckedCounter<std::uint16_t, int>;
// Record numbers, which a data file kept for years can take past 65535.
using Counter32 = CheckedCounter<std::uint32_t, long long>;

// Point slots 1..1000; any other index is a range-check error.
template <typename T>
class PointArray {
public:
    static constexpr int Size = 1000;

    T& operator[](long long i)
    {
        Check(i);
        return slots_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](long long i) const
    {
        Check(i);
        return slots_[static_cast<std::size_t>(i - 1)];
    }

private:
    static void Check(long long i)
    {
        if (i < 1 || i > Size)
            throw RunError::RangeCheck();
    }
    std::array<T, Size> slots_{};
};

// The one set of variables through which all commands of the main window share
// a calculation. Zero at start; commands have no transactions, so a command
// that stops on an error leaves every field it wrote before with its new value.
struct CalibrationState {
    // Points: X (per cent), Y (reading), exclusion flag ('y' = out of the fit,
    // anything else = in it), deviation in X units.
    PointArray<double> PercentValues;
    PointArray<double> MeasuredValues;
    PointArray<char> PointExcluded;
    PointArray<double> Deviations;

    // Line Y = SlopeA*X + InterceptB; SlopeA 0 means there is no line yet.
    double SlopeA = 0;
    double InterceptB = 0;
    double Tolerance = 0;

    double SumX = 0, SumY = 0, SumXY = 0, SumXX = 0;
    double FitDenominator = 0;
    double MaxX = 0, MinX = 0, MaxY = 0, MinY = 0;
    // Band of the last full fit into which a refitted line is clipped.
    double LineClipTop = 0, LineClipBottom = 0;
    // End points of the line drawn by the refit.
    double LineLowX = 0, LineLowY = 0, LineHighX = 0, LineHighY = 0;

    Counter16 PointCount;
    Counter16 ActiveCount;
    Counter16 ResultPrecision;
    Counter16 ResultDecimals;
    Counter16 ResultRow;

    // Data file, record list and editor.
    std::string IniFileName;
    std::string DataFileName;
    Counter32 SelectedRecord;
    Counter32 RecordCounter;
    Counter16 EditorChanged;

    // Current cell of the point grid as the program tracks it.
    Counter16 EntryCol;
    Counter16 EntryRow;
};
