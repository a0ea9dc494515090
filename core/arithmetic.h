#pragma once

#include <cmath>
#include <limits>

#include "run_error.h"

// Expressions are evaluated in 80-bit extended precision and rounded to a
// 64-bit double only when stored into a field.
using Extended = long double;

// Rounds an extended value to the double it is stored as; a value beyond the
// range of a double is a run-time error.
inline double StoreReal(Extended value)
{
    const double stored = static_cast<double>(value);
    if (std::isinf(stored) && !std::isinf(value))
        throw RunError::FloatOverflow();
    return stored;
}

// Extended division with the run-time errors of a zero divisor.
inline Extended Divide(Extended numerator, Extended denominator)
{
    if (denominator == 0)
        throw numerator == 0 ? RunError::InvalidOperation() : RunError::DivisionByZero();
    return numerator / denominator;
}

// 32-bit signed addition with the overflow check of the run-time.
inline int AddInt(int a, int b)
{
    int sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw RunError::IntegerOverflow();
    return sum;
}
