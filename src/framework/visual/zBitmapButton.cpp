#include "framework/visual/zBitmapButton.h"

#include "framework/draw/zBitmap.h"
#include "framework/core/zWinDisplay.h"
#include "framework/visual/zVisDraw.h"

namespace {
constexpr int32_t faceUp = 0;
constexpr int32_t facePressed = 1;
constexpr int32_t faceDown = 3;
}  // namespace

// ---------------------------------------------------------------- the face

ziVisBmpButtonInternal::ziVisBmpButtonInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id,
                                               zBitmap* bitmap, int32_t frames)
    : ziVisButton(parent, sizer, id),
      style_(style),
      bitmap_(bitmap),
      disabledImage_(nullptr),
      focus_(0),
      disabled_(0),
      strip_(0),
      frames_(frames > 0 ? frames : 1),
      faceMode_(faceUp),
      imageIndex_(1) {
  setStyle(style);
}

ziVisBmpButtonInternal::ziVisBmpButtonInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id,
                                               zBitmap* strip, const zRect& cell)
    : ziVisBmpButtonInternal(parent, sizer, style, id, strip, 1) {
  strip_ = 1;
  cell_ = cell;
}

ziVisBmpButtonInternal::~ziVisBmpButtonInternal() {
  if (!strip_) delete bitmap_;
  bitmap_ = nullptr;
  dropDisabledImage();
}

void ziVisBmpButtonInternal::setStyle(uint32_t style) {
  style_ = style;
  const int toggle = (style & 0x0200) ? 1 : 0;
  latched_ = toggle;
  toggles_ = toggle;
}

void ziVisBmpButtonInternal::dropDisabledImage() {
  if (disabledImage_) DeleteObject(disabledImage_);
  disabledImage_ = nullptr;
}

zBitmap* ziVisBmpButtonInternal::setBitmap(zBitmap* bitmap) {
  zBitmap* old = bitmap_;
  bitmap_ = bitmap;
  strip_ = 0;
  // The greyed picture was made from the old image.
  dropDisabledImage();
  return old;
}

zDimension ziVisBmpButtonInternal::imageSize() const {
  if (strip_) return zDimension(cell_.width(), cell_.height());
  if (!bitmap_ || !bitmap_->hbitmap()) return zDimension(0, 0);
  const zDimension s = bitmap_->size();
  return zDimension(s.width() / frames_, s.height());
}

void ziVisBmpButtonInternal::placeImage() {
  const int u = (style_ & 0x1000) ? 1 : 0;
  const zRect r = rect();
  const int L = r.left() + u, T = r.top() + u, R = r.right() - u, B = r.bottom() - u;
  const zDimension image = imageSize();
  const int iw = image.width(), ih = image.height();
  ziVisText3d* text =
      parent_ ? static_cast<ziVisText3d*>(static_cast<ziControlCompound*>(parent_)->textVisual()) : nullptr;
  if (!text || text->text().length() == 0) {
    if (B - T < ih || R - L < iw)
      origin_ = zPoint(L, T);
    else
      origin_ = zPoint((L + R) / 2 - iw / 2 + u, (T + B) / 2 - ih / 2 + u);
    return;
  }
  const int tw = text->textWidth(), th = text->textHeight();
  const uint32_t position = style_ & 0x0C00;
  if (position == 0x400 || position == 0xC00) {
    int y = (T + B) / 2 - (th + ih + 1) / 2;
    if (position == 0xC00) y += th + 1;
    origin_ = zPoint((L + R) / 2 - iw / 2, y);
  } else {
    int x = (L + R) / 2 - (tw + iw + 1) / 2;
    if (position == 0x000) x += tw + 1;
    origin_ = zPoint(x, (T + B) / 2 - ih / 2);
  }
}

void ziVisBmpButtonInternal::drawImage(HDC dc) {
  const zDimension image = imageSize();
  if (!bitmap_ || !bitmap_->hbitmap() || image.width() <= 0) return;
  HDC mem = CreateCompatibleDC(dc);
  int sx = 0, sy = 0;
  if (strip_) {
    sx = cell_.left();
    sy = cell_.top();
  } else if (frames_ == 6) {
    sx = ziBitmapFrame(imageIndex_, disabled() != 0) * image.width();
  }
  if (frames_ == 1 && disabled()) {
    if (!disabledImage_) {
      // A copy of the image with every second pixel light grey, rows offset by one.
      disabledImage_ = CreateCompatibleBitmap(dc, image.width(), image.height());
      HDC src = CreateCompatibleDC(dc);
      const HGDIOBJ oldSrc = SelectObject(src, bitmap_->hbitmap());
      const HGDIOBJ oldMem = SelectObject(mem, disabledImage_);
      BitBlt(mem, 0, 0, image.width(), image.height(), src, sx, sy, SRCCOPY);
      for (int y = 0; y < image.height(); ++y)
        for (int x = y % 2; x < image.width(); x += 2) SetPixel(mem, x, y, zvis::lightGrey);
      SelectObject(mem, oldMem);
      SelectObject(src, oldSrc);
      DeleteDC(src);
    }
    const HGDIOBJ old = SelectObject(mem, disabledImage_);
    BitBlt(dc, origin_.x(), origin_.y(), image.width(), image.height(), mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
  } else {
    const HGDIOBJ old = SelectObject(mem, bitmap_->hbitmap());
    BitBlt(dc, origin_.x(), origin_.y(), image.width(), image.height(), mem, sx, sy, SRCCOPY);
    SelectObject(mem, old);
  }
  DeleteDC(mem);
}

void ziVisBmpButtonInternal::paint(int32_t faceMode, int32_t imageIndex) {
  faceMode_ = faceMode;
  imageIndex_ = imageIndex;
  zvis::LockScope lock(display());
  const HDC dc = lock.dc();
  if (!dc) return;
  placeImage();
  const zRect r = rect();
  const int x = r.left(), y = r.top(), w = r.width(), h = r.height();
  zvis::fill(dc, x, y, x + w, y + h, zvis::face());
  int inset = 0;
  if (style_ & 0x1000) {
    inset = 1;
    if (focus_) {
      zvis::PenScope pen(dc, zvis::black);
      const HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, x, y, x + w, y + h);
      SelectObject(dc, old);
    }
  }
  if (!(style_ & 0x2000) && !(style_ & 0x4000)) {
    {
      zvis::PenScope pen(dc, zvis::black);
      const HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
      Rectangle(dc, x + inset, y + inset, x + w - inset, y + h - inset);
      SelectObject(dc, old);
    }
    const int d = (style_ & 0x1000) ? 2 : 1;
    const int l = x + d, t = y + d, rr = w - d, b = h - d;
    if (faceMode == facePressed) {
      zvis::PenScope pen(dc, zvis::grey);
      MoveToEx(dc, rr - 1, t, nullptr);
      LineTo(dc, l, t);
      LineTo(dc, l, b);
    } else {
      const COLORREF light = faceMode == faceUp ? zvis::white : zvis::grey;
      const COLORREF dark = faceMode == faceUp ? zvis::grey : zvis::white;
      {
        zvis::PenScope pen(dc, light);
        MoveToEx(dc, rr - 1, t, nullptr);
        LineTo(dc, l, t);
        LineTo(dc, l, b);
      }
      zvis::PenScope pen(dc, dark);
      MoveToEx(dc, l, b - 1, nullptr);
      LineTo(dc, rr - 1, b - 1);
      LineTo(dc, rr - 1, t - 1);
      if (faceMode == faceUp) {
        MoveToEx(dc, l + 1, b - 2, nullptr);
        LineTo(dc, rr - 2, b - 2);
        LineTo(dc, rr - 2, t);
      }
    }
  }
  drawImage(dc);
  if (parent_) {
    ziVisual* t = static_cast<ziControlCompound*>(parent_)->textVisual();
    if (t) {
      static_cast<ziVisText3dBmp*>(t)->setButtonState(state_);
      t->draw(nullptr);
    }
  }
}

void ziVisBmpButtonInternal::showState1() {
  state_ = ziStateUp;
  const ziBitmapLook look = ziBitmapGoUp();
  paint(faceUp, look.imageIndex);
}

void ziVisBmpButtonInternal::showState0() {
  const bool toggle = (style_ & 0x0200) != 0;
  if (!toggle) {
    showState1();
    return;
  }
  const ziBitmapLook look = ziBitmapGoDown(style_ & 0x30, true);
  state_ = look.state;
  paint(faceDown, look.imageIndex);
}

void ziVisBmpButtonInternal::showState2() {
  const ziBitmapLook look = ziBitmapPress(style_ & 0x30, (style_ & 0x0200) != 0, state_);
  state_ = look.state;
  paint(facePressed, look.imageIndex);
}

void ziVisBmpButtonInternal::showReleased() {
  if (!(style_ & 0x0200))
    showState1();
  else if (state_ == ziStatePressed)
    showState1();
  else if (state_ == ziStatePressedDown)
    showState0();
}

void ziVisBmpButtonInternal::draw(const zRect*) { redraw(); }

void ziVisBmpButtonInternal::redraw() {
  if (state_ == ziStateDown)
    showState0();
  else if (state_ == ziStateUp)
    showState1();
  else
    paint(faceMode_, imageIndex_);
}

// ---------------------------------------------------------------- the caption

void ziVisText3dBmp::draw(const zRect*) {
  if (text_.length() == 0) return;
  zDisplay* d = display();
  if (!d) return;
  d->lock();
  if (style_ & 0x8000) drawFocusFrame(false);
  const int inset = ((style_ & 0x8000) ? 1 : 0) + ((style_ & 0x4000) ? 0 : 2);
  const zRect r = rect();
  const int L = r.left() + inset, T = r.top() + inset, R = r.right() - inset, B = r.bottom() - inset;
  const int tw = textWidth(), th = textHeight();
  int x, y;
  ziVisBmpButtonInternal* button =
      parent_ ? static_cast<ziVisBmpButtonInternal*>(static_cast<ziControlCompound*>(parent_)->controlVisual())
              : nullptr;
  const zDimension image = button ? button->imageSize() : zDimension(0, 0);
  if (!hasBitmap_ || image.width() == 0) {
    if (B - T < th || R - L < tw) {
      x = L;
      y = T;
    } else {
      x = (L + R) / 2 - tw / 2;
      y = (T + B) / 2 - th / 2;
    }
  } else {
    const int iw = image.width(), ih = image.height();
    const uint32_t position = style_ & 0x0C00;
    if (position == 0x400 || position == 0xC00) {
      x = (L + R) / 2 - tw / 2;
      y = (T + B) / 2 - (ih + th + 1) / 2;
      if (position == 0x400) y += ih + 1;
    } else {
      y = (T + B) / 2 - th / 2;
      x = (L + R) / 2 - (iw + tw + 1) / 2;
      if (position == 0x800) x += iw + 1;
    }
  }
  if (buttonState_ == ziStatePressed || buttonState_ == ziStatePressedDown) {
    ++x;
    ++y;
  }
  drawTextAt(x, y);
  if (focus_ && (style_ & 0x8000)) drawFocusFrame(true);
  d->unlock();
}

// ---------------------------------------------------------------- the controls

zBitmapButton::zBitmapButton(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id)
    : ziVCBCtrlButton(parent, sizer, style, nullptr, id), frames_(1) {}

zBitmapButton::zBitmapButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id,
                             zBitmap* bitmap)
    : ziVCBCtrlButton(parent, sizer, style, text, id), frames_(6) {
  build(bitmap, 6);
}

zBitmapButton::zBitmapButton(zWindow* parent, int32_t id, zBitmap* bitmap) : ziVCBCtrlButton(parent, id), frames_(6) {
  if (isEmpty()) {
    delete bitmap;
    return;
  }
  build(bitmap, 6);
  if (textVisual()) textVisual()->setFocus(lastFocus());
  if (face()) face()->setValue(lastFocus());
}

void zBitmapButton::build(zBitmap* bitmap, int32_t frames) {
  frames_ = frames;
  ziControlCompound* c = beginFace(ctrlStyle_);
  endFace(new ziVisBmpButtonInternal(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, id_, bitmap, frames),
          new ziVisText3dBmp(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, text_, bitmap ? 1 : 0));
  hasButtonVisual_ = 1;
}

int zBitmapButton::check() { return static_cast<int>(zVisualCtrlProc(handle_, BM_GETCHECK, 0, 0)); }
void zBitmapButton::setCheck(int n) { zVisualCtrlProc(handle_, BM_SETCHECK, static_cast<WPARAM>(n), 0); }

zBitmap* zBitmapButton::sizeToBitmap(zBitmap* bitmap, int sizeMode, int extraWidth, int extraHeight) {
  ziVisBmpButtonInternal* f = face();
  if (!f) return bitmap;
  zBitmap* old = f->setBitmap(bitmap);
  if (ziVisual* t = compound_->textVisual()) static_cast<ziVisText3dBmp*>(t)->setHasBitmap(bitmap ? 1 : 0);
  // Without a bitmap there is no size to take: the button keeps its own.
  if (sizeMode != 0 && (bitmap || sizeMode == 2) && handle_) {
    int w = extraWidth, h = extraHeight;
    if (sizeMode != 2) {
      const zDimension s = bitmap->size();
      if (frames_ == 6) {
        const int pad = (ctrlStyle_ & 0x2000) ? 0 : 7;
        w = s.width() / 6 + pad + extraWidth;
        h = s.height() + pad + extraHeight;
      } else {
        w = s.width() + extraWidth + 7;
        h = s.height() + extraHeight + 7;
      }
    }
    RECT r;
    GetWindowRect(handle_, &r);
    POINT corner = {r.left, r.top};
    ScreenToClient(GetParent(handle_), &corner);
    if (sizer_) {
      sizer_->setOrigin(zPoint(corner.x, corner.y));
      sizer_->setExtent(zDimension(w, h));
    }
    MoveWindow(handle_, corner.x, corner.y, w, h, TRUE);
  }
  relayout();
  InvalidateRect(handle_, nullptr, FALSE);
  return old;
}

void zBitmapButton::enableCtrl(BOOL disabled) {
  if (ziVisBmpButtonInternal* f = face()) f->setDisabled(disabled ? 1 : 0);
  if (ziVisText3d* t = textVisual()) t->setGreyed(disabled ? 1 : 0);
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void zBitmapButton::applyButtonStyle(uint32_t style) {
  if (ziVisBmpButtonInternal* f = face()) f->setStyle((style & ~0x0200u) | (style & 0x0200u));
}

zToolButton::zToolButton(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id, zBitmap* bitmap)
    : zBitmapButton(parent, sizer, style | 0xA000, id) {
  build(bitmap, 1);
}

zToolButton::zToolButton(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id, zBitmap* strip, const zRect& cell)
    : zBitmapButton(parent, sizer, style | 0xA000, id) {
  frames_ = 1;
  ziControlCompound* c = beginFace(ctrlStyle_);
  endFace(new ziVisBmpButtonInternal(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, id_, strip, cell),
          new ziVisText3dBmp(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, text_, 1));
  hasButtonVisual_ = 1;
}

zWindow* zCreateBitmapButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  return new (std::nothrow) zBitmapButton(parent, sizer, style, text, id, nullptr);
}
