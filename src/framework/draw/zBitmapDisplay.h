// A memory display whose drawing lands in a bitmap, and which copies it onto another
// display. It holds its memory context, locked, from construction to destruction.
#pragma once

#include "framework/draw/zBitmap.h"
#include "framework/draw/zDisplay.h"

class zBitmapDisplay : public zReadableDisplay {
 public:
  // Memory context compatible with the screen; the bitmap passes to the display.
  explicit zBitmapDisplay(zBitmap* bitmap);
  ~zBitmapDisplay() override;

  // With a bitmap: selects it and returns the previous one. With null: reselects the
  // context's own initial bitmap and returns the current one. The returned bitmap
  // passes back to the caller.
  zBitmap* selectBitmap(zBitmap* bitmap);
  zBitmap* bitmap() const { return bitmap_; }

  // Copies from this bitmap into the target's context (SRCCOPY).
  void play(zDisplay& target, int x, int y, int width, int height, int srcX = 0, int srcY = 0) override;
  void copyTo(zDisplay& target, int x, int y, int width, int height, int srcX = 0, int srcY = 0) {
    play(target, x, y, width, height, srcX, srcY);
  }
  void updateRect(zRect& r) override;
  void size(zRect& r) override;

 protected:
  struct Context {
    HDC memory;
    zBitmap* bitmap;
  };
  // A memory context made by a derived class, and the bitmap to select into it.
  explicit zBitmapDisplay(Context context);
  void acquireDC() override { hdc_ = memory_; }

 private:
  void init(zBitmap* bitmap);

  zBitmap* bitmap_;
  HGDIOBJ initialBitmap_;
  HDC memory_;
};

// A new bitmap of the given size, compatible with the given display.
class zBitmapDisplaySized : public zBitmapDisplay {
 public:
  zBitmapDisplaySized(zDisplay* display, int width, int height);

 private:
  static Context make(zDisplay* display, int width, int height);
};

// The given bitmap, in a memory context compatible with the given display.
class zBitmapDisplayBitmap : public zBitmapDisplay {
 public:
  zBitmapDisplayBitmap(zDisplay* display, zBitmap* bitmap);

 private:
  static Context make(zDisplay* display, zBitmap* bitmap);
};
