#include "framework/bars/zPaneCtrlArith.h"

int32_t zStaticTextX(uint32_t alignment, int32_t width, int32_t textWidth) {
  switch (alignment & 3u) {
    case 1:
      return width / 2 - textWidth / 2;
    case 2:
      return width - textWidth;
    default:
      return 1;
  }
}

zRect zValueSetGeometry::cellRect(int32_t column, int32_t row) const {
  const zDimension p = pitch();
  const int32_t left = margin + column * p.width();
  const int32_t top = margin + row * p.height();
  return zRect(left, top, left + p.width() - gap, top + p.height() - gap);
}

bool zValueSetGeometry::hitTest(const zPoint& point, const zDimension& grid, zPoint* cell) const {
  if (!hasStrip) return false;
  const int32_t qx = point.x() - margin;
  const int32_t qy = point.y() - margin;
  if (qx < 0 || qy < 0) return false;
  const zDimension p = pitch();
  const int32_t mx = qx % p.width();
  const int32_t my = qy % p.height();
  if (mx < frame || mx > image.width() + frame || my < frame || my > image.height() + frame) return false;
  const int32_t c = qx / p.width();
  const int32_t r = qy / p.height();
  if (c >= grid.width() || r >= grid.height()) return false;
  if (cell) *cell = zPoint(c, r);
  return true;
}

zDimension zValueSetGeometry::preferredSize(const zDimension& grid) const {
  if (grid.width() <= 0 || grid.height() <= 0) return zDimension(margin, margin);
  const zRect last = cellRect(grid.width() - 1, grid.height() - 1);
  return zDimension(last.right() + margin, last.bottom() + margin);
}

namespace {
constexpr int32_t kLeftMargin = 3;
constexpr int32_t kButtonBox = 11;
constexpr int32_t kButtonColumn = 16;
constexpr int32_t kImageGap = 5;
}  // namespace

zTreeHit zTreeRowHitTest(const zTreeRowShape& s, int32_t x) {
  int32_t rest = x - s.indent * s.level - kLeftMargin;
  const bool button = s.buttons && s.hasChildren;
  if (s.reserveColumns && s.hasStrip && !s.hasImage) rest -= s.imageWidth + kImageGap;
  if (button) {
    if (rest < kButtonBox) return rest >= 0 ? zTreeHitButton : zTreeHitText;
    rest -= kButtonColumn;
  } else if (s.reserveColumns) {
    rest -= kButtonColumn;
  }
  if (s.hasImage && rest >= 0 && rest <= s.imageWidth) return zTreeHitImage;
  return zTreeHitText;
}

int32_t zTreeRowLeadWidth(const zTreeRowShape& s) {
  int32_t w = s.indent * s.level + kLeftMargin;
  if (s.reserveColumns && s.hasStrip && !s.hasImage) w += s.imageWidth + kImageGap;
  if ((s.buttons && s.hasChildren) || s.reserveColumns) w += kButtonColumn;
  if (s.hasImage) w += s.imageWidth + kImageGap;
  return w;
}
