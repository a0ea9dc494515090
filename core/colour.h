#pragma once

#include <cstdint>

// Colours in the $00BBGGRR form.
using Colour = std::uint32_t;

constexpr Colour clRed = 0x0000FF;
constexpr Colour clLime = 0x00FF00;
constexpr Colour clSilver = 0xC0C0C0;
constexpr Colour clBlue = 0xFF0000;
constexpr Colour clGreen = 0x008000;
constexpr Colour clBlack = 0x000000;
// Passed when adding a value: draw it in its series' own colour.
constexpr Colour DefaultSeriesColor = 0x80000000;
