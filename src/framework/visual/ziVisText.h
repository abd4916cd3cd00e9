// Text visuals. ziVisText shows one line of text at the origin of its sizer; with auto
// size its sizer asks the text how large it is, so the layout around it follows the text.
// ziVisText3d is the caption of the drawn controls: one line drawn plain, etched, sunken,
// raised or embossed, with a mnemonic underline, a dotted focus frame, or greyed. Texts
// are kept whole (any length); a caption's "&" marks are scanned afresh at every measure
// and draw.
#pragma once

#include <cstdint>

#include "foundation/FLCString.h"
#include "framework/visual/ziVisual.h"

struct zSizeInfo;

class ziVisText : public ziVisual {
 public:
  // With auto size, the given sizer leaves its parent sizer and is deleted; in its place
  // a sizer docked at the top (gravity 2) under that parent asks the text for its size,
  // and the parent lays out again at once.
  ziVisText(ziCompound* parent, zSizer* sizer, const char* text, int autoSize = 0);

  void draw(const zRect* clip) override;
  // With auto size, the sizers around the text lay out again for the new text.
  virtual void setText(const char* text);
  const FLCString& text() const { return text_; }
  int autoSize() const { return autoSize_; }
  // The text's extent on the display, as the preferred, the smallest and the largest size.
  void sizeQuery(zSizeInfo& info);

 protected:
  FLCString text_;
  int32_t autoSize_;
};

// Looks (style & 0x1C0) and the other style bits the caption reads.
constexpr uint32_t ziTextLookMask = 0x1C0;
constexpr uint32_t ziTextLookPlain = 0x000;
constexpr uint32_t ziTextLookEtched = 0x080;
constexpr uint32_t ziTextLookSunken = 0x0C0;
constexpr uint32_t ziTextLookRaised = 0x100;
constexpr uint32_t ziTextLookEmbossed = 0x140;
constexpr uint32_t ziTextNearLeft = 0x20;  // 1 pixel from the left, else 19
constexpr uint32_t ziTextGreyed = 0x8000000;
// A colour that is never drawn: the look has no highlight or no shadow.
constexpr uint32_t ziColorNone = 0xFF0000;

class ziVisText3d : public ziVisText {
 public:
  ziVisText3d(ziCompound* parent, zSizer* sizer, uint32_t style, const char* text);

  void draw(const zRect* clip) override;

  void setStyle(uint32_t style);
  uint32_t style() const { return style_; }
  void setFocus(int focus) { focus_ = focus; }
  int focus() const { return focus_; }
  void setGreyed(int greyed) { greyed_ = greyed; }
  int greyed() const { return greyed_; }
  int mnemonicPresent() const { return mnemonic_; }
  int32_t mnemonicIndex() const { return mnemonicIndex_; }
  // The font the caption is drawn in; null for SYSTEM_FONT.
  void setFont(HFONT font) { font_ = font; }
  // Extent of the text without its marks, plus 2 for the etched, sunken and embossed looks
  // and 1 for the others.
  int32_t textWidth();
  int32_t textHeight();
  // The vertical adjustment of the looks drawn one pixel lower (sunken, raised, embossed).
  int32_t lookAdjust() const;
  // Where the last draw put the text.
  zPoint textOrigin() const { return zPoint(x_, y_); }
  // Draws or erases the dotted focus frame around the text at its last position.
  void drawFocusFrame(bool on);

 protected:
  // Draws the caption at (x, y): background, greyed or 3-D layers, underline.
  void drawTextAt(int32_t x, int32_t y);
  zDimension measure(const char* text, int length);

  uint32_t style_;
  uint32_t highlight_;
  uint32_t shadow_;
  int32_t focus_;
  int32_t greyed_;
  int32_t mnemonic_;
  int32_t x_;
  int32_t y_;
  int32_t mnemonicIndex_;
  HFONT font_;
};
