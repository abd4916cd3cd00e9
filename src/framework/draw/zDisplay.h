// The drawing surface. A display keeps the state that is to hold in a device context
// (colours, modes, origins and extents, the current pen, brush and font) and selects
// it into the context at the first lock; changes made while locked apply at once.
#pragma once

#include "foundation/FLTLists.h"
#include "foundation/Geometry.h"
#include "foundation/PointerLists.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zRCFont.h"

#include <windows.h>

#include <cstdint>

class zBitmap;
class zRegion;

// Stacks of drawing objects and of displays; the first item is the top.
class zBrushStack : public zSlist {};
class zPenStack : public zSlist {};
class zFontStack : public zSlist {};
class zDisplayStack : public zSlist {};

class zDisplay {
 public:
  enum Kind : int32_t { baseKind = 0, windowKind = 1, bitmapKind = 2, printerKind = 3, metafileKind = 4 };
  // Called for each point of lineDDA with the caller's data.
  using LineHandler = void (*)(void* data, int x, int y);

  zDisplay();
  zDisplay(const zDisplay&) = delete;
  zDisplay& operator=(const zDisplay&) = delete;
  // Deletes every pen, brush and pushed font left on the stacks. The display must be
  // unlocked by then (displays that hold their context for life release it first).
  virtual ~zDisplay();

  // The first lock acquires the context and applies the stored state; the last unlock
  // releases it. Each lock is matched by exactly one unlock.
  void lock();
  void unlock();
  bool isLocked() const { return lockCount_ > 0; }
  int32_t lockCount() const { return lockCount_; }
  HDC hdc() const { return hdc_; }

  virtual void updateRect(zRect& r);
  virtual void invalidateRect(const RECT* r, bool erase);
  virtual void invalidateRegion(zRegion& region, bool erase);
  // Measured on the current context; a length of 0 means the text's own length.
  virtual zDimension textExtent(const char* text, int length = 0);
  virtual void size(zRect& r);
  // Copies the whole bitmap to `at`; false when the display is not locked.
  virtual bool drawBitmap(zBitmap& bitmap, zPoint at, DWORD rop = SRCCOPY);

  // State. Each setter stores the value and applies it when locked.
  zColor backColor(zColor color);
  zColor textColor(zColor color);
  zColor getBackColor() const { return backColor_; }
  zColor currentTextColor() const { return textColor_; }
  void backMode(int mode);
  int getBackMode() const { return backMode_; }
  int rop2(int rop);
  int mapMode(int mode);
  // Locked: the system call's result; else the stored origin, x low and y high.
  int32_t setOrigin(int x, int y);
  const zPoint& originRef() const { return windowOrigin_; }
  int32_t viewportOrigin(int x, int y);
  // Callers call these only while locked.
  void windowExtent(int cx, int cy);
  void viewportExtent(int cx, int cy);
  const zRect& area() const { return area_; }
  const zRect& bounds() const { return bounds_; }
  void setBounds(const zRect& r) { bounds_ = r; }
  void setPainting(bool painting) { painting_ = painting; }
  bool isPainting() const { return painting_; }

  // Pens and brushes pushed pass to the display; popped or replaced ones come back
  // to the caller, who deletes them.
  void pushBrush(zBrush* brush);
  zBrush* popBrush();
  zBrush* replaceBrush(zBrush* brush);
  zBrush* currentBrush() const { return currentBrush_; }
  void pushPen(zPen* pen);
  zPen* popPen();
  zPen* replacePen(zPen* pen);
  zPen* currentPen() const { return currentPen_; }

  // Fonts: a stack of pushed fonts over a stack of shared default fonts.
  void pushFont(zFont* font);
  zFont* popFont();
  zFont* replaceFont(zFont* font);
  zFont* currentFont() const { return currentFont_; }
  void setDefaultFont(const zRCFont& font);
  zRCFont font() const;  // the first default font, or an empty one
  zRCFont popRCFont();
  zRCFont replaceDefaultFont(const zRCFont& font);
  void textMetrics(TEXTMETRICA& metrics);

  // Drawing (on the context while locked).
  void textOut(int x, int y, const char* text, int length);
  void textOutString(int x, int y, const char* text);
  void textOutCentered(const zRect& r, const char* text, int length = 0);
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  void rectangle(int left, int top, int right, int bottom);
  void rectangle(const zRect& r) { rectangle(r.left(), r.top(), r.right(), r.bottom()); }
  void polygon(const POINT* points, int count);
  void polyline(const POINT* points, int count);
  void frameRect(const zRect& r);
  // The colour the system actually set (it may take the nearest it can show); the
  // display's background colour when the pixel cannot be set (outside, or unlocked).
  zColor setPixel(int x, int y, zColor color);
  // The pixel's colour; the display's background colour when it cannot be read.
  zColor getPixel(int x, int y);
  int lineDDA(zPoint from, zPoint to, LineHandler handler, void* data);
  void selectClipRegion(zRegion* region);
  bool stretchBitmap(zBitmap& bitmap, zPoint at, zDimension size, DWORD rop = SRCCOPY, int stretchMode = COLORONCOLOR);

  // Device metrics.
  int32_t pixelsPerInchX() const { return pixelsPerInchX_; }
  int32_t pixelsPerInchY() const { return pixelsPerInchY_; }
  int32_t horzRes() const { return horzRes_; }
  int32_t vertRes() const { return vertRes_; }
  int32_t horzSizeMM() const { return horzSizeMM_; }
  int32_t vertSizeMM() const { return vertSizeMM_; }
  int32_t kind() const { return kind_; }

 protected:
  // Concrete displays set hdc_ here, and give it back.
  virtual void acquireDC() {}
  virtual void releaseDC() {}

  // Reads the six device metrics from a context.
  void readMetrics(HDC dc);
  void setMetrics(int32_t horzRes, int32_t vertRes, int32_t perInchX, int32_t perInchY, int32_t horzSizeMM,
                  int32_t vertSizeMM);
  // The window colours and brush of window and information displays.
  void useWindowColors();
  // Selects the current font, or the stock system font when there is none (so that
  // a font handed back to its owner is no longer selected).
  void selectCurrentFont();

  int32_t lockCount_;
  zRect area_;
  zColor backColor_;
  zColor textColor_;
  zBrush* currentBrush_;
  zBrushStack brushStack_;
  zPen* currentPen_;
  zPenStack penStack_;
  FLTValSlist<zRCFont> defaultFonts_;
  zFont* currentFont_;
  zFontStack fontStack_;
  int32_t rop2_;
  zPoint windowOrigin_;
  zPoint viewportOrigin_;
  zDimension windowExtent_;
  zDimension viewportExtent_;
  int32_t mapMode_;
  int32_t kind_;
  int32_t horzRes_, vertRes_;
  int32_t pixelsPerInchX_, pixelsPerInchY_;
  int32_t horzSizeMM_, vertSizeMM_;
  int32_t backMode_;
  zRect bounds_;
  bool painting_;
  HDC hdc_;

 private:
  void updateCurrentFont();
};

// A display whose drawing can be played or copied onto another display.
class zReadableDisplay : public zDisplay {
 public:
  // Copies or plays this display's contents into a rectangle of the target.
  virtual void play(zDisplay& target, int x, int y, int width, int height, int srcX = 0, int srcY = 0);
};

// An information context on the screen: measuring without drawing.
class ziInfoDisplay : public zReadableDisplay {
 public:
  ziInfoDisplay();
  ~ziInfoDisplay() override;

 protected:
  void acquireDC() override;
  void releaseDC() override;
};
