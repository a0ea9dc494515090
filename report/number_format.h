#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Numbers as the report writes them: always '.', whatever the locale.

// 17 significant digits, the shortest form printf's %.17g gives.
std::string ExactNumber(double value);
// The same written at `out`, which has room for kExactNumberRoom
// characters (more than the text takes); the end of the text.
constexpr std::size_t kExactNumberRoom = 40;
char* WriteExactNumber(char* out, double value);

// Up to 10 significant digits in the window's general format.
std::string ShortNumber(double value);

// ShortNumber, or the text of an undefined figure.
std::string ShortNumber(const std::optional<double>& value);
