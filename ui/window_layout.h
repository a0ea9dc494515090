#pragma once

// The main window's figures that the two views ("Расширенный" and
// "Сокращенный") change, in pixels at 96 dots per inch.
namespace WindowLayout {

constexpr int ClientHeight = 410;

// Left edge of the result side: record list, equation, blank field and result table.
constexpr int ExtendedLeft = 226;
constexpr int CompactLeft = 171;

// The small buttons keep these distances from the result side's left edge.
constexpr int BitBtn1Offset = 118;
constexpr int SpeedButton1Offset = 87;
constexpr int SpeedButton2Offset = 111;

// The left-hand panel and the client area; the chart fills what lies between
// them, 355 pixels in both views.
constexpr int ExtendedPanelWidth = 369;
constexpr int CompactPanelWidth = 314;
constexpr int ExtendedClientWidth = 724;
constexpr int CompactClientWidth = 669;

// The point grid with and without its deviation column.
constexpr int ExtendedPointGridWidth = 216;
constexpr int CompactPointGridWidth = 160;
constexpr int DeviationColumnWidth = 55;

}  // namespace WindowLayout
