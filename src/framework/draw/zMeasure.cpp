#include "framework/draw/zMeasure.h"

#include "framework/draw/zDisplay.h"

#include <windows.h>

namespace {

// Integer arithmetic truncating toward zero, in the grouping the units are defined
// with; 64-bit intermediates so that large lengths cannot overflow.
int32_t scaled(int32_t v, int32_t num, int32_t den, int32_t offset, int32_t div) {
  if (den == 0) return 0;
  const int64_t t = static_cast<int64_t>(v) * num / den;
  return static_cast<int32_t>((t + offset) / div);
}

int32_t perInch(int32_t v, int32_t dpi, int32_t offset, int32_t div) {
  return static_cast<int32_t>((static_cast<int64_t>(v) * dpi + offset) / div);
}

}  // namespace

ziScreenSource ziProgramScreen = nullptr;

// The screen as the application object read it; before there is one (or without one,
// as in tools and tests) the screen is read here, once, by the same rules.
ziDeviceMetrics ziDeviceMetrics::screen() {
  ziDeviceMetrics held{};
  if (ziProgramScreen && ziProgramScreen(&held)) return held;
  static const ziDeviceMetrics metrics = [] {
    ziDeviceMetrics m{};
    HDC dc = GetDC(nullptr);
    if (dc) {
      m.horzRes = GetDeviceCaps(dc, HORZRES);
      m.vertRes = GetDeviceCaps(dc, VERTRES);
      m.pixelsPerInchX = GetDeviceCaps(dc, LOGPIXELSX);
      m.pixelsPerInchY = GetDeviceCaps(dc, LOGPIXELSY);
      m.horzSizeMM = GetDeviceCaps(dc, HORZSIZE);
      m.vertSizeMM = GetDeviceCaps(dc, VERTSIZE);
      ReleaseDC(nullptr, dc);
    }
    if (m.horzRes == 0) m.horzRes = 640;
    if (m.vertRes == 0) m.vertRes = 480;
    return m;
  }();
  return metrics;
}

ziDeviceMetrics ziDeviceMetrics::of(zDisplay* display) {
  if (!display) return screen();
  return ziDeviceMetrics{display->horzRes(),        display->vertRes(),    display->pixelsPerInchX(),
                         display->pixelsPerInchY(), display->horzSizeMM(), display->vertSizeMM()};
}

void zLogMeasure::setX(int32_t value, zDisplay*) { first_ = value; }
void zLogMeasure::setY(int32_t value, zDisplay*) { second_ = value; }

void zLogMeasure::assign(int32_t x, int32_t y, zDisplay* display) {
  logical_ = zPair(x, y);
  setX(x, display);
  setY(y, display);
}

void zLogMeasure::recompute(zDisplay* display) {
  setX(logical_.first_, display);
  setY(logical_.second_, display);
}

#define PV_MEASURE_X(Name, expr)                                                \
  void Name::setX(int32_t v, zDisplay* display) {                               \
    const ziDeviceMetrics m = ziDeviceMetrics::of(display);                     \
    const int32_t dpi = m.pixelsPerInchX, res = m.horzRes, size = m.horzSizeMM; \
    (void)dpi;                                                                  \
    (void)res;                                                                  \
    (void)size;                                                                 \
    first_ = (expr);                                                            \
  }
#define PV_MEASURE_Y(Name, expr)                                                \
  void Name::setY(int32_t v, zDisplay* display) {                               \
    const ziDeviceMetrics m = ziDeviceMetrics::of(display);                     \
    const int32_t dpi = m.pixelsPerInchY, res = m.vertRes, size = m.vertSizeMM; \
    (void)dpi;                                                                  \
    (void)res;                                                                  \
    (void)size;                                                                 \
    second_ = (expr);                                                           \
  }
#define PV_MEASURE(Name, expr) PV_MEASURE_X(Name, expr) PV_MEASURE_Y(Name, expr)

PV_MEASURE(zPrPoint, scaled(v, dpi, 72, 5, 10))
PV_MEASURE(zLoMetric, scaled(v, res, size, 5, 10))
PV_MEASURE(zHiMetric, scaled(v, res, size, 50, 100))
PV_MEASURE(zLoEnglish, perInch(v, dpi, 50, 100))
PV_MEASURE(zHiEnglish, perInch(v, dpi, 500, 1000))
PV_MEASURE(zPica, perInch(v, dpi, 3, 6))
