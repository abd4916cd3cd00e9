// The window-free rules of the status line, the progress bar and the tool tips: the clock's
// text, the width sample of an on/off field, the line's height, the bar's fill and the place
// of a tip near the screen's right edge. Both builds compile and test them.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/Geometry.h"

namespace zbars {

// The clock's text for a time of day: "09.05" style with use24Hour 1 (two digits each),
// else "9:05 AM" style (hour 12 for 0 and 12; amText before noon, pmText from noon on).
std::string clockText(int hour, int minute, int use24Hour, const char* separator, const char* amText,
                      const char* pmText);
// The text whose extent sets the clock field's width.
std::string clockSample(int use24Hour, const char* separator);
// An on/off field is as wide as the wider of its texts with every character an "M"; a
// missing on-text measures "MMM", a missing off-text nothing.
std::string onOffSample(const char* onText, const char* offText);
// The status line's height for a font of textHeight pixels and the given margins.
inline int32_t statusLineHeight(int32_t textHeight, int32_t topMargin, int32_t bottomMargin, int32_t bevel = 2) {
  return 2 * bevel + textHeight + topMargin + bottomMargin + 2;
}

// Percentages are held to 0..100 (anything else, NaN too, would draw outside the bar).
float clampPercent(float percent);

// Fill directions and frames of a progress bar.
enum : uint32_t {
  fillFromLeft = 0x08,
  fillFromRight = 0x10,
  fillFromTop = 0x20,
  fillFromBottom = 0x40,
  frameSunken = 0x80,
  framePlain = 0x100,
  frameNone = 0x200,
};
uint32_t fillDirection(uint32_t style);
uint32_t setFillDirection(uint32_t style, uint32_t direction);
uint32_t frameStyle(uint32_t style);
uint32_t setFrameStyle(uint32_t style, uint32_t frame);

// The bar's inner area is `rect` less its top-left pixel row and column; the filled part and
// the rest of it for a percentage (clamped). An empty part has zero width or height.
struct ProgressParts {
  zRect inner;
  zRect filled;
  zRect rest;
  int32_t fill;
};
ProgressParts progressParts(const zRect& rect, uint32_t style, float percent);

// The left edge of a tip of width w placed at x: moved to the left of the pointer when it
// would reach past the screen's right edge.
inline int32_t tipLeft(int32_t x, int32_t w, int32_t screenWidth) { return x + w + 8 > screenWidth ? x - (w + 3) : x; }

}  // namespace zbars
