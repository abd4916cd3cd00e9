// Bitmap buttons and tool buttons: drawn push or toggle buttons whose face shows one image
// of a bitmap chosen by the button's state (six equal frames side by side for a bitmap
// button; one image, or a cell of a shared strip, for a tool button), with an optional
// caption. A disabled one-frame button shows its image with half of its pixels light grey;
// that picture is made on first need and made again whenever the image changes.
#pragma once

#include <cstdint>

#include "framework/visual/zCtrl3d.h"

class zBitmap;

class ziVisBmpButtonInternal : public ziVisButton {
 public:
  ziVisBmpButtonInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id, zBitmap* bitmap,
                         int32_t frames);
  ziVisBmpButtonInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id, zBitmap* strip,
                         const zRect& cell);
  ~ziVisBmpButtonInternal() override;

  // A repaint shows the look last chosen, pressed looks included.
  void draw(const zRect* clip) override;
  void showState0() override;
  void showState1() override;
  void showState2() override;
  void showReleased() override;
  void setValue(int32_t focus) override { focus_ = focus; }
  int32_t value() override { return focus_; }
  void setStyle(uint32_t style) override;

  // Stores a new image and returns the previous one (the caller's from then on).
  zBitmap* setBitmap(zBitmap* bitmap);
  zBitmap* bitmap() const { return bitmap_; }
  void setDisabled(int disabled) { disabled_ = disabled; }
  int disabled() const { return disabled_ || (style_ & WS_DISABLED) ? 1 : 0; }
  // The size of one image; (0, 0) without a bitmap.
  zDimension imageSize() const;
  zPoint imageOrigin() const { return origin_; }
  int32_t imageIndex() const { return imageIndex_; }
  bool hasDisabledImage() const { return disabledImage_ != nullptr; }
  // Draws the current look again (focus changes).
  void redraw();

 private:
  void paint(int32_t faceMode, int32_t imageIndex);
  void placeImage();
  void drawImage(HDC dc);
  void dropDisabledImage();

  uint32_t style_;
  zBitmap* bitmap_;
  HBITMAP disabledImage_;
  zPoint origin_;
  int32_t focus_;
  int32_t disabled_;
  int32_t strip_;
  zRect cell_;
  int32_t frames_;
  int32_t faceMode_;
  int32_t imageIndex_;
};

class ziVisText3dBmp : public ziVisText3d {
 public:
  ziVisText3dBmp(ziCompound* parent, zSizer* sizer, uint32_t style, const char* text, int hasBitmap)
      : ziVisText3d(parent, sizer, style, text), hasBitmap_(hasBitmap), buttonState_(ziStateUp) {}
  void draw(const zRect* clip) override;
  void setHasBitmap(int has) { hasBitmap_ = has; }
  void setButtonState(int32_t state) { buttonState_ = state; }

 private:
  int hasBitmap_;
  int32_t buttonState_;
};

class zBitmapButton : public ziVCBCtrlButton {
 public:
  // Six frames; the bitmap (null allowed) becomes the button's.
  zBitmapButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id, zBitmap* bitmap);
  zBitmapButton(zWindow* parent, int32_t id, zBitmap* bitmap);

  int check();
  void setCheck(int n);
  // Puts a new bitmap in and, with a size mode, resizes the button (1: to the bitmap plus the
  // margins and extras, 2: to the extras); returns the previous bitmap. A null bitmap
  // changes no size whatever the mode.
  zBitmap* sizeToBitmap(zBitmap* bitmap, int sizeMode, int extraWidth, int extraHeight);
  void enableCtrl(BOOL disabled) override;
  void applyButtonStyle(uint32_t style) override;
  ziVisBmpButtonInternal* face() const { return static_cast<ziVisBmpButtonInternal*>(controlVisual()); }

 protected:
  zBitmapButton(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id);
  void build(zBitmap* bitmap, int32_t frames);
  int32_t frames_;
};

class zToolButton : public zBitmapButton {
 public:
  zToolButton(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id, zBitmap* bitmap);
  zToolButton(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id, zBitmap* strip, const zRect& cell);
};

zWindow* zCreateBitmapButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id);
