// Keeps a dialog-like arrangement proportional when the parent is resized: an expand
// sizer remembers, from its first geometry, which of its parts (left margin, width, right
// margin; top margin, height, bottom margin) stretch and in what proportion, and the
// expand layout rescales exactly those parts when the parent's size changes. Children with
// other sizers are docked simply at the top or the bottom.
#pragma once

#include "framework/layout/zSizer.h"

enum zExpandFlags : uint32_t {
  expandLeft = 0x01,
  expandRight = 0x02,
  expandTop = 0x04,
  expandBottom = 0x08,
  expandHeight = 0x10,
  expandWidth = 0x20,
};

class zExpandSizer : public zSizer {
 public:
  zExpandSizer(uint32_t flags, zSizer* parent);
  zExpandSizer(const zPoint& origin, const zDimension& extent, uint32_t flags, zSizer* parent);
  zExpandSizer(int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags, zSizer* parent);
  zExpandSizer(const zRect& rect, uint32_t flags, zSizer* parent);
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;

  // Recomputes the shares against the reference size when the geometry is new.
  void computeShares(int32_t refWidth, int32_t refHeight);

  uint32_t expandFlags() const { return expandFlags_; }
  float xShare() const { return xShare_; }
  float widthShare() const { return widthShare_; }
  float yShare() const { return yShare_; }
  float heightShare() const { return heightShare_; }
  int32_t fixedWidth() const { return fixedWidth_; }
  int32_t fixedHeight() const { return fixedHeight_; }

 private:
  friend class zExpandLayout;
  void init(uint32_t flags);

  uint32_t expandFlags_;
  float xShare_;
  float widthShare_;
  float yShare_;
  float heightShare_;
  int32_t fixedWidth_;
  int32_t fixedHeight_;
  zPoint lastOrigin_;
  zDimension lastExtent_;
  int32_t sharesDirty_;
};

class zExpandLayout : public zLayout {
 public:
  // Without a window the reference size is learnt at the first arrangement.
  explicit zExpandLayout(zSizerWindow* window);
  explicit zExpandLayout(const zDimension& reference);
  void arrange(zRect& rect, zSizerDlist* children, int32_t count) override;
  void measure(zSizeInfo& info, zSizerDlist* children, int32_t count) override;
  zDimension reference() const { return zDimension(refWidth_, refHeight_); }

 private:
  int32_t refWidth_;
  int32_t refHeight_;
};
