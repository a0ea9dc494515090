#pragma once

#include <cstdint>

#include "arithmetic.h"

// A value written as sign, significant decimal digits d1 d2 ... dn and an
// exponent e: |value| = 0.d1d2...dn × 10^e. Zero has no digits and e = 0.
class DecimalDigits {
public:
    // The 18 significant digits of the exact value, rounded to nearest with
    // ties to even. The value is read in place, field by field, not copied.
    explicit DecimalDigits(const Extended& value);

    // Keeps n digits, rounding half-up on digit n+1; n below 0 makes the
    // value 0, n = 0 lets the first digit decide between 0 and one unit in
    // the first place. A carry past the first digit gives the single digit 1
    // and e+1. Trailing zeros are dropped; a value that becomes 0 loses its
    // sign.
    void Round(int n);

    bool IsZero() const { return count_ == 0; }
    bool Negative() const { return negative_; }
    int Count() const { return count_; }
    int Exponent() const { return exponent_; }
    // The digits as characters '0'..'9'; valid after Round.
    const char* Digits() const { return text_; }

private:
    void FromSignificand(std::uint64_t significand, int power, int e);
    void FromLibrary(Extended value);
    void Normalize();

    bool negative_ = false;
    std::uint64_t digits_ = 0;  // the count_ digits as one integer
    int count_ = 0;
    int exponent_ = 0;
    char text_[18] = {};
};
