// 3-D check box and radio button: the 13 x 13 pixel marks and the controls around them.
#include "framework/core/zControlType.h"
#include "framework/core/zWinDisplay.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/visual/zCtrl3d.h"
#include "framework/visual/zVisDraw.h"

namespace {

// Drawing relative to the box's top-left corner.
class BoxDraw {
 public:
  BoxDraw(HDC dc, int left, int top) : dc_(dc), l_(left), t_(top) {}
  void line(COLORREF c, int x0, int y0, int x1, int y1) const {
    zvis::PenScope pen(dc_, c);
    zvis::line(dc_, l_ + x0, t_ + y0, l_ + x1, t_ + y1);
  }
  void poly(COLORREF c, const int* xy, int points) const {
    zvis::PenScope pen(dc_, c);
    MoveToEx(dc_, l_ + xy[0], t_ + xy[1], nullptr);
    for (int i = 1; i < points; ++i) LineTo(dc_, l_ + xy[2 * i], t_ + xy[2 * i + 1]);
  }
  void pixel(COLORREF c, int x, int y) const { SetPixel(dc_, l_ + x, t_ + y, c); }
  // Rectangle(x0, y0, x1, y1) with a pen colour (or none) and a solid brush colour.
  void rect(int x0, int y0, int x1, int y1, COLORREF brush, const COLORREF* pen) const {
    HBRUSH b = CreateSolidBrush(brush);
    const HGDIOBJ oldBrush = SelectObject(dc_, b);
    HPEN p = pen ? CreatePen(PS_SOLID, 0, *pen) : static_cast<HPEN>(GetStockObject(NULL_PEN));
    const HGDIOBJ oldPen = SelectObject(dc_, p);
    Rectangle(dc_, l_ + x0, t_ + y0, l_ + x1, t_ + y1);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    if (pen) DeleteObject(p);
    DeleteObject(b);
  }

 private:
  HDC dc_;
  int l_, t_;
};

// The box's place in the compound: vertically centred, at the left or (BS_LEFTTEXT) right.
zRect placeBox(const zRect& area, int32_t sizerWidth, uint32_t style, int width) {
  int left = area.left();
  const int top = area.top() + area.height() / 2 - 6;
  int right = left + 12;
  if (style & 0x20) {
    left = sizerWidth - width;
    right = sizerWidth - 1;
  }
  return zRect(left, top, right, top + 12);
}

// A disabled control shows its mark grey on a face-coloured box, as the system's own do.
bool hostDisabled(const ziVisual* v) {
  const zWindow* host = v->hostWindow();
  return host && host->handle() && !IsWindowEnabled(host->handle());
}
}  // namespace

// ---------------------------------------------------------------- check box visual

ziVisCheckBoxInternal::ziVisCheckBoxInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id)
    : ziVisButton(parent, sizer, id), style_(0) {
  setStyle(style);
  toggles_ = 1;
}

void ziVisCheckBoxInternal::setStyle(uint32_t style) {
  style_ = style;
  latched_ = (style & 3) == 3 ? 1 : 0;
}

void ziVisCheckBoxInternal::place() {
  const zRect area = parent_ ? parent_->rect() : rect();
  box_ = placeBox(area, rect().width(), style_, 14);
}

void ziVisCheckBoxInternal::drawBox(HDC dc) {
  const BoxDraw b(dc, box_.left(), box_.top());
  const COLORREF faceColor = zvis::face();
  if (!(style_ & 0x200)) {
    b.line(zvis::grey, 11, 0, 0, 0);
    b.line(zvis::grey, 0, 1, 0, 12);
    b.line(zvis::white, 1, 12, 12, 12);
    b.line(zvis::white, 12, 11, 12, 0);
    const COLORREF inside = hostDisabled(this) ? faceColor : zvis::white;
    b.rect(2, 2, 11, 11, inside, &inside);
    const int blackLine[] = {11, 1, 1, 1, 1, 12};
    b.poly(zvis::black, blackLine, 3);
    const int faceLine[] = {2, 11, 11, 11, 11, 1};
    b.poly(faceColor, faceLine, 3);
  } else {
    b.rect(1, 1, 12, 12, zvis::lightGrey, &faceColor);
    b.pixel(faceColor, 12, 0);
    b.pixel(faceColor, 0, 12);
    const int greyLine[] = {12, 1, 12, 12, 0, 12};
    b.poly(zvis::grey, greyLine, 3);
    const int whiteLine[] = {0, 11, 0, 0, 12, 0};
    b.poly(zvis::white, whiteLine, 3);
  }
}

void ziVisCheckBoxInternal::drawMark(HDC dc, COLORREF color) {
  const BoxDraw b(dc, box_.left(), box_.top());
  const int x1 = 3, y1 = 3, x2 = 9, y2 = 9;
  if (!(style_ & 0x400)) {
    for (int k = 0; k < 3; ++k) {
      const int xs[] = {x1 + k, x2 - 1 - k, x1 + k, x2 - 1 - k};
      const int ys[] = {y1 + k, y1 + k, y2 - 1 - k, y2 - 1 - k};
      for (int d = 0; d < 4; ++d) {
        b.pixel(color, xs[d], ys[d]);
        b.pixel(color, xs[d] + 1, ys[d]);
        b.pixel(color, xs[d], ys[d] + 1);
        b.pixel(color, xs[d] + 1, ys[d] + 1);
      }
    }
  } else {
    b.line(color, x1, y2, x1, y2 - 5);
    b.line(color, x1 + 1, y2, x1 + 1, y2 - 6);
    for (int i = 0; i <= y2 - y1; ++i) {
      b.pixel(color, x1 + i, y2 - i);
      b.pixel(color, x1 + i + 1, y2 - i);
    }
  }
}

void ziVisCheckBoxInternal::showState0() {
  ziVisButton::showState0();
  zvis::LockScope lock(display());
  if (!lock.dc()) return;
  place();
  drawBox(lock.dc());
  drawMark(lock.dc(), hostDisabled(this) ? zvis::grey : zvis::black);
}

void ziVisCheckBoxInternal::showState1() {
  ziVisButton::showState1();
  zvis::LockScope lock(display());
  if (!lock.dc()) return;
  place();
  drawBox(lock.dc());
}

void ziVisCheckBoxInternal::showState2() {
  state_ = state_ == ziStateDown ? ziStatePressed : ziStatePressedDown;
  zvis::LockScope lock(display());
  const HDC dc = lock.dc();
  if (!dc) return;
  place();
  drawBox(dc);
  const BoxDraw b(dc, box_.left(), box_.top());
  COLORREF mark = zvis::black;
  if (style_ & 0x200) {
    const COLORREF black = zvis::black;
    b.rect(0, 0, 13, 13, zvis::lightGrey, &black);
    b.rect(1, 1, 12, 12, zvis::lightGrey, &black);
  } else {
    b.rect(2, 2, 12, 12, zvis::grey, nullptr);
    mark = zvis::white;
  }
  if (state_ == ziStatePressed) drawMark(dc, mark);
}

void ziVisCheckBoxInternal::showReleased() {
  if (state_ == ziStatePressed)
    latched_ ? showState1() : showState0();
  else if (state_ == ziStatePressedDown)
    latched_ ? showState0() : showState1();
}

// ---------------------------------------------------------------- radio button visual

ziVisRadioBtnInternal::ziVisRadioBtnInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id)
    : ziVisButton(parent, sizer, id), style_(0) {
  setStyle(style);
  toggles_ = 0;
}

void ziVisRadioBtnInternal::setStyle(uint32_t style) {
  style_ = style;
  latched_ = (style & 9) == 9 ? 1 : 0;
}

void ziVisRadioBtnInternal::place(HDC dc) {
  const zRect area = parent_ ? parent_->rect() : rect();
  box_ = placeBox(area, rect().width(), style_, 13);
  const COLORREF faceColor = zvis::face();
  const BoxDraw b(dc, 0, 0);
  b.rect(box_.left(), box_.top(), box_.right(), box_.bottom(), zvis::lightGrey, &faceColor);
}

void ziVisRadioBtnInternal::drawCircle(HDC dc, int mode) {
  const BoxDraw b(dc, box_.left(), box_.top());
  if (style_ & 0x200) {
    const int lower[] = {6, 12, 12, 6, 6, 0};
    const int upper[] = {6, 0, 0, 6, 6, 12};
    if (mode == 2) {
      b.poly(zvis::black, lower, 3);
      b.poly(zvis::black, upper, 3);
      const int inner[] = {6, 11, 11, 6, 6, 1, 1, 6, 6, 11};
      b.poly(zvis::black, inner, 5);
    } else {
      b.poly(mode == 0 ? zvis::grey : zvis::white, lower, 3);
      b.poly(mode == 0 ? zvis::white : zvis::grey, upper, 3);
    }
    return;
  }
  const COLORREF fill = mode == 0 ? (hostDisabled(this) ? zvis::face() : zvis::white) : zvis::grey;
  const COLORREF shade = mode == 0 ? zvis::face() : zvis::grey;
  b.rect(3, 3, 10, 10, fill, &fill);
  b.line(fill, 5, 2, 8, 2);
  b.line(fill, 10, 5, 10, 8);
  b.line(fill, 7, 10, 4, 10);
  b.line(fill, 2, 7, 2, 4);
  b.line(zvis::white, 12, 4, 12, 9);
  b.line(zvis::white, 11, 9, 11, 11);
  b.line(zvis::white, 10, 11, 8, 11);
  b.line(zvis::white, 8, 12, 3, 12);
  b.line(zvis::grey, 5, 0, 8, 0);
  b.line(zvis::grey, 0, 4, 0, 8);
  b.line(zvis::grey, 11, 4, 11, 9);
  b.line(zvis::grey, 4, 11, 9, 11);
  const int greyPixels[][2] = {{2, 1}, {9, 1}, {1, 2},  {3, 2},  {10, 2}, {10, 3},
                               {2, 3}, {1, 9}, {2, 10}, {3, 10}, {9, 10}, {10, 9}};
  for (const auto& p : greyPixels) b.pixel(zvis::grey, p[0], p[1]);
  const int blackPixels[][2] = {{9, 2}, {2, 2}, {2, 9}};
  for (const auto& p : blackPixels) b.pixel(zvis::black, p[0], p[1]);
  const int shadePixels[][2] = {{4, 2}, {8, 2}, {2, 4}, {10, 4}, {2, 8}, {10, 8}, {4, 10}, {8, 10}, {10, 10}};
  for (const auto& p : shadePixels) b.pixel(shade, p[0], p[1]);
  b.line(zvis::black, 1, 3, 1, 9);
  b.line(zvis::black, 3, 1, 9, 1);
}

void ziVisRadioBtnInternal::drawDot(HDC dc, bool black) {
  const BoxDraw b(dc, box_.left(), box_.top());
  const COLORREF c = black ? (hostDisabled(this) ? zvis::grey : zvis::black) : zvis::white;
  if (style_ & 0x200) {
    b.pixel(c, 6, 4);
    b.pixel(c, 6, 8);
    b.line(c, 5, 7, 8, 7);
    b.line(c, 5, 5, 8, 5);
    b.line(c, 4, 6, 9, 6);
    return;
  }
  b.rect(4, 4, 9, 9, c, &c);
  const COLORREF edge = black ? zvis::grey : zvis::white;
  b.line(edge, 5, 3, 8, 3);
  b.line(edge, 9, 5, 9, 8);
  b.line(edge, 7, 9, 4, 9);
  b.line(edge, 3, 7, 3, 4);
}

void ziVisRadioBtnInternal::showState1() {
  ziVisButton::showState1();
  zvis::LockScope lock(display());
  if (!lock.dc()) return;
  place(lock.dc());
  drawCircle(lock.dc(), 0);
}

void ziVisRadioBtnInternal::showState0() {
  ziVisButton::showState0();
  zvis::LockScope lock(display());
  if (!lock.dc()) return;
  place(lock.dc());
  drawCircle(lock.dc(), (style_ & 0x200) ? 1 : 0);
  drawDot(lock.dc(), true);
}

void ziVisRadioBtnInternal::showState2() {
  state_ = state_ == ziStateDown ? ziStatePressed : ziStatePressedDown;
  zvis::LockScope lock(display());
  if (!lock.dc()) return;
  place(lock.dc());
  drawCircle(lock.dc(), (style_ & 0x200) ? 2 : 1);
  if (state_ == ziStatePressed) drawDot(lock.dc(), false);
}

void ziVisRadioBtnInternal::showReleased() {
  if (state_ == ziStatePressed)
    showState0();
  else if (state_ == ziStatePressedDown)
    (style_ & 9) ? showState0() : showState1();
}

// ---------------------------------------------------------------- the controls

void zCheckBox3d::build() {
  ziControlCompound* c = beginFace(ctrlStyle_);
  endFace(new ziVisCheckBoxInternal(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, id_),
          new ziVisText3d(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, text_));
}

zCheckBox3d::zCheckBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziVCBCtrlButton(parent, sizer, style, text, id), bound_(nullptr), bindingKind_(0) {
  build();
}

zCheckBox3d::zCheckBox3d(zWindow* parent, int32_t id, int* bound)
    : ziVCBCtrlButton(parent, id), bound_(bound), bindingKind_(bound ? 1 : 0) {
  if (isEmpty()) return;
  build();
  loadData();
  if (textVisual()) textVisual()->setFocus(lastFocus());
}

int zCheckBox3d::check() { return static_cast<int>(zVisualCtrlProc(handle_, BM_GETCHECK, 0, 0)); }
void zCheckBox3d::setCheck(int value) { zVisualCtrlProc(handle_, BM_SETCHECK, static_cast<WPARAM>(value), 0); }

int zCheckBox3d::storeData() {
  if (bindingKind_ == 1 && bound_) *bound_ = check();
  return 1;
}

int zCheckBox3d::loadData() {
  if (bindingKind_ == 1 && bound_) setCheck(*bound_);
  return 1;
}

void zCheckBox3d::applyButtonStyle(uint32_t style) {
  if (ziVisButton* b = buttonVisual()) b->setStyle(style);
}

void zRadioButton3d::build() {
  ziControlCompound* c = beginFace(ctrlStyle_);
  endFace(new ziVisRadioBtnInternal(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, id_),
          new ziVisText3d(c, new zGravSizer(gravClient, 0, c->sizer()), ctrlStyle_, text_));
}

zRadioButton3d::zRadioButton3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziVCBCtrlButton(parent, sizer, style, text, id), bound_(nullptr), bindingKind_(0), keyboardFocus_(1) {
  build();
}

zRadioButton3d::zRadioButton3d(zWindow* parent, int32_t id, int* bound)
    : ziVCBCtrlButton(parent, id), bound_(bound), bindingKind_(1), keyboardFocus_(1) {
  if (isEmpty()) return;
  build();
  loadData();
  if (textVisual()) textVisual()->setFocus(lastFocus());
}

int zRadioButton3d::check() { return static_cast<int>(zVisualCtrlProc(handle_, BM_GETCHECK, 0, 0)); }
void zRadioButton3d::setCheck(int value) { zVisualCtrlProc(handle_, BM_SETCHECK, static_cast<WPARAM>(value), 0); }

int zRadioButton3d::storeData() {
  if (bindingKind_ == 1 && bound_ && check()) *bound_ = id_;
  return 1;
}

int zRadioButton3d::loadData() {
  if (bindingKind_ == 0) return 1;
  setCheck(bound_ && *bound_ == id_ ? 1 : 0);
  return 1;
}

void zRadioButton3d::applyButtonStyle(uint32_t style) {
  if (ziVisButton* b = buttonVisual()) b->setStyle(style);
}

int zRadioButton3d::onMouseButtonDown(zEvent* e) {
  keyboardFocus_ = 0;
  return ziVCBCtrlButton::onMouseButtonDown(e);
}

int zRadioButton3d::onMouseButtonUp(zEvent* e) {
  const int r = ziVCBCtrlButton::onMouseButtonUp(e);
  keyboardFocus_ = 1;
  return r;
}

int zRadioButton3d::onFocus(zEvent* e) {
  // Moving the focus onto an unchecked radio button with the keyboard clicks it.
  if (keyboardFocus_ && e && e->message_ == WM_SETFOCUS && check() == 0 && parent_)
    SendMessageA(parent_->handle(), WM_COMMAND, static_cast<WPARAM>(notifyId_ & 0xFFFF),
                 reinterpret_cast<LPARAM>(handle_));
  return ziVCBCtrlButton::onFocus(e);
}

// ---------------------------------------------------------------- control types

zWindow* zCreateCheckBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  return new (std::nothrow) zCheckBox3d(parent, sizer, style, text, id);
}
zWindow* zCreateRadioButton3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  return new (std::nothrow) zRadioButton3d(parent, sizer, style, text, id);
}
zWindow* zCreateGroupBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  return new (std::nothrow) zGroupBox3d(parent, sizer, style, text, id);
}
zWindow* zCreatePanel3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id) {
  return new (std::nothrow) zPanel3d(parent, sizer, style, text, id, 999, 999);
}

void zRegisterVisualCtrlClasses() {
  // The records live as long as the program: nothing is ever unregistered.
  static bool done = false;
  if (done) return;
  done = true;
  new zControlType("zCheckBox3dClass", &zCreateCheckBox3d);
  new zControlType("zRadioBtn3dClass", &zCreateRadioButton3d);
  new zControlType("zGroupBox3dClass", &zCreateGroupBox3d);
  new zControlType("zBmpBtnClass", &zCreateBitmapButton);
  new zControlType("zPanel3dClass", &zCreatePanel3d);
  new zControlType("VisualCtrl", &zCreateVisualCtrlWindow);
}
