#include "framework/visual/ziVisText.h"

#include <string>

#include "framework/draw/zDisplay.h"
#include "framework/layout/zRedirSizer.h"
#include "framework/visual/zVisDraw.h"
#include "framework/visual/zVisualArith.h"

namespace {
class FontScope {
 public:
  FontScope(HDC dc, HFONT font)
      : dc_(dc),
        old_(dc ? SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT)) : nullptr) {}
  ~FontScope() {
    if (dc_) SelectObject(dc_, old_);
  }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};
}  // namespace

// ---------------------------------------------------------------- ziVisText

ziVisText::ziVisText(ziCompound* parent, zSizer* sizer, const char* text, int autoSize)
    : ziVisual(parent, sizer), text_(text ? text : ""), autoSize_(autoSize ? 1 : 0) {
  if (!autoSize_) return;
  zSizer* above = sizer ? sizer->parent() : nullptr;
  // The given sizer is no longer referenced once the text's own replaces it.
  delete sizer;
  sizer_ = new zRedirSizer<ziVisText>(above, this, &ziVisText::sizeQuery);
  sizer_->setGravity(gravTop);
  if (above) above->update();
}

void ziVisText::setText(const char* text) {
  text_ = text ? text : "";
  if (!autoSize_ || !sizer_ || !sizer_->parent()) return;
  zDisplay* d = display();
  if (d) d->lock();
  sizer_->parent()->update();
  if (d) d->unlock();
}

void ziVisText::sizeQuery(zSizeInfo& info) {
  zDimension size(0, 0);
  zDisplay* d = display();
  if (d) {
    d->lock();
    if (d->hdc()) {
      SIZE s{0, 0};
      GetTextExtentPoint32A(d->hdc(), text_, static_cast<int>(text_.length()), &s);
      size = zDimension(s.cx, s.cy);
    }
    d->unlock();
  }
  info.setAll(size);
}

void ziVisText::draw(const zRect*) {
  if (text_.length() == 0 || !sizer_) return;
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  applyAspects();
  const zPoint at = sizer_->origin();
  if (d->hdc()) TextOutA(d->hdc(), at.x(), at.y(), text_, static_cast<int>(text_.length()));
  d->unlock();
}

// ---------------------------------------------------------------- ziVisText3d

ziVisText3d::ziVisText3d(ziCompound* parent, zSizer* sizer, uint32_t style, const char* text)
    : ziVisText(parent, sizer, text, 0),
      style_(0),
      highlight_(ziColorNone),
      shadow_(ziColorNone),
      focus_(0),
      greyed_((style & ziTextGreyed) ? 1 : 0),
      mnemonic_(0),
      x_(0),
      y_(0),
      mnemonicIndex_(-1),
      font_(nullptr) {
  setStyle(style);
}

void ziVisText3d::setStyle(uint32_t style) {
  style_ = style;
  switch (style & ziTextLookMask) {
    case ziTextLookPlain:
      highlight_ = ziColorNone;
      shadow_ = ziColorNone;
      break;
    case ziTextLookEtched:
      highlight_ = ziColorNone;
      shadow_ = zvis::white;
      break;
    case ziTextLookSunken:
      highlight_ = zvis::grey;
      shadow_ = zvis::white;
      break;
    case ziTextLookRaised:
      highlight_ = zvis::white;
      shadow_ = ziColorNone;
      break;
    case ziTextLookEmbossed:
      highlight_ = zvis::white;
      shadow_ = zvis::grey;
      break;
    default:
      break;  // other looks keep the colours already set
  }
}

zDimension ziVisText3d::measure(const char* text, int length) {
  zDisplay* d = display();
  if (!d || !d->hdc()) return zDimension(0, 0);
  FontScope font(d->hdc(), font_);
  SIZE s{0, 0};
  GetTextExtentPoint32A(d->hdc(), text, length, &s);
  return zDimension(s.cx, s.cy);
}

int32_t ziVisText3d::lookAdjust() const {
  const uint32_t look = style_ & ziTextLookMask;
  return (look == ziTextLookPlain || look == ziTextLookEtched) ? 0 : 1;
}

int32_t ziVisText3d::textWidth() {
  const ziMnemonic m = ziScanMnemonic(text_);
  const uint32_t look = style_ & ziTextLookMask;
  const int32_t extra = (look == ziTextLookEtched || look == ziTextLookSunken || look == ziTextLookEmbossed) ? 2 : 1;
  zDisplay* d = display();
  bool locked = false;
  if (d && !d->hdc()) {
    d->lock();
    locked = true;
  }
  const int32_t w = measure(m.shown.c_str(), static_cast<int>(m.shown.size())).width();
  if (locked) d->unlock();
  return w + extra;
}

int32_t ziVisText3d::textHeight() {
  const uint32_t look = style_ & ziTextLookMask;
  const int32_t extra = (look == ziTextLookEtched || look == ziTextLookSunken || look == ziTextLookEmbossed) ? 2 : 1;
  zDisplay* d = display();
  bool locked = false;
  if (d && !d->hdc()) {
    d->lock();
    locked = true;
  }
  const int32_t h = measure("Xg", 2).height();
  if (locked) d->unlock();
  return h + extra;
}

void ziVisText3d::drawFocusFrame(bool on) {
  zDisplay* d = display();
  if (!d) return;
  const ziMnemonic m = ziScanMnemonic(text_);
  if (m.shown.empty()) return;
  d->lock();
  const HDC dc = d->hdc();
  const COLORREF color = on ? zvis::grey : GetSysColor(COLOR_BTNFACE);
  const int32_t right = x_ + textWidth() + 3;
  const int32_t bottom = y_ + textHeight() + 1;
  for (int32_t i = x_ - 1; i <= right; ++i) {
    if (i % 2) continue;
    SetPixel(dc, i, y_ - 1, color);
    SetPixel(dc, i, bottom, color);
  }
  for (int32_t j = y_ - 1; j <= bottom; ++j) {
    if (j % 2) continue;
    SetPixel(dc, x_ - 1, j, color);
    SetPixel(dc, right, j, color);
  }
  d->unlock();
}

void ziVisText3d::draw(const zRect*) {
  const ziMnemonic m = ziScanMnemonic(text_);
  if (m.shown.empty()) return;
  const zRect owner = parent_ ? parent_->rect() : rect();
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  int32_t x = ((style_ & ziTextNearLeft) ? 1 : 19) + owner.left();
  const int32_t t = textHeight();
  int32_t y = owner.height() / 2 - t / 2 + lookAdjust() + owner.top();
  x_ = x;
  y_ = y;
  drawFocusFrame(false);
  if (focus_) drawFocusFrame(true);
  drawTextAt(x, y);
  d->unlock();
}

void ziVisText3d::drawTextAt(int32_t x, int32_t y) {
  // Every scan starts afresh: a caption without a mark shows no underline.
  const ziMnemonic m = ziScanMnemonic(text_);
  mnemonic_ = m.present ? 1 : 0;
  mnemonicIndex_ = m.index;
  if (m.shown.empty()) return;
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  const HDC dc = d->hdc();
  x_ = x;
  y_ = y;
  const int32_t w = textWidth();
  const int32_t t = textHeight();
  zvis::fill(dc, x, y, x + w, y + t, GetSysColor(COLOR_BTNFACE));
  FontScope font(dc, font_);
  const char* shown = m.shown.c_str();
  const int length = static_cast<int>(m.shown.size());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  int32_t underlineLeft = 0;
  int32_t underlineRight = 0;
  if (m.present) {
    SIZE before{0, 0};
    SIZE ch{0, 0};
    GetTextExtentPoint32A(dc, shown, m.index, &before);
    GetTextExtentPoint32A(dc, shown + m.index, 1, &ch);
    underlineLeft = x + before.cx;
    underlineRight = x + before.cx + ch.cx + 1;
  }
  if (greyed_) {
    // Disabled text is etched into the face as the system draws it: a white copy one
    // pixel right and down under a grey one, readable on any face colour (a dithered
    // grey string loses thin strokes altogether).
    const COLORREF oldColor = SetTextColor(dc, zvis::white);
    TextOutA(dc, x + 2, y + 2, shown, length);
    if (m.present) {
      zvis::PenScope pen(dc, zvis::white);
      zvis::line(dc, underlineLeft + 1, y + t, underlineRight + 1, y + t);
    }
    SetTextColor(dc, zvis::grey);
    TextOutA(dc, x + 1, y + 1, shown, length);
    if (m.present) {
      zvis::PenScope pen(dc, zvis::grey);
      zvis::line(dc, underlineLeft, y + t - 1, underlineRight, y + t - 1);
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    d->unlock();
    return;
  }
  if (m.present) {
    zvis::PenScope pen(dc, zvis::black);
    zvis::line(dc, underlineLeft, y + t - 1, underlineRight, y + t - 1);
  }
  const COLORREF oldColor = SetTextColor(dc, zvis::white);
  if (highlight_ != ziColorNone) {
    SetTextColor(dc, highlight_);
    TextOutA(dc, x, y, shown, length);
  }
  if (shadow_ != ziColorNone) {
    SetTextColor(dc, shadow_);
    TextOutA(dc, x + 2, y + 2, shown, length);
  }
  SetTextColor(dc, zvis::black);
  TextOutA(dc, x + 1, y + 1, shown, length);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  d->unlock();
}
