#pragma once

#include <QColor>

#include "core/colour.h"

// A $00BBGGRR colour as Qt's.
inline QColor ToQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The background of the chart: the active window border colour of the
// desktop's standard scheme (Qt's palette has no role for window borders).
inline QColor ActiveBorderColour()
{
    return QColor(180, 180, 180);
}
