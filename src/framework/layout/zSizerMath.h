// Sizer arithmetic that never overflows: coordinates may hold sizerUnset (the smallest
// 32-bit value), and adding to it or subtracting from it must not wrap around.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"

namespace zSizerMath {

inline int32_t clamp64(int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

// a + b, held within 32 bits.
inline int32_t add(int32_t a, int32_t b) { return clamp64(static_cast<int64_t>(a) + b); }

// An unset coordinate counts as 0 in sums.
inline int32_t known(int32_t v) { return v == INT32_MIN ? 0 : v; }

inline int32_t width(const zRect& r) { return clamp64(static_cast<int64_t>(r.right()) - r.left()); }
inline int32_t height(const zRect& r) { return clamp64(static_cast<int64_t>(r.bottom()) - r.top()); }

inline zRect rectOf(const zPoint& origin, const zDimension& extent) {
  return zRect(origin.x(), origin.y(), add(origin.x(), extent.width()), add(origin.y(), extent.height()));
}

}  // namespace zSizerMath
