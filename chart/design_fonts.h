#pragma once

#include <QFont>

// The window's design names three Windows fonts. Each is shown in one
// installed font of the same metrics, so that texts take the widths the
// layout was made for: Liberation Sans for "MS Sans Serif" and "Arial",
// Liberation Serif for "Times New Roman".
enum class DesignFont { MsSansSerif, Arial, TimesNewRoman };

// The stand-in for a design font at a character height in pixels.
QFont StandInFont(DesignFont font, int pixelHeight, bool bold = false);

// The chart's axis titles: Arial, 15 pixels, bold.
QFont AxisTitleFont();
