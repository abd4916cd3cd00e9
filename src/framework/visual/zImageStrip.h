// A row of equal-sized images in one off-screen bitmap, drawn by index. Images added beyond
// the capacity are refused (index -1): the bitmap has no room for them.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"

class zBitmap;
class zBitmapDisplay;
class zDisplay;

class zImageStrip {
 public:
  // A memory display compatible with the reference display, capacity cells wide.
  zImageStrip(zDisplay* reference, const zDimension& cellSize, int32_t capacity);
  zImageStrip(const zImageStrip&) = delete;
  zImageStrip& operator=(const zImageStrip&) = delete;
  ~zImageStrip();

  // Copies the bitmap (the caller's) into the next cell; *index gets its index.
  zBitmap* add(zBitmap* bitmap, int32_t* index);
  // Loads a bitmap resource, adds it and frees it; the index, -1 when it failed.
  int32_t add(uint32_t resourceId);
  // The cell-sized area at (column, row) of a source display into the next cell.
  int32_t add(zDisplay* source, int32_t column, int32_t row);
  // Stretches the bitmap into cell index.
  zBitmap* replace(zBitmap* bitmap, int32_t index);
  void draw(zDisplay* target, const zPoint& at, int32_t index);
  void draw(zDisplay* target, int32_t x, int32_t y, int32_t index) { draw(target, zPoint(x, y), index); }
  const zDimension& cellSize() const { return cell_; }
  int32_t count() const { return count_; }
  int32_t capacity() const { return capacity_; }

 private:
  bool roomForOne() const { return count_ < capacity_; }
  zBitmapDisplay* display_;
  zDimension cell_;
  int32_t count_;
  int32_t capacity_;
};
