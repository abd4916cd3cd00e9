// The arithmetic of the solution window, free of windows so that both builds test it:
// the rank chart's palette (hue, saturation and lightness on a 0 to 240 scale turned
// into red, green and blue), its colour groups of equal ranks, the step of its value
// axis and where its cells and bars lie; the split bar's position; the table's
// rank texts. Nothing here fails: every input gives a result, out-of-range values
// included (they are clamped where a drawing would otherwise leave the window).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace GUI {
namespace ChartArith {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

// Hue, saturation and lightness, each 0 to 240, to red, green and blue.
Rgb hlsToRgb(int32_t hue, int32_t saturation, int32_t lightness);

// The ten bar colours in palette order (the text on every bar is black).
constexpr int32_t kPaletteSize = 10;
Rgb paletteColour(int32_t index);
// The palette entry of a colour group: groups beyond the tenth start the palette
// again, so that a ranking with many distinct values still draws every bar.
int32_t paletteIndex(int32_t group);

// The value axis has 6 intervals; its step is the first of 1, 2, 5, 10, ... 5000 not
// below ceiling(maxValue / 6), or 5000.
constexpr int32_t kTicks = 6;
int32_t axisStep(int32_t maxValue);

// The colour group of each row value, in row order: the group counter starts at 0 with
// a previous value of 100 and goes up by one at every change of value, so a top rank
// of 100 is group 0 and equal neighbours share a group.
std::vector<int32_t> colourGroups(const std::vector<float>& values);

// Where the chart's cells lie for nx by ny cells in a client area, with the measured
// size of the text "0" (cw by ch).
struct ChartGeometry {
  int32_t width = 0;  // the drawing size: at least the client size
  int32_t height = 0;
  int32_t cellWidth = 0;
  int32_t cellHeight = 0;
  int32_t originX = 0;  // the foot of the front value axis
  int32_t originY = 0;
};
ChartGeometry chartGeometry(int32_t nx, int32_t ny, int32_t cw, int32_t ch, int32_t clientWidth, int32_t clientHeight);

// The front face of bar i (from 0) of a value: left, top, right (exclusive) and bottom;
// the oblique top and side faces are offset by one cell (dx = cellWidth, dy = cellHeight).
struct BarFace {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};
BarFace barFace(const ChartGeometry& g, int32_t i, int32_t value, int32_t step);

// The split bar's position after a layout or a drag, on an extent (width for a
// side-by-side split, height for a stacked one): at most extent - 5, at least 0. A
// stacked split whose position ends at 0 takes 128, so that a window opened very small
// still shows a table when it grows.
int32_t clampSplit(int32_t split, int32_t extent, bool stacked);

// The rank as the table shows it: one decimal and a trailing blank ("100.0 ").
std::string rankText(double pctRank);

}  // namespace ChartArith
}  // namespace GUI
}  // namespace PV
