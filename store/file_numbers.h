#pragma once

#include <string>
#include <string_view>

// Numbers as the data file holds them: always '.', whatever the locale.

// A token of the form [+|-]digits[.digits][(E|e)[+|-]digits], at least one
// digit before the exponent; a token that does not have this form, or whose
// value lies beyond the range of a double, reads as 0.
double RealFromToken(std::string_view token);

// A token of the form [+|-]digits within the signed 32-bit range; any other
// token reads as 0.
long long IntegerFromToken(std::string_view token);

// Fixed notation with exactly eight decimals, rounded, '-' for a negative
// value ("0.05000000", "-1.50000000"). A magnitude of 10^36 or more, which
// would not fit the 64 characters a reader takes, is written with eight
// decimals and an exponent instead ("1.00000000e+40").
std::string RealText(double value);
