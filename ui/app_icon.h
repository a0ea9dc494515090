#pragma once

#include <QIcon>

// The program's 32 x 32 icon, a small chart with a fitted line and its points,
// worn by the main window and the About window.
QIcon AppIcon();
