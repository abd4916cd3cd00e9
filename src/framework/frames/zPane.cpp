#include "framework/frames/zPane.h"

#include <algorithm>

#include "framework/core/zProgram.h"
#include "framework/core/zScrollInfo.h"
#include "framework/controls/zScrollerBase.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/draw/zWinDisplay.h"
#include "framework/frames/ziFrameSupport.h"

LRESULT CALLBACK zPaneProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypePane) || (window->flags() & zWinDestroying))
    return DefWindowProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zPane*>(window)->route(&event);
}

void zPane::initPane() {
  setTypeBit(zTypePane);
  className_ = "PaneWindowCL";
  windowDisplay_ = new zWinDisplay(this);
  displays_.push_back(windowDisplay_);
}

zPane::zPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id) : zChildWin(parent, sizer, style, id) {
  initPane();
}

zPane::zPane(zWindow* parent) : zChildWin(parent) { initPane(); }

zPane::~zPane() {
  // The window goes while the object is still a pane.
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  if (!(flags_ & zWinGone) && IsWindow(handle_)) {
    clearFlags(zWinSelfDeleting);
    DestroyWindow(handle_);
  }
  displays_.clear();
  delete windowDisplay_;
}

WNDCLASSA* zPane::classInfo() {
  WNDCLASSA* wc = zChildWin::classInfo();
  wc->lpfnWndProc = zPaneProc;
  wc->hCursor = LoadCursor(nullptr, IDC_ARROW);
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
    ScrollWindow(handle_, old.x() - origin.x(), old.y() - origin.y(), &client, &client);
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
