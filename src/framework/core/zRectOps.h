// Rectangle and point operations that the window classes use. They are kept here, beside
// the window classes, as free functions over the foundation's zRect and zPoint.
#pragma once

#include <algorithm>
#include <cstdint>

#include "foundation/Geometry.h"

namespace zRectOps {

// The larger (smaller) x and the larger (smaller) y of two points, each taken separately.
inline zPoint maxOf(const zPoint& a, const zPoint& b) { return zPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())); }
inline zPoint minOf(const zPoint& a, const zPoint& b) { return zPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())); }
// The point moved back by dx and dy.
inline zPoint subtract(const zPoint& p, int32_t dx, int32_t dy) { return zPoint(p.x() - dx, p.y() - dy); }

// With p the larger of the top-left corners and q the smaller of the bottom-right ones:
// true when p lies left of and above q.
inline bool intersects(const zRect& a, const zRect& b) {
  const zPoint p = maxOf(a.topLeft(), b.topLeft());
  const zPoint q = minOf(a.bottomRight(), b.bottomRight());
  return p.x() < q.x() && p.y() < q.y();
}
// The rectangle from p to q when they intersect, else all four coordinates 0.
inline zRect intersection(const zRect& a, const zRect& b) {
  if (!intersects(a, b)) return zRect(0, 0, 0, 0);
  const zPoint p = maxOf(a.topLeft(), b.topLeft());
  const zPoint q = minOf(a.bottomRight(), b.bottomRight());
  return zRect(p.x(), p.y(), q.x(), q.y());
}
// The smallest rectangle that holds both.
inline zRect unionOf(const zRect& a, const zRect& b) {
  const zPoint p = minOf(a.topLeft(), b.topLeft());
  const zPoint q = maxOf(a.bottomRight(), b.bottomRight());
  return zRect(p.x(), p.y(), q.x(), q.y());
}
inline int32_t rightValue(const zRect& r) { return r.bottomRight().x(); }
inline int32_t bottomValue(const zRect& r) { return r.bottomRight().y(); }

}  // namespace zRectOps
