#include "framework/draw/zRegion.h"

zRegion::zRegion() : handle_(CreateRectRgn(0, 0, 0, 0)) {}
zRegion::zRegion(HRGN handle) : handle_(handle) {}

zRegion::~zRegion() {
  if (handle_) DeleteObject(handle_);
}

zRegion& zRegion::combine(const zRegion& other, int mode) {
  CombineRgn(handle_, handle_, other.handle_, mode);
  return *this;
}

zRegion& zRegion::operator+=(zPoint offset) {
  OffsetRgn(handle_, offset.x(), offset.y());
  return *this;
}

zRegion& zRegion::operator-=(zPoint offset) {
  OffsetRgn(handle_, -offset.x(), -offset.y());
  return *this;
}

bool zRegion::operator==(const zRegion& other) const { return EqualRgn(handle_, other.handle_) != 0; }

bool zRegion::contains(zPoint p) const { return PtInRegion(handle_, p.x(), p.y()) != 0; }

bool zRegion::contains(const zRect& r) const {
  const RECT rc = r.toRECT();
  return RectInRegion(handle_, &rc) != 0;
}

void zRegion::boundingBox(zRect& box) const {
  RECT rc{0, 0, 0, 0};
  GetRgnBox(handle_, &rc);
  box.assign(rc);
}

zRectRegion::zRectRegion(int left, int top, int right, int bottom)
    : zRegion(CreateRectRgn(left, top, right, bottom)), rect_(left, top, right, bottom) {}

zRectRegion::zRectRegion(const zRect& rect) : zRegion(NoHandle{}), rect_(rect) {
  const RECT rc = rect.toRECT();
  handle_ = CreateRectRgnIndirect(&rc);
}

zEllipticRegion::zEllipticRegion(int left, int top, int right, int bottom)
    : zRegion(CreateEllipticRgn(left, top, right, bottom)), rect_(left, top, right, bottom) {}

zEllipticRegion::zEllipticRegion(const zRect& rect) : zRegion(NoHandle{}), rect_(rect) {
  const RECT rc = rect.toRECT();
  handle_ = CreateEllipticRgnIndirect(&rc);
}

zPolygonRegion::zPolygonRegion(const POINT* points, int count, int fillMode)
    : zRegion(CreatePolygonRgn(points, count, fillMode)), points_(points), count_(count), fillMode_(fillMode) {}

zRoundRectRegion::zRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
    : zRegion(CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight)),
      rect_(left, top, right, bottom),
      corner_(ellipseWidth, ellipseHeight) {}

zRoundRectRegion::zRoundRectRegion(const zRect& rect, zDimension corner)
    : zRoundRectRegion(rect.left(), rect.top(), rect.right(), rect.bottom(), corner.width(), corner.height()) {}
