#include "framework/draw/zBitmapDisplay.h"

#include "foundation/Assert.h"

zBitmapDisplay::zBitmapDisplay(zBitmap* bitmap) : bitmap_(nullptr), initialBitmap_(nullptr), memory_(nullptr) {
  HDC ic = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
  memory_ = CreateCompatibleDC(ic);
  if (ic) DeleteDC(ic);
  init(bitmap);
}

zBitmapDisplay::zBitmapDisplay(Context context) : bitmap_(nullptr), initialBitmap_(nullptr), memory_(context.memory) {
  init(context.bitmap);
}

void zBitmapDisplay::init(zBitmap* bitmap) {
  kind_ = bitmapKind;
  lock();
  bitmap_ = bitmap;
  if (memory_) {
    initialBitmap_ =
        bitmap && bitmap->handle() ? SelectObject(memory_, bitmap->handle()) : GetCurrentObject(memory_, OBJ_BITMAP);
    readMetrics(memory_);
  }
}

zBitmapDisplay::~zBitmapDisplay() {
  if (memory_) {
    if (initialBitmap_) SelectObject(memory_, initialBitmap_);
    // Deselect what the display owns before the context goes.
    SelectObject(memory_, GetStockObject(BLACK_PEN));
    SelectObject(memory_, GetStockObject(WHITE_BRUSH));
    SelectObject(memory_, GetStockObject(SYSTEM_FONT));
  }
  delete bitmap_;
  if (memory_) DeleteDC(memory_);
  unlock();
}

zBitmap* zBitmapDisplay::selectBitmap(zBitmap* bitmap) {
  zBitmap* previous = bitmap_;
  if (bitmap) {
    if (hdc_ && bitmap->handle()) {
      HGDIOBJ old = SelectObject(hdc_, bitmap->handle());
      if (!previous && !initialBitmap_) initialBitmap_ = old;
    }
  } else if (hdc_ && initialBitmap_) {
    SelectObject(hdc_, initialBitmap_);
  }
  bitmap_ = bitmap;
  return previous;
}

void zBitmapDisplay::play(zDisplay& target, int x, int y, int width, int height, int srcX, int srcY) {
  if (target.hdc() && memory_) BitBlt(target.hdc(), x, y, width, height, memory_, srcX, srcY, SRCCOPY);
}

void zBitmapDisplay::updateRect(zRect& r) { size(r); }

void zBitmapDisplay::size(zRect& r) {
  const zDimension d = bitmap_ ? bitmap_->size() : zDimension(0, 0);
  r = zRect(0, 0, d.width(), d.height());
}

// ---------------------------------------------------------------- sized and given bitmaps

zBitmapDisplay::Context zBitmapDisplaySized::make(zDisplay* display, int width, int height) {
  PV_ASSERT(display != nullptr);
  display->lock();
  Context context{CreateCompatibleDC(display->hdc()), new zBitmapCompatible(width, height, display)};
  display->unlock();
  return context;
}

zBitmapDisplaySized::zBitmapDisplaySized(zDisplay* display, int width, int height)
    : zBitmapDisplay(make(display, width, height)) {}

zBitmapDisplay::Context zBitmapDisplayBitmap::make(zDisplay* display, zBitmap* bitmap) {
  PV_ASSERT(display != nullptr);
  display->lock();
  Context context{CreateCompatibleDC(display->hdc()), bitmap};
  display->unlock();
  return context;
}

zBitmapDisplayBitmap::zBitmapDisplayBitmap(zDisplay* display, zBitmap* bitmap)
    : zBitmapDisplay(make(display, bitmap)) {}
