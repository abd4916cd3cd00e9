#include "app/windows/solution/ChartArith.h"

#include "model/TextForms.h"

namespace PV {
namespace GUI {
namespace ChartArith {

namespace {

// One component from the two lightness bounds and a hue offset x (in turns).
double hueComponent(double m1, double m2, double x) {
  if (x < 0) x += 1;
  if (x > 1) x -= 1;
  if (6 * x < 1) return m1 + (m2 - m1) * 6 * x;
  if (2 * x < 1) return m2;
  if (3 * x < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - x) * 6;
  return m1;
}

uint8_t channel(double v) {
  if (v <= 0) return 0;
  if (v >= 1) return 255;
  return static_cast<uint8_t>(v * 255);
}

struct Hls {
  int32_t h, s, l;
};
constexpr Hls kPalette[kPaletteSize] = {
    {0, 240, 120},   {144, 240, 120}, {72, 240, 120}, {192, 240, 120}, {45, 240, 150},
    {120, 240, 120}, {192, 240, 180}, {48, 240, 180}, {100, 240, 180}, {10, 240, 160},
};

constexpr int32_t kSteps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000};

}  // namespace

Rgb hlsToRgb(int32_t hue, int32_t saturation, int32_t lightness) {
  const double h = hue / 240.0;
  const double s = saturation / 240.0;
  const double l = lightness / 240.0;
  if (s == 0) {
    const uint8_t grey = channel(l);
    return {grey, grey, grey};
  }
  const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  return {channel(hueComponent(m1, m2, h + 1.0 / 3.0)), channel(hueComponent(m1, m2, h)),
          channel(hueComponent(m1, m2, h - 1.0 / 3.0))};
}

int32_t paletteIndex(int32_t group) {
  const int32_t r = group % kPaletteSize;
  return r < 0 ? r + kPaletteSize : r;
}

Rgb paletteColour(int32_t index) {
  const Hls& e = kPalette[paletteIndex(index)];
  return hlsToRgb(e.h, e.s, e.l);
}

int32_t axisStep(int32_t maxValue) {
  const int32_t wanted = maxValue <= 0 ? 0 : (maxValue + kTicks - 1) / kTicks;
  for (int32_t step : kSteps) {
    if (step >= wanted) return step;
  }
  return 5000;
}

std::vector<int32_t> colourGroups(const std::vector<float>& values) {
  std::vector<int32_t> groups;
  groups.reserve(values.size());
  int32_t counter = 0;
  float previous = 100.0f;
  for (float v : values) {
    if (v != previous) ++counter;
    groups.push_back(counter);
    previous = v;
  }
  return groups;
}

ChartGeometry chartGeometry(int32_t nx, int32_t ny, int32_t cw, int32_t ch, int32_t clientWidth, int32_t clientHeight) {
  ChartGeometry g;
  if (nx < 1) nx = 1;
  if (ny < 1) ny = 1;
  g.width = (5 * nx + 10) * cw;
  g.height = (ny + 3) * ch;
  if (clientWidth > g.width) g.width = clientWidth;
  if (clientHeight > g.height) g.height = clientHeight;
  g.cellWidth = (g.width - 10 * cw) / nx;
  g.cellHeight = (g.height - 3 * ch) / ny;
  g.originX = 15 * cw / 2;
  g.originY = g.cellHeight * ny + 3 * ch / 2;
  return g;
}

BarFace barFace(const ChartGeometry& g, int32_t i, int32_t value, int32_t step) {
  BarFace f;
  const int32_t height = step > 0 ? (g.cellHeight * value) / step : 0;
  f.left = g.originX + i * g.cellWidth + g.cellWidth / 6;
  f.top = g.originY - height;
  f.right = f.left + 2 * g.cellWidth / 3 + 1;
  f.bottom = g.originY;
  return f;
}

int32_t clampSplit(int32_t split, int32_t extent, bool stacked) {
  if (extent < split + 5) split = extent - 5;
  if (split < 0) split = 0;
  if (stacked && split == 0) split = 128;
  return split;
}

std::string rankText(double pctRank) { return Data::TextForms::formatDouble1(pctRank) + " "; }

}  // namespace ChartArith
}  // namespace GUI
}  // namespace PV
