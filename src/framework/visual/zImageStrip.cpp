#include "framework/visual/zImageStrip.h"

#include "framework/core/zResId.h"
#include "framework/draw/zBitmap.h"
#include "framework/draw/zBitmapDisplay.h"

zImageStrip::zImageStrip(zDisplay* reference, const zDimension& cellSize, int32_t capacity)
    : display_(nullptr), cell_(cellSize), count_(0), capacity_(capacity > 0 ? capacity : 0) {
  if (reference) reference->lock();
  display_ = new zBitmapDisplaySized(reference, cell_.width() * (capacity_ > 0 ? capacity_ : 1), cell_.height());
  if (reference) reference->unlock();
}

zImageStrip::~zImageStrip() { delete display_; }

zBitmap* zImageStrip::add(zBitmap* bitmap, int32_t* index) {
  if (index) *index = -1;
  if (!bitmap || !roomForOne()) return bitmap;
  display_->lock();
  HDC mem = CreateCompatibleDC(display_->hdc());
  const HGDIOBJ old = SelectObject(mem, bitmap->hbitmap());
  BitBlt(display_->hdc(), cell_.width() * count_, 0, cell_.width(), cell_.height(), mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  display_->unlock();
  if (index) *index = count_;
  ++count_;
  return bitmap;
}

int32_t zImageStrip::add(uint32_t resourceId) {
  zBitmap* loaded = new zBitmap(zResId(resourceId));
  int32_t index = -1;
  if (loaded->hbitmap()) add(loaded, &index);
  delete loaded;
  return index;
}

int32_t zImageStrip::add(zDisplay* source, int32_t column, int32_t row) {
  if (!source || !roomForOne()) return -1;
  source->lock();
  display_->lock();
  BitBlt(display_->hdc(), cell_.width() * count_, 0, cell_.width(), cell_.height(), source->hdc(),
         column * cell_.width(), row * cell_.height(), SRCCOPY);
  display_->unlock();
  source->unlock();
  return count_++;
}

zBitmap* zImageStrip::replace(zBitmap* bitmap, int32_t index) {
  if (!bitmap || index < 0 || index >= capacity_) return bitmap;
  const zDimension s = bitmap->size();
  display_->lock();
  HDC mem = CreateCompatibleDC(display_->hdc());
  const HGDIOBJ old = SelectObject(mem, bitmap->hbitmap());
  const int oldMode = SetStretchBltMode(display_->hdc(), COLORONCOLOR);
  StretchBlt(display_->hdc(), cell_.width() * index, 0, cell_.width(), cell_.height(), mem, 0, 0, s.width(), s.height(),
             SRCCOPY);
  SetStretchBltMode(display_->hdc(), oldMode);
  SelectObject(mem, old);
  DeleteDC(mem);
  display_->unlock();
  return bitmap;
}

void zImageStrip::draw(zDisplay* target, const zPoint& at, int32_t index) {
  if (!target || index < 0 || index >= count_) return;
  target->lock();
  display_->lock();
  BitBlt(target->hdc(), at.x(), at.y(), cell_.width(), cell_.height(), display_->hdc(), cell_.width() * index, 0,
         SRCCOPY);
  display_->unlock();
  target->unlock();
}
