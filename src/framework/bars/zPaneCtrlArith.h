// Window-free geometry of the drawn pane controls: where a 3-D static caption starts, the
// cells of a value set and what a point hits among them, and what a point hits on a tree
// row and how wide the row is. Both builds compile and test these.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"

// ---------------------------------------------------------------- 3-D static text

// The caption's x inside a control whose face is `width` pixels wide, for a caption of
// textWidth pixels: alignment 0 left (x 1), 1 centred, 2 right; 3 has no placement of its
// own and is drawn as left. Centring halves each width toward zero.
int32_t zStaticTextX(uint32_t alignment, int32_t width, int32_t textWidth);

// ---------------------------------------------------------------- value set

struct zValueSetGeometry {
  zDimension image{10, 10};  // the strip's cell, 10 x 10 without a strip
  int32_t margin = 0;
  int32_t gap = 3;
  int32_t frame = 2;
  bool hasStrip = false;

  zDimension pitch() const { return zDimension(image.width() + 2 * frame + gap, image.height() + 2 * frame + gap); }
  // Top-left and bottom-right (exclusive of the gap) corners of a cell.
  zRect cellRect(int32_t column, int32_t row) const;
  // The cell a client point hits in a grid of the given size: false on a frame, a gap, a
  // point outside the grid or without a strip.
  bool hitTest(const zPoint& p, const zDimension& grid, zPoint* cell) const;
  // The bottom-right corner of the last cell plus the margin.
  zDimension preferredSize(const zDimension& grid) const;
};

// ---------------------------------------------------------------- tree rows

struct zTreeRowShape {
  int32_t indent = 0;           // pixels per level
  int32_t level = 0;            // 0 for a root item
  bool reserveColumns = false;  // style bit 0: image and button columns for every row
  bool buttons = true;          // expand buttons drawn
  bool hasChildren = false;
  bool hasImage = false;
  bool hasStrip = false;
  int32_t imageWidth = 0;
};

enum zTreeHit : int32_t { zTreeHitText = 0, zTreeHitButton = 1, zTreeHitImage = 2 };

// What x (in contents coordinates) hits on a row: the level's indent and the left margin
// of 3 come off first, whatever the style, so nested buttons are hit where they are drawn.
zTreeHit zTreeRowHitTest(const zTreeRowShape& shape, int32_t x);
// The width the row draws in, text excluded: indent, margin, reserved and button columns
// and the image with its gap.
int32_t zTreeRowLeadWidth(const zTreeRowShape& shape);
