#include "chart/design_fonts.h"

QFont StandInFont(DesignFont font, int pixelHeight, bool bold)
{
    QFont standIn(font == DesignFont::TimesNewRoman ? QStringLiteral("Liberation Serif")
                                                    : QStringLiteral("Liberation Sans"));
    standIn.setStyleHint(font == DesignFont::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    standIn.setPixelSize(pixelHeight);
    standIn.setBold(bold);
    return standIn;
}

QFont AxisTitleFont() { return StandInFont(DesignFont::Arial, 15, true); }
