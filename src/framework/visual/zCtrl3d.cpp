#include "framework/visual/zCtrl3d.h"

#include <cstring>

#include "framework/core/zControlType.h"
#include "framework/core/zWinDisplay.h"
#include "framework/visual/zVisDraw.h"

namespace {
ziKeyHeldFlag keyHeldFlag;
int lastFocusFlag = 0;
}  // namespace

// ---------------------------------------------------------------- ziCtrlBase

ziCtrlBase::ziCtrlBase(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziVisualCtrlPane(parent, sizer, style), notifyId_(id), ctrlFont_(nullptr), compound_(nullptr), ctrlStyle_(style) {
  if (text) text_ = text;
  id_ = id;
  if (handle_) SetWindowLongPtrA(handle_, GWLP_ID, static_cast<LONG_PTR>(id));
  setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_BTNFACE)));
}

ziCtrlBase::ziCtrlBase(zWindow* parent, int32_t id)
    : ziVisualCtrlPane(parent, id), notifyId_(id), ctrlFont_(nullptr), compound_(nullptr), ctrlStyle_(style_) {
  setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_BTNFACE)));
}

ziCtrlBase::~ziCtrlBase() {
  delete compound_;
  compound_ = nullptr;
}

ziVisText3d* ziCtrlBase::textVisual() const {
  return compound_ ? static_cast<ziVisText3d*>(compound_->textVisual()) : nullptr;
}

ziVisControl* ziCtrlBase::controlVisual() const {
  return compound_ ? static_cast<ziVisControl*>(compound_->controlVisual()) : nullptr;
}

void ziCtrlBase::attachCompound(ziCompound* root, ziControlCompound* compound, uint32_t style) {
  ctrlStyle_ = style;
  compound_ = compound;
  root->addChild(compound);
}

ziControlCompound* ziCtrlBase::beginFace(uint32_t style) {
  ziControlCompound* c = new ziControlCompound(root_, new zGravSizer(gravClient, 0, sizer_));
  attachCompound(root_, c, style);
  return c;
}

void ziCtrlBase::endFace(ziVisControl* control, ziVisText3d* text) {
  compound_->setControlVisual(control);
  compound_->setTextVisual(text);
  if (control) compound_->addChild(control);
  if (text) compound_->addChild(text);
  relayout();
}

void ziCtrlBase::redrawCompound() {
  if (!compound_ || !display_ || !handle_) return;
  InvalidateRect(handle_, nullptr, FALSE);
}

void ziCtrlBase::notifyParent(int code) {
  const HWND p = parent_ ? parent_->handle() : GetParent(handle_);
  SendMessageA(p, WM_COMMAND, MAKEWPARAM(notifyId_ & 0xFFFF, code), reinterpret_cast<LPARAM>(handle_));
}

void ziCtrlBase::postNotifyParent(int code) {
  const HWND p = parent_ ? parent_->handle() : GetParent(handle_);
  PostMessageA(p, WM_COMMAND, MAKEWPARAM(notifyId_ & 0xFFFF, code), reinterpret_cast<LPARAM>(handle_));
}

void ziCtrlBase::setCtrlFont(HFONT font, BOOL redraw) {
  ctrlFont_ = font;
  if (ziVisText3d* t = textVisual()) t->setFont(font);
  if (redraw) redrawCompound();
}

void ziCtrlBase::enableCtrl(BOOL disabled) {
  if (ziVisText3d* t = textVisual()) {
    t->setGreyed(disabled ? 1 : 0);
    redrawCompound();
  }
}

void ziCtrlBase::setCtrlStyle(uint32_t style, BOOL redraw) {
  ctrlStyle_ = style;
  if (ziVisControl* c = controlVisual()) c->setStyle(style);
  if (ziVisText3d* t = textVisual()) t->setStyle(style);
  if (redraw) redrawCompound();
}

void ziCtrlBase::setCtrlText(const char* text) {
  text_ = text ? text : "";
  if (ziVisText3d* t = textVisual()) t->setText(text_);
  redrawCompound();
}

LRESULT ziCtrlBase::defProc(zEvent* e) {
  if (!e) return 0;
  switch (e->message_) {
    case WM_ENABLE:
      enableCtrl(e->wParam_ == 0);
      return 0;
    case WM_SETREDRAW:
    case WM_SYSCOLORCHANGE:
    case WM_WININICHANGE:
    case WM_GETDLGCODE:
      return 0;
    case WM_SETTEXT:
      setCtrlText(reinterpret_cast<const char*>(e->lParam_));
      return 0;
    case WM_GETTEXT: {
      if (e->wParam_ == 0 || !e->lParam_) return 0;
      const FLCString caption = ctrlText();
      const size_t room = static_cast<size_t>(e->wParam_) - 1;
      const size_t n = caption.length() < room ? caption.length() : room;
      char* out = reinterpret_cast<char*>(e->lParam_);
      if (n) std::memcpy(out, static_cast<const char*>(caption), n);
      out[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(ctrlText().length());
    case WM_SETFONT:
      setCtrlFont(reinterpret_cast<HFONT>(e->wParam_), static_cast<BOOL>(e->lParam_));
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(ctrlFont());
    case BM_SETSTYLE:
      setCtrlStyle(static_cast<uint32_t>(e->wParam_), static_cast<BOOL>(e->lParam_));
      return 0;
    default:
      return ziVisualCtrlPane::defProc(e);
  }
}

int ziCtrlBase::onFocus(zEvent* e) {
  // Group boxes, panels and static texts never keep the focus.
  if (e && e->message_ == WM_SETFOCUS && parent_) SendMessageA(parent_->handle(), WM_NEXTDLGCTL, 0, 0);
  return 1;
}

// ---------------------------------------------------------------- ziVCBCtrlButton

ziKeyHeldFlag& ziVCBCtrlButton::keyHeld() { return keyHeldFlag; }
int ziVCBCtrlButton::lastFocus() { return lastFocusFlag; }

ziVCBCtrlButton::ziVCBCtrlButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziCtrlBase(parent, sizer, style, text, id), hasButtonVisual_(0) {}

ziVCBCtrlButton::ziVCBCtrlButton(zWindow* parent, int32_t id) : ziCtrlBase(parent, id), hasButtonVisual_(0) {}

ziVCBCtrlButton::~ziVCBCtrlButton() {
  if (ziVisText3d* t = textVisual())
    lastFocusFlag = t->focus();
  else if (ziVisButton* b = buttonVisual())
    lastFocusFlag = b->value();
}

ziVisButton* ziVCBCtrlButton::buttonVisual() const {
  ziVisControl* c = controlVisual();
  return c && c->isButton() ? static_cast<ziVisButton*>(c) : nullptr;
}

int ziVCBCtrlButton::keyDown(int virtualKey) {
  ziVisButton* b = buttonVisual();
  if (virtualKey == VK_SPACE && b) {
    zvis::LockScope lock(display_);
    b->showState2();
  }
  return 1;
}

int ziVCBCtrlButton::keyUp() {
  ziVisButton* b = buttonVisual();
  if (!b) return 1;
  {
    zvis::LockScope lock(display_);
    b->showReleased();
  }
  notifyParent(BN_CLICKED);
  return 1;
}

LRESULT ziVCBCtrlButton::defProc(zEvent* e) {
  if (!e) return 0;
  ziVisButton* b = buttonVisual();
  switch (e->message_) {
    case BM_GETCHECK:
      return b ? ziCheckFromState(b->state()) : 0;
    case BM_SETCHECK:
      if (b) {
        zvis::LockScope lock(display_);
        if (e->wParam_ == 0)
          b->showState1();
        else
          b->showState0();
      }
      return 0;
    case BM_GETSTATE: {
      if (!b) return 0;
      LRESULT r = ziCheckFromState(b->state());
      if (textVisual() && textVisual()->focus()) r |= 0x0C;
      return r;
    }
    case BM_SETSTATE:
      if (b) {
        zvis::LockScope lock(display_);
        const int32_t s = b->state();
        if (e->wParam_ == 1 && (s == ziStateDown || s == ziStateUp))
          b->showState2();
        else if (e->wParam_ == 0 && s == ziStatePressed)
          b->showState0();
        else if (e->wParam_ == 0 && s == ziStatePressedDown)
          b->showState1();
      }
      return 0;
    case BM_SETSTYLE:
      applyButtonStyle(static_cast<uint32_t>(e->wParam_));
      return ziCtrlBase::defProc(e);
    case WM_KEYDOWN:
      if (!keyHeldFlag.keyDown(static_cast<uint32_t>(e->wParam_), text_)) return 1;
      return keyDown(static_cast<int>(e->wParam_));
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const uint32_t key = static_cast<uint32_t>(e->wParam_);
      keyHeldFlag.keyUp();
      if (key == VK_SPACE || ziMnemonicMatches(text_, key)) return keyUp();
      if (e->message_ == WM_SYSKEYUP) return DefWindowProcA(e->window_, e->message_, e->wParam_, e->lParam_);
      return 1;
    }
    case WM_COMMAND:
      return SendMessageA(parent_ ? parent_->handle() : GetParent(handle_), WM_COMMAND, e->wParam_, e->lParam_);
    default:
      return ziCtrlBase::defProc(e);
  }
}

int ziVCBCtrlButton::onMouseButtonDown(zEvent* e) {
  if (!e->isMouseButton(1)) return 0;
  return ziCtrlBase::onMouseButtonDown(e);
}

int ziVCBCtrlButton::onMouseButtonUp(zEvent* e) {
  if (!e->isMouseButton(1)) return 0;
  return ziCtrlBase::onMouseButtonUp(e);
}

int ziVCBCtrlButton::onFocus(zEvent* e) {
  const bool gain = e && e->message_ == WM_SETFOCUS;
  // A key held when the focus went elsewhere never reaches this control's key-up.
  if (!gain) keyHeldFlag.focusLost();
  ziVisText3d* t = textVisual();
  if (t) t->setFocus(gain ? 1 : 0);
  if (hasButtonVisual_) {
    if (ziVisButton* b = buttonVisual()) b->setValue(gain ? 1 : 0);
    redrawCompound();
    if (!(ctrlStyle_ & 0x8000)) return 1;
  }
  if (t) t->drawFocusFrame(gain);
  return 1;
}

// ---------------------------------------------------------------- group box

void ziVisGroupBoxInternal::showState1() {
  ziVisControl::showState1();
  zvis::LockScope lock(display());
  const HDC dc = lock.dc();
  if (!dc) return;
  const zRect r = rect();
  const int left = r.left(), right = r.right(), bottom = r.bottom();
  const int top = r.top() + 7;
  const COLORREF dark = (style_ & 0x0400) ? zvis::grey : zvis::black;
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  if (!(style_ & 0x0200)) {
    {
      zvis::PenScope pen(dc, zvis::white);
      Rectangle(dc, left + 1, top + 1, right, bottom);
    }
    zvis::PenScope pen(dc, dark);
    MoveToEx(dc, right - 1, top, nullptr);
    LineTo(dc, left, top);
    LineTo(dc, left, bottom);
    MoveToEx(dc, left + 2, bottom - 2, nullptr);
    LineTo(dc, right - 2, bottom - 2);
    LineTo(dc, right - 2, top + 1);
  } else {
    {
      zvis::PenScope pen(dc, zvis::white);
      Rectangle(dc, left, top, right - 1, bottom - 1);
    }
    zvis::PenScope pen(dc, dark);
    MoveToEx(dc, right - 1, top, nullptr);
    LineTo(dc, right - 1, bottom - 1);
    LineTo(dc, left - 1, bottom - 1);
    MoveToEx(dc, left + 1, bottom - 1, nullptr);
    LineTo(dc, left + 1, top + 1);
    LineTo(dc, right - 2, top + 1);
  }
  SelectObject(dc, oldBrush);
  ziVisText3d* text =
      parent_ ? static_cast<ziVisText3d*>(static_cast<ziControlCompound*>(parent_)->textVisual()) : nullptr;
  const uint32_t position = style_ & 0x1800;
  if (text && position && text->text().length() > 0) {
    const int tw = text->textWidth();
    int x0 = 0, x1 = 0;
    if (position == 0x0800) {
      x0 = left + 5;
      x1 = x0 + tw + 2;
    } else if (position == 0x1000) {
      const int centre = (left + right) / 2, half = (tw + 2) / 2;
      x0 = centre - half;
      x1 = centre + half;
    } else {
      x1 = right - 5;
      x0 = x1 - tw - 2;
    }
    zvis::PenScope pen(dc, zvis::face());
    zvis::line(dc, x0, top, x1, top);
    zvis::line(dc, x0, top + 1, x1, top + 1);
  }
}

void ziVisText3dGroup::draw(const zRect*) {
  const uint32_t position = style_ & 0x1800;
  if (text_.length() == 0 || !position || !parent_) return;
  const zRect owner = parent_->rect();
  const int tw = textWidth();
  int x = 6;
  if (position == 0x1000)
    x = owner.width() / 2 - tw / 2;
  else if (position == 0x1800)
    x = owner.width() - 6 - tw;
  x += owner.left();
  const int y = owner.top() + lookAdjust();
  drawTextAt(x, y);
}

zGroupBox3d::zGroupBox3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id)
    : ziCtrlBase(parent, sizer, style, text, id) {
  ziControlCompound* c = beginFace(style);
  endFace(new ziVisGroupBoxInternal(c, new zGravSizer(gravClient, 0, c->sizer()), style, id),
          new ziVisText3dGroup(c, new zGravSizer(gravClient, 0, c->sizer()), style, text_));
  style_ &= ~static_cast<uint32_t>(WS_CLIPSIBLINGS);
  if (parent_ && parent_->handle()) {
    parent_->clearStyleBits(WS_CLIPCHILDREN);
    SetWindowLongA(parent_->handle(), GWL_STYLE, GetWindowLongA(parent_->handle(), GWL_STYLE) & ~WS_CLIPCHILDREN);
  }
}

zGroupBox3d::zGroupBox3d(zWindow* parent, int32_t id) : ziCtrlBase(parent, id) {
  if (isEmpty()) return;
  ziControlCompound* c = beginFace(style_);
  endFace(new ziVisGroupBoxInternal(c, new zGravSizer(gravClient, 0, c->sizer()), style_, id),
          new ziVisText3dGroup(c, new zGravSizer(gravClient, 0, c->sizer()), style_, text_));
}

LRESULT zGroupBox3d::defProc(zEvent* e) {
  if (e && e->message_ == WM_NCHITTEST) return HTTRANSPARENT;
  return ziCtrlBase::defProc(e);
}

// ---------------------------------------------------------------- panel

ziVisPanelInternal::ziVisPanelInternal(ziCompound* parent, zSizer* sizer, uint32_t style, int32_t id, int32_t bevel,
                                       int32_t gap, int32_t innerBevel)
    : ziVisControl(parent, sizer, id), style_(style), bevel_(bevel), gap_(gap), inner_(innerBevel) {}

void ziVisPanelInternal::drawBevel(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, bool raised) {
  if (bevel_ <= 0) return;
  const COLORREF shadow = (style_ & 0x0400) ? zvis::black : zvis::grey;
  const COLORREF light = raised ? zvis::white : shadow;
  const COLORREF dark = raised ? shadow : zvis::white;
  {
    zvis::PenScope pen(dc, light);
    for (int i = 0; i < bevel_; ++i) {
      MoveToEx(dc, right - i, top + i, nullptr);
      LineTo(dc, left + i, top + i);
      LineTo(dc, left + i, bottom - i + 1);
    }
  }
  zvis::PenScope pen(dc, dark);
  for (int i = 0; i < bevel_; ++i) {
    MoveToEx(dc, right - i, top + i, nullptr);
    LineTo(dc, right - i, bottom - i);
    LineTo(dc, left + i, bottom - i);
  }
}

void ziVisPanelInternal::showState1() {
  ziVisControl::showState1();
  zvis::LockScope lock(display());
  const HDC dc = lock.dc();
  if (!dc) return;
  const zRect r = rect();
  int left = r.left(), top = r.top(), right = r.right() - 1, bottom = r.bottom() - 1;
  // The visuals paint the whole window: the face first.
  zvis::fill(dc, r.left(), r.top(), r.right(), r.bottom(), zvis::face());
  drawBevel(dc, left, top, right, bottom, (style_ & 0x0200) != 0);
  const int shrink = bevel_ + gap_;
  left += shrink;
  top += shrink;
  right -= shrink;
  bottom -= shrink;
  if (inner_) drawBevel(dc, left, top, right, bottom, (style_ & 0x4000) != 0);
  ziVisual* t = parent_ ? static_cast<ziControlCompound*>(parent_)->textVisual() : nullptr;
  if (t) static_cast<ziVisText3dPanel*>(t)->setTextRect(left + bevel_, top + bevel_, right - bevel_, bottom - bevel_);
}

void ziVisText3dPanel::draw(const zRect*) {
  if (text_.length() == 0 || !parent_) return;
  const zRect owner = parent_->rect();
  const int tw = textWidth();
  int x;
  if (style_ & 0x1)
    x = owner.width() / 2 - tw / 2;
  else if (style_ & 0x2)
    x = (rect_.right() - 1) - tw;
  else
    x = rect_.left() + 1;
  x += owner.left();
  const int y = rect_.top() + lookAdjust() + owner.top() + 1;
  drawTextAt(x, y);
}

zPanel3d::zPanel3d(zWindow* parent, zSizer* sizer, uint32_t style, const char* text, int32_t id, int32_t bevelWidth,
                   int32_t gap)
    : ziCtrlBase(parent, sizer, style, text, id) {
  if (bevelWidth == 999 && gap == 999) {
    bevelWidth = static_cast<int32_t>((style & 0x38) >> 3);
    gap = static_cast<int32_t>((style & 0x3800) >> 11);
  }
  ziControlCompound* c = beginFace(style);
  endFace(new ziVisPanelInternal(c, new zGravSizer(gravClient, 0, c->sizer()), style, id, bevelWidth, gap, 1),
          new ziVisText3dPanel(c, new zGravSizer(gravClient, 0, c->sizer()), style, text_));
  style_ &= ~static_cast<uint32_t>(WS_CLIPSIBLINGS);
  if (parent_ && parent_->handle()) {
    parent_->clearStyleBits(WS_CLIPCHILDREN);
    SetWindowLongA(parent_->handle(), GWL_STYLE, GetWindowLongA(parent_->handle(), GWL_STYLE) & ~WS_CLIPCHILDREN);
  }
}

zPanel3d::zPanel3d(zWindow* parent, int32_t id) : ziCtrlBase(parent, id) {
  if (isEmpty()) return;
  ziControlCompound* c = beginFace(style_);
  endFace(new ziVisPanelInternal(c, new zGravSizer(gravClient, 0, c->sizer()), style_, id,
                                 static_cast<int32_t>((style_ & 0x38) >> 3),
                                 static_cast<int32_t>((style_ & 0x3800) >> 11), 1),
          new ziVisText3dPanel(c, new zGravSizer(gravClient, 0, c->sizer()), style_, text_));
}

LRESULT zPanel3d::defProc(zEvent* e) {
  if (e && e->message_ == WM_NCHITTEST) return HTTRANSPARENT;
  return ziCtrlBase::defProc(e);
}

void zPanel3d::setCtrlStyle(uint32_t style, BOOL redraw) {
  if (ziVisControl* c = controlVisual()) {
    static_cast<ziVisPanelInternal*>(c)->setBevelWidth(static_cast<int32_t>((style & 0x38) >> 3));
    static_cast<ziVisPanelInternal*>(c)->setGap(static_cast<int32_t>((style & 0x3800) >> 11));
  }
  ziCtrlBase::setCtrlStyle(style, redraw);
}
