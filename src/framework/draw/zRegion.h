// GDI regions for invalidation and clipping.
#pragma once

#include "foundation/Geometry.h"

#include <windows.h>

class zRegion {
 public:
  zRegion();                      // an empty rectangular region
  explicit zRegion(HRGN handle);  // takes ownership of an existing region
  zRegion(const zRegion&) = delete;
  zRegion& operator=(const zRegion&) = delete;
  virtual ~zRegion();

  HRGN handle() const { return handle_; }

  zRegion& operator&=(const zRegion& other) { return combine(other, RGN_AND); }
  zRegion& operator*=(const zRegion& other) { return combine(other, RGN_AND); }
  zRegion& operator|=(const zRegion& other) { return combine(other, RGN_OR); }
  zRegion& operator^=(const zRegion& other) { return combine(other, RGN_XOR); }
  zRegion& operator-=(const zRegion& other) { return combine(other, RGN_DIFF); }
  zRegion& operator+=(zPoint offset);
  zRegion& operator-=(zPoint offset);
  bool operator==(const zRegion& other) const;
  bool operator!=(const zRegion& other) const { return !(*this == other); }

  bool contains(zPoint p) const;
  bool contains(const zRect& r) const;
  void boundingBox(zRect& box) const;

 protected:
  struct NoHandle {};
  explicit zRegion(NoHandle) : handle_(nullptr) {}
  zRegion& combine(const zRegion& other, int mode);

  HRGN handle_;
};

class zRectRegion : public zRegion {
 public:
  zRectRegion(int left, int top, int right, int bottom);
  explicit zRectRegion(const zRect& rect);
  const zRect& rect() const { return rect_; }

 private:
  zRect rect_;
};

class zEllipticRegion : public zRegion {
 public:
  zEllipticRegion(int left, int top, int right, int bottom);
  explicit zEllipticRegion(const zRect& rect);
  const zRect& rect() const { return rect_; }

 private:
  zRect rect_;
};

// The points are the caller's; the region keeps only a pointer to them.
class zPolygonRegion : public zRegion {
 public:
  zPolygonRegion(const POINT* points, int count, int fillMode);

 private:
  const POINT* points_;
  int count_;
  int fillMode_;
};

class zRoundRectRegion : public zRegion {
 public:
  zRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  zRoundRectRegion(const zRect& rect, zDimension corner);

 private:
  zRect rect_;
  zDimension corner_;
};
