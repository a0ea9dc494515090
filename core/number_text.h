#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "arithmetic.h"

// Conversions between numbers and the texts the user sees or types. The
// decimal separator is the user's locale one, handed in by the caller.

// Spaces, an optional sign, digits with an optional separator (digits may be
// missing on either side, a lone separator reads as 0), an optional exponent
// "E"/"e" with optional sign and digits, spaces. Nothing else.
std::optional<Extended> ParseNumber(std::string_view text, std::string_view separator);

// ParseNumber, failing with "'text' is not a valid floating point value".
Extended ParseNumberOrThrow(std::string_view text, std::string_view separator);

// Fixed format with `decimals` digits after the separator and at most
// `precision` significant digits; the exponent form once the integer part
// needs more digits than the precision.
std::string FormatFixed(Extended value, int precision, int decimals, std::string_view separator);

// General format with `precision` significant digits, without trailing zeros.
std::string FormatGeneral(Extended value, int precision, std::string_view separator);

// "0" put in front of a text that begins with ".".
std::string AddLeadingZero(std::string text);

// The whole-number conversion of the run-time: spaces, an optional sign and
// decimal digits within the signed 32-bit range; otherwise
// "'text' is not a valid integer value".
int ParseInteger(std::string_view text);
