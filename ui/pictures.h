#pragma once

#include <QIcon>
#include <QSize>

// The toolbar's 16 x 16 pictures.
QIcon FolderPicture();
QIcon DiskettePicture();
QIcon CalculatorPicture();

// A red arrow glyph; its disabled-state picture is a grey outline.
enum class ArrowDirection { Left, Right, Down };
QIcon RedArrowGlyph(ArrowDirection direction, QSize size);

// The window's 32 x 32 icon: a rising calibration line through points.
QIcon WindowIcon();
