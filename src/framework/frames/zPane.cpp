#include "framework/frames/zPane.h"

#include <algorithm>

#include "framework/controls/zControl.h"
#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/draw/zBitmap.h"
#include "framework/core/zScrollInfo.h"
#include "framework/core/zScrollerBase.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/core/zWinDisplay.h"
#include "framework/frames/ziFrameSupport.h"

static LRESULT zPaneProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypePane) || (window->flags() & zWinDestroying))
    return DefWindowProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zPane*>(window)->route(&event);
}

LRESULT CALLBACK zPaneProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("zPaneProc", [&] { return zPaneProcBody(handle, message, wParam, lParam); });
}

void zPane::initPane() {
  setTypeBit(zTypePane);
  className_ = "PaneWindowCL";
  windowDisplay_ = new zWinDisplay(this);
  displays_.push_back(windowDisplay_);
  sibling_ = nullptr;
  ownsSibling_ = false;
  caret_ = nullptr;
  classProc_ = nullptr;
}

zPane::zPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id) : zChildWin(parent, sizer, style, id) {
  initPane();
}

zPane::zPane(zWindow* parent) : zChildWin(parent) { initPane(); }

zPane::zPane(zWindow* parent, zPaneFromId fromId) : zChildWin(parent) {
  initPane();
  const int32_t id = static_cast<int32_t>(fromId);
  zWindow* placeholder = findSibling(id);
  if (!placeholder) return;
  if (sizer_ && placeholder->sizer()) {
    sizer_->setOrigin(placeholder->sizer()->origin());
    sizer_->setExtent(placeholder->sizer()->extent());
    // The emptied placeholder stays with the pane but no longer takes part in layouts.
    placeholder->sizer()->detach();
  }
  // The procedure the placeholder's window had under the framework's own.
  if (placeholder->hasTypeBit(zTypePane)) {
    zPane* other = static_cast<zPane*>(placeholder);
    classProc_ = other->classProc_;
    other->classProc_ = nullptr;
    // Its displays come along in their order, window displays drawing on this pane now.
    for (zDisplay* d : displays_)
      if (d != windowDisplay_) delete d;
    delete windowDisplay_;
    windowDisplay_ = other->windowDisplay_;
    displays_ = other->displays_;
    for (zDisplay* d : displays_)
      if (d->kind() == zDisplay::windowKind) static_cast<zWinDisplay*>(d)->setWindow(this);
    other->windowDisplay_ = new zWinDisplay(other);
    other->displays_.assign(1, other->windowDisplay_);
    caret_ = other->caret_;
    other->caret_ = nullptr;
    if (caret_) caret_->setOwner(this);
  } else if (placeholder->hasTypeBit(zTypeControl)) {
    classProc_ = static_cast<zControl*>(placeholder)->classProcedure();
  }
  takePlaceOf(placeholder);
  ownsSibling_ = true;
  adoptWindowProc();
  if (handle_ && IsWindow(handle_) && zTheProgram && zTheProgram->windowMap())
    zTheProgram->windowMap()->add(handle_, this);
  displayChanged();
}

zPane::zPane(zWindow* parent, zPaneSubclass native) : zChildWin(parent) {
  initPane();
  if (!native.handle || !IsWindow(native.handle)) return;
  handle_ = native.handle;
  id_ = GetDlgCtrlID(handle_);
  style_ = static_cast<uint32_t>(GetWindowLongPtrA(handle_, GWL_STYLE));
  exStyle_ = static_cast<uint32_t>(GetWindowLongPtrA(handle_, GWL_EXSTYLE));
  if (IsWindowVisible(handle_)) setFlags(zWinShown);
  if (zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->add(handle_, this);
  adoptWindowProc();
  displayChanged();
}

void zPane::adoptWindowProc() {
  if (!handle_ || !IsWindow(handle_)) return;
  const LONG_PTR current = GetWindowLongPtrA(handle_, GWLP_WNDPROC);
  if (current == reinterpret_cast<LONG_PTR>(&zPaneProc)) return;
  const LONG_PTR previous = SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&zPaneProc));
  // A control's own procedure stands between the window and its class: skip it.
  if (!classProc_) classProc_ = reinterpret_cast<WNDPROC>(previous);
}

zPane::~zPane() {
  delete caret_;
  caret_ = nullptr;
  // The window goes while the object is still a pane.
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  if (!(flags_ & zWinGone) && IsWindow(handle_)) {
    clearFlags(zWinSelfDeleting);
    DestroyWindow(handle_);
  }
  displays_.clear();
  delete windowDisplay_;
  // Only the emptied placeholder is the pane's; a sibling found later belongs to the parent
  // (and may be gone already).
  if (ownsSibling_) delete sibling_;
}

LRESULT zPane::defProc(zEvent* event) {
  if (event && classProc_)
    return CallWindowProcA(classProc_, event->window_, event->message_, event->wParam_, event->lParam_);
  return zChildWin::defProc(event);
}

zWindow* zPane::findSibling(int32_t id) {
  if (sibling_) return sibling_;
  if (!parent_) return nullptr;
  zWindowDlistIter it(&parent_->children());
  while (zWindow* child = it.next()) {
    if (child != this && child->id() == id) {
      sibling_ = child;
      break;
    }
  }
  return sibling_;
}

void zPane::setCaret(zCaret* caret) {
  if (caret == caret_) return;
  delete caret_;
  caret_ = caret;
  if (caret_ && handle_ && GetFocus() == handle_) caret_->focus(true);
}

int zPane::onFocus(zEvent* event) {
  if (caret_ && event) caret_->focus(event->message_ == WM_SETFOCUS);
  return zChildWin::onFocus(event);
}

void mapPoint(zPoint& point, zWindow* from, zWindow* to) {
  if (from == to) return;
  POINT p = {point.x(), point.y()};
  if (from) ClientToScreen(from->handle(), &p);
  if (to) ScreenToClient(to->handle(), &p);
  point.set(p.x, p.y);
}

// ---------------------------------------------------------------- caret

zCaret::zCaret(zWindow* owner, const zDimension& size, zBitmap* bitmap, int gray)
    : owner_(owner),
      bitmap_(bitmap),
      gray_(gray),
      size_(size),
      pos_(0, 0),
      showCount_(0),
      blinkTime_(0),
      hasFocus_(0),
      savedBlinkTime_(0) {}

zCaret::~zCaret() {
  if (hasFocus_) focus(false);
}

void zCaret::focus(bool gained) {
  if (gained) {
    if (hasFocus_ || !owner_ || !owner_->handle()) return;
    const HBITMAP shape =
        bitmap_ ? bitmap_->hbitmap() : reinterpret_cast<HBITMAP>(static_cast<intptr_t>(gray_ ? 1 : 0));
    CreateCaret(owner_->handle(), shape, size_.width(), size_.height());
    SetCaretPos(pos_.x(), pos_.y());
    savedBlinkTime_ = static_cast<uint16_t>(GetCaretBlinkTime());
    if (blinkTime_) SetCaretBlinkTime(blinkTime_);
    if (showCount_ > 0) ShowCaret(owner_->handle());
    hasFocus_ = 1;
    return;
  }
  if (!hasFocus_) return;
  hasFocus_ = 0;
  if (blinkTime_ && savedBlinkTime_) SetCaretBlinkTime(savedBlinkTime_);
  DestroyCaret();
}

void zCaret::show() {
  if (++showCount_ == 1 && hasFocus_) ShowCaret(owner_->handle());
}

void zCaret::hide() {
  if (showCount_ <= 0) return;
  if (--showCount_ == 0 && hasFocus_) HideCaret(owner_->handle());
}

void zCaret::setPos(const zPoint& pos) {
  pos_ = pos;
  if (hasFocus_) SetCaretPos(pos_.x(), pos_.y());
}

void zCaret::setBlinkTime(uint16_t ms) {
  blinkTime_ = ms;
  if (hasFocus_ && ms) SetCaretBlinkTime(ms);
}

WNDCLASSA* zPane::classInfo() {
  WNDCLASSA* wc = zChildWin::classInfo();
  wc->lpfnWndProc = zPaneProc;
  wc->hCursor = zArrowCursor();
  // A pane shows no icon; a class registered with one has the system scale it to the
  // small size there and then (Wine: about a millisecond of every new pane class).
  wc->hIcon = nullptr;
  return wc;
}

void zPane::create() {
  if (WNDCLASSA* wc = classInfo()) {
    // "PaneWindowCL" once per process; a pane of a class of its own registers that.
    wc->lpszClassName = className_;
    if (!ziClassRegistered(className_)) {
      RegisterClassA(wc);
      if (zTheProgram) zTheProgram->addRegisteredClass(className_);
    }
    delete wc;
  }
  createNative(parent_ ? parent_->handle() : nullptr,
               reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), nullptr);
  inheritParentFont();
  displayChanged();
}

void zPane::scroll(int32_t dx, int32_t dy, const RECT* area) {
  if (IsWindow(handle_)) ScrollWindow(handle_, dx, dy, area, area);
}

int zPane::draw(zEvent*) { return 0; }
void zPane::displayChanged() {}
int zPane::beginPrint() { return 0; }
int zPane::printPage() { return 0; }
int zPane::nextPage() { return 0; }
int zPane::endPrint() { return 0; }

void zPane::pushDisplay(zDisplay* display) {
  displays_.push_back(display);
  displayChanged();
}

zDisplay* zPane::popDisplay() {
  // The window display stays at the bottom.
  if (displays_.size() > 1) displays_.pop_back();
  displayChanged();
  return display();
}

LRESULT zPane::paint(zEvent* event) {
  // Painting always goes to the screen, even while a printer display is current.
  const bool pushed = display() != windowDisplay_;
  if (pushed) displays_.push_back(windowDisplay_);
  LRESULT result;
  windowDisplay_->setPainting(true);
  windowDisplay_->lock();
  result = draw(event);
  windowDisplay_->unlock();
  windowDisplay_->setPainting(false);
  if (pushed) displays_.pop_back();
  return result;
}

int zPane::onScroll(zEvent* event) {
  if (scroller_ || (event->lParam_ && IsWindow(reinterpret_cast<HWND>(event->lParam_))))
    return zChildWin::onScroll(event);
  if (LOWORD(event->wParam_) != SB_ENDSCROLL) return 0;
  // Without a scroller the contents move once, when the scrolling ends.
  const zPoint origin(horzScroll_ ? horzScroll_->pos() : 0, vertScroll_ ? vertScroll_->pos() : 0);
  const zPoint old = windowDisplay_->originRef();
  if (origin != old) {
    RECT client;
    GetClientRect(handle_, &client);
    scroll(old.x() - origin.x(), old.y() - origin.y(), &client);
    windowDisplay_->setOrigin(origin.x(), origin.y());
    UpdateWindow(handle_);
  }
  return 1;
}

LRESULT zPane::route(zEvent* event) {
  switch (event->message_) {
    case WM_PAINT:
      paint(event);
      return 0;
    case WM_SIZE:
      onSize(event);
      layoutChildren(event);
      return 0;
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&children_);
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
      setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_WINDOW)));
      invalidate(nullptr, 1);
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      if (onChar(event)) return 0;
      return defProc(event);
    default:
      return ziRouteEvent(this, event);
  }
}

zPaneControl::zPaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id)
    : zPane(parent, sizer, style, id) {
  if (className) className_ = className;
  backColor_ = GetSysColor(COLOR_BTNFACE);
  create();
}

zPaneControl::zPaneControl(zWindow* parent, zPaneFromId id) : zPane(parent, id) {
  backColor_ = GetSysColor(COLOR_BTNFACE);
}

zPaneControl::zPaneControl(zWindow* parent) : zPane(parent) { backColor_ = GetSysColor(COLOR_BTNFACE); }

LRESULT zPaneControl::defProc(zEvent* event) {
  if (event && event->message_ == WM_ENABLE) onEnable(event->wParam_);
  if (event && event->message_ == WM_GETDLGCODE) return DLGC_WANTARROWS | DLGC_WANTCHARS;
  return zPane::defProc(event);
}

int zPaneControl::onEnable(WPARAM) { return 0; }

void zPaneControl::notifyParent(uint16_t code) {
  if (parent_)
    PostMessageA(parent_->handle(), WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(id_), code),
                 reinterpret_cast<LPARAM>(handle_));
}

LRESULT zPaneControl::sendNotify(uint16_t code) {
  if (!parent_) return 0;
  return SendMessageA(parent_->handle(), WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(id_), code),
                      reinterpret_cast<LPARAM>(handle_));
}

zWindow* zCreatePaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new zPaneControl(parent, sizer, style, nullptr, id);
}
