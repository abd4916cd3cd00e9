#include "framework/draw/zDrawObj.h"

#include "framework/draw/zBitmap.h"

zDrawObj::~zDrawObj() {
  if (handle_ && !isBorrowed()) DeleteObject(handle_);
}

// ---------------------------------------------------------------- pens

zPen::zPen() : style_(PS_SOLID), width_(0), color_(), stockId_(0) {}

zPen::zPen(zColor color, int style, int width)
    : zDrawObj(CreatePen(style, width, color.colorRef()), 0),
      style_(style),
      width_(width),
      color_(color),
      stockId_(0) {}

zPen::zPen(const zPen& other)
    : zDrawObj(other), style_(other.style_), width_(other.width_), color_(other.color_), stockId_(other.stockId_) {
  if (!other.handle_) return;
  if (other.isBorrowed())
    handle_ = other.handle_;  // stock objects are shared and never deleted
  else
    handle_ = CreatePen(style_, width_, color_.colorRef());
}

zPenStock::zPenStock(int stockId) {
  handle_ = GetStockObject(stockId);
  flags_ = borrowed;
  stockId_ = stockId;
}

// ---------------------------------------------------------------- brushes

zBrush::zBrush() : kind_(solid), stockId_(0), color_(), patternBitmap_(nullptr) {}

zBrush::zBrush(zColor color)
    : zDrawObj(CreateSolidBrush(color.colorRef()), 0),
      kind_(solid),
      stockId_(0),
      color_(color),
      patternBitmap_(nullptr) {}

zBrush::zBrush(const zBrush& other)
    : zDrawObj(other),
      kind_(other.kind_),
      stockId_(other.stockId_),
      color_(other.color_),
      patternBitmap_(other.patternBitmap_) {
  if (!other.handle_) return;
  if (other.isBorrowed())
    handle_ = GetStockObject(stockId_);
  else if (patternBitmap_)
    handle_ = CreatePatternBrush(static_cast<HBITMAP>(patternBitmap_->handle()));
  else if (kind_ == solid)
    handle_ = CreateSolidBrush(color_.colorRef());
  else
    handle_ = CreateHatchBrush(kind_, color_.colorRef());
}

zBrushStock::zBrushStock(int stockId) {
  handle_ = GetStockObject(stockId);
  flags_ = borrowed;
  stockId_ = stockId;
}

zBrushHatch::zBrushHatch(zColor color, int hatchStyle) {
  kind_ = hatchStyle;
  color_ = color;
  handle_ = CreateHatchBrush(hatchStyle, color.colorRef());
}

zBrushPattern::zBrushPattern(zBitmap* bitmap) {
  kind_ = pattern;
  patternBitmap_ = bitmap;
  handle_ = bitmap ? CreatePatternBrush(static_cast<HBITMAP>(bitmap->handle())) : nullptr;
}
