// The layout rectangle of a window, nested in its parent window's sizer. This is the
// least that the window classes need: origin and extent, the parent and child sizers and
// the owning window, the size notification (a no-op here) and a layout that passes on to
// the child sizers. The layout classes of the controls library derive from it.
#pragma once

#include <cstdint>

#include "foundation/zGeometry.h"
#include "foundation/zLists.h"

class zWindow;

class zSizer {
 public:
  // An unset coordinate or extent; CreateWindowEx takes it as CW_USEDEFAULT.
  static constexpr int32_t unset = static_cast<int32_t>(0x80000000u);

  // All four values unset, attached under the parent (none for null).
  explicit zSizer(zSizer* parent = nullptr);
  // With an origin and an extent.
  zSizer(const zPoint& origin, const zDimension& extent, zSizer* parent);
  zSizer(const zSizer&) = delete;
  zSizer& operator=(const zSizer&) = delete;
  // Leaves its parent; child sizers are left without a parent.
  virtual ~zSizer();

  // The parent window's new client size, width in the low and height in the high 16 bits.
  virtual void sizeChanged(zWindow* window, uint32_t packedSize);
  // Without a rectangle: lay out again at the stored origin and extent (a sizer that
  // belongs to a window first takes the extent from the window's client rectangle). With
  // one: store it and lay out there.
  virtual void layout(const zRect* rect);

  void setOrigin(const zPoint& origin);
  zDimension setExtent(const zDimension& extent);
  zPoint origin() const { return zPoint(x_, y_); }
  zDimension extent() const { return zDimension(width_, height_); }
  zSizer* parent() const { return parent_; }
  void setWindow(zWindow* window);
  zWindow* window() const { return window_; }
  void detach();
  void addChild(zSizer* child);
  void addChildFirst(zSizer* child);
  uint32_t childCount() const { return childCount_; }

  int32_t x_;
  int32_t y_;
  int32_t width_;
  int32_t height_;

 protected:
  void layoutChildren();

 private:
  void adopt(zSizer* child);

  zSizer* parent_;
  zPlist* children_;
  uint32_t childCount_;
  zWindow* window_;
  uint32_t hasWindow_;
};
