#include "framework/bars/zBarsArith.h"

#include <cmath>
#include <cstdio>

namespace zbars {

std::string clockText(int hour, int minute, int use24Hour, const char* separator, const char* amText,
                      const char* pmText) {
  char buf[64];
  const char* sep = separator ? separator : ":";
  if (use24Hour == 1) {
    std::snprintf(buf, sizeof buf, "%02d%s%02d", hour, sep, minute);
  } else {
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    const char* suffix = hour < 12 ? (amText ? amText : "") : (pmText ? pmText : "");
    std::snprintf(buf, sizeof buf, "%d%s%02d %s", h12, sep, minute, suffix);
  }
  return buf;
}

std::string clockSample(int use24Hour, const char* separator) {
  const char* sep = separator ? separator : ":";
  return use24Hour == 1 ? std::string("MM") + sep + "MM" : std::string("M") + sep + "MM MM";
}

std::string onOffSample(const char* onText, const char* offText) {
  const size_t on = onText ? std::string(onText).size() : 3;
  const size_t off = offText ? std::string(offText).size() : 0;
  return std::string(on > off ? on : off, 'M');
}

float clampPercent(float percent) {
  if (!(percent > 0.0f)) return 0.0f;  // NaN too
  return percent > 100.0f ? 100.0f : percent;
}

uint32_t fillDirection(uint32_t style) {
  for (uint32_t d : {fillFromRight, fillFromTop, fillFromBottom, fillFromLeft})
    if (style & d) return d;
  return 0;
}

uint32_t setFillDirection(uint32_t style, uint32_t direction) {
  const uint32_t old = fillDirection(style);
  return (style & ~old) | direction;
}

uint32_t frameStyle(uint32_t style) {
  for (uint32_t f : {frameSunken, frameNone, framePlain})
    if (style & f) return f;
  return 0;
}

uint32_t setFrameStyle(uint32_t style, uint32_t frame) {
  const uint32_t old = frameStyle(style);
  return (style & ~old) | frame;
}

ProgressParts progressParts(const zRect& rect, uint32_t style, float percent) {
  ProgressParts p;
  const int32_t l = rect.left() + 1, t = rect.top() + 1, r = rect.right(), b = rect.bottom();
  p.inner = zRect(l, t, r, b);
  const uint32_t dir = fillDirection(style);
  const bool horizontal = dir == fillFromLeft || dir == fillFromRight || dir == 0;
  int32_t extent = horizontal ? r - l : b - t;
  if (extent < 0) extent = 0;
  p.fill = static_cast<int32_t>(std::trunc(static_cast<double>(extent) * clampPercent(percent) * 0.01));
  const int32_t f = p.fill;
  switch (dir) {
    case fillFromRight:
      p.filled = zRect(r - f, t, r, b);
      p.rest = zRect(l, t, r - f, b);
      break;
    case fillFromTop:
      p.filled = zRect(l, t, r, t + f);
      p.rest = zRect(l, t + f, r, b);
      break;
    case fillFromBottom:
      p.filled = zRect(l, b - f, r, b);
      p.rest = zRect(l, t, r, b - f);
      break;
    default:
      p.filled = zRect(l, t, l + f, b);
      p.rest = zRect(l + f, t, r, b);
      break;
  }
  return p;
}

}  // namespace zbars
