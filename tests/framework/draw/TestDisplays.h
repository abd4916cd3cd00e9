// Helpers shared by the drawing tests.
#pragma once

#include "framework/draw/zBitmapDisplay.h"
#include "framework/draw/zDisplay.h"

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
