// Helpers shared by the drawing tests.
#pragma once

#include "framework/draw/zBitmapDisplay.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zFont.h"

// A display with chosen device metrics and no device context.
class MetricsDisplay : public zDisplay {
 public:
  MetricsDisplay(int perInch, int res = 0, int sizeMM = 0) { setMetrics(res, res, perInch, perInch, sizeMM, sizeMM); }
};

// A bitmap display of the given size, filled white.
inline zBitmapDisplay* newCanvas(int width, int height) {
  ziInfoDisplay screen;
  auto* d = new zBitmapDisplaySized(&screen, width, height);
  PatBlt(d->hdc(), 0, 0, width, height, WHITENESS);
  return d;
}

inline uint32_t rgb(zColor c) { return c.colorRef(); }

// A font that counts its destructions in fontsDeleted.
inline int fontsDeleted = 0;
struct CountedFont : zFont {
  explicit CountedFont(int height = 12) : zFont("Arial", zDimension(0, height)) {}
  ~CountedFont() override { ++fontsDeleted; }
};
