// GDI objects wrapped as small owning objects: the base zDrawObj, pens and brushes.
#pragma once

#include "foundation/Geometry.h"

#include <windows.h>

#include <cstdint>

class zBitmap;

// Owns one native GDI handle and deletes it, unless the handle is a borrowed stock
// object (flag bit 0). Wrappers are not assignable: two owners of one handle would
// delete it twice.
class zDrawObj {
 public:
  enum : uint32_t { borrowed = 1 };

  zDrawObj() : handle_(nullptr), flags_(0) {}
  zDrawObj(HGDIOBJ handle, uint32_t flags) : handle_(handle), flags_(flags) {}
  zDrawObj& operator=(const zDrawObj&) = delete;
  virtual ~zDrawObj();

  HGDIOBJ handle() const { return handle_; }
  void setHandle(HGDIOBJ h) { handle_ = h; }
  uint32_t flags() const { return flags_; }
  bool isBorrowed() const { return (flags_ & borrowed) != 0; }

 protected:
  zDrawObj(const zDrawObj& other) : handle_(nullptr), flags_(other.flags_) {}
  void setFlags(uint32_t flags) { flags_ = flags; }

  HGDIOBJ handle_;
  uint32_t flags_;
};

class zPen : public zDrawObj {
 public:
  zPen();  // no handle, black
  zPen(zColor color, int style, int width);
  // A copy gets a native pen of its own (a stock pen is borrowed again), so that
  // the original and the copy can each delete theirs.
  zPen(const zPen& other);

  HPEN hpen() const { return static_cast<HPEN>(handle_); }
  int style() const { return style_; }
  int width() const { return width_; }
  zColor color() const { return color_; }
  int stockId() const { return stockId_; }

 protected:
  int32_t style_;
  int32_t width_;
  zColor color_;
  int32_t stockId_;
};

// A stock pen (GetStockObject), never deleted.
class zPenStock : public zPen {
 public:
  explicit zPenStock(int stockId);
};

class zBrush : public zDrawObj {
 public:
  enum : int32_t { solid = 99, pattern = 2 };

  zBrush();                       // no handle, black
  explicit zBrush(zColor color);  // solid
  // A copy gets a native brush of its own, of the original's kind.
  zBrush(const zBrush& other);

  HBRUSH hbrush() const { return static_cast<HBRUSH>(handle_); }
  // 99 solid, 2 pattern (see isPattern), otherwise the hatch style.
  int kind() const { return kind_; }
  bool isPattern() const { return patternBitmap_ != nullptr; }
  int stockId() const { return stockId_; }
  zColor color() const { return color_; }
  zBitmap* patternBitmap() const { return patternBitmap_; }

 protected:
  int32_t kind_;
  int32_t stockId_;
  zColor color_;
  // Pattern brushes are recorded apart from the kind: kind 2 is also the hatch
  // style HS_FDIAGONAL, and a copy must recreate the brush's own kind.
  zBitmap* patternBitmap_;
};

class zBrushStock : public zBrush {
 public:
  explicit zBrushStock(int stockId);
};

class zBrushHatch : public zBrush {
 public:
  zBrushHatch(zColor color, int hatchStyle);
};

// The bitmap stays the caller's; it must outlive the brush and its copies.
class zBrushPattern : public zBrush {
 public:
  explicit zBrushPattern(zBitmap* bitmap);
};
