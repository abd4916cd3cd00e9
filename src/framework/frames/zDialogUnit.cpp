#include "framework/frames/zDialogUnit.h"

#include "framework/draw/zDisplay.h"

namespace {
// The letters over which the average width is taken; K and L stand in this order on
// purpose, so that every width agrees with the one the dialog templates were drawn with.
const char kAverageText[] = "ABCDEFGHIJLKMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
}  // namespace

zDialogUnit::Base zDialogUnit::measure(HDC dc) {
  Base base;
  if (!dc) return base;
  base.fromFont = true;
  SIZE extent = {0, 0};
  GetTextExtentPointA(dc, kAverageText, 52, &extent);
  base.averageWidth = extent.cx / 52;
  if (extent.cx % 52 >= 26) ++base.averageWidth;
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  base.lineHeight = tm.tmHeight + tm.tmExternalLeading;
  return base;
}

int32_t zDialogUnit::pixelsX(int32_t units, const Base& base) {
  if (!base.fromFont) return static_cast<int32_t>(LOWORD(GetDialogBaseUnits())) * units / 4;
  const int32_t product = base.averageWidth * units;
  return product / 4 + (product % 4 >= 2 ? 1 : 0);
}

int32_t zDialogUnit::pixelsY(int32_t units, const Base& base) {
  if (!base.fromFont) return static_cast<int32_t>(HIWORD(GetDialogBaseUnits())) * units / 8;
  const int32_t product = base.lineHeight * units;
  return product / 8 + (product % 8 >= 4 ? 1 : 0);
}

int32_t zDialogUnit::pixelsX(int32_t units, HDC dc) { return pixelsX(units, measure(dc)); }

int32_t zDialogUnit::pixelsY(int32_t units, HDC dc) { return pixelsY(units, measure(dc)); }

zDialogUnit::zDialogUnit(int32_t x, int32_t y, zDisplay* display) { assign(x, y, display); }

zDialogUnit::zDialogUnit(int32_t x, int32_t y, const zRCFont& font) {
  convertWithFont(x, y, font.isValid() ? font.hfont() : nullptr);
}

zDialogUnit::zDialogUnit(int32_t x, int32_t y, zFont* font) { convertWithFont(x, y, font ? font->hfont() : nullptr); }

void zDialogUnit::convertWithFont(int32_t x, int32_t y, HFONT font) {
  logical_ = zPair(x, y);
  if (!font) {
    setDeviceX(pixelsX(x, nullptr));
    setDeviceY(pixelsY(y, nullptr));
    return;
  }
  ziInfoDisplay display;
  display.lock();
  const HGDIOBJ old = SelectObject(display.hdc(), font);
  setDeviceX(pixelsX(x, display.hdc()));
  setDeviceY(pixelsY(y, display.hdc()));
  SelectObject(display.hdc(), old);
  display.unlock();
}

void zDialogUnit::setX(int32_t units, zDisplay* display) {
  logical_ = zPair(units, logical_.second_);
  setDeviceX(pixelsX(units, display ? display->hdc() : nullptr));
}

void zDialogUnit::setY(int32_t units, zDisplay* display) {
  logical_ = zPair(logical_.first_, units);
  setDeviceY(pixelsY(units, display ? display->hdc() : nullptr));
}
