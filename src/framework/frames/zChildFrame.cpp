#include "framework/frames/zChildFrame.h"

#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zProgramFrame.h"
#include "framework/core/zSystemEntry.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"
#include "framework/frames/ziFrameSupport.h"

LRESULT CALLBACK zProgramFrameProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

static LRESULT ziChildFrameProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window || !window->hasTypeBit(zTypeChildFrame) || (window->flags() & zWinDestroying))
    return DefWindowProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return static_cast<zChildFrame*>(window)->route(&event);
}

LRESULT CALLBACK ziChildFrameProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("ziChildFrameProc", [&] { return ziChildFrameProcBody(handle, message, wParam, lParam); });
}

zChildFrame::zChildFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation)
    : zFrameWin(parent, sizer, style, title) {
  setTypeBit(zTypeChildFrame);
  className_ = "zChildFrameCL";
  if (parent_) parent_->children().append(this);
  style_ |= WS_CHILD;
  if (!deferCreation) create();
}

zChildFrame::zChildFrame(zWindow* parent) : zFrameWin(parent) {
  setTypeBit(zTypeChildFrame);
  style_ |= WS_CHILD;
  if (parent_) parent_->children().append(this);
}

zChildFrame::~zChildFrame() {
  // The window goes while the object is still a child frame.
  while (void* child = children_.removeFirst()) delete static_cast<zWindow*>(child);
  if (!(flags_ & zWinGone) && IsWindow(handle_)) {
    clearFlags(zWinSelfDeleting);
    DestroyWindow(handle_);
  }
}

WNDCLASSA* zChildFrame::classInfo() {
  if (ziClassRegistered("zChildFrameCL")) return nullptr;
  WNDCLASSA* wc = zWindow::classInfo();
  wc->hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
  wc->lpfnWndProc = ziChildFrameProc;
  return wc;
}

void zChildFrame::create() {
  if (WNDCLASSA* wc = classInfo()) {
    wc->lpszClassName = className_;
    RegisterClassA(wc);
    if (zTheProgram) zTheProgram->addRegisteredClass(className_);
    delete wc;
  }
  createNative(parent_ ? parent_->handle() : nullptr, nullptr, nullptr);
  ziSizerFromWindow(this);
  inheritParentFont();
}

void zChildFrame::arrangeFirstShow() {
  setTitle(text_);
  RECT client = {0, 0, 0, 0};
  if (parent_ && IsWindow(parent_->handle())) GetClientRect(parent_->handle(), &client);
  const zDimension size(client.right - client.left, client.bottom - client.top);
  if (sizer_) {
    sizer_->setExtent(size);
    sizer_->parentSized(
        this, (static_cast<uint32_t>(size.width()) & 0xFFFFu) | (static_cast<uint32_t>(size.height()) & 0xFFFFu) << 16);
  }
  if (parent_ && parent_->sizer() && (parent_->flags() & zWinShown))
    parent_->sizer()->update();
  else if (sizer_)
    sizer_->update();
  if (IsWindow(handle_)) SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(style_));
}

LRESULT zChildFrame::route(zEvent* event) {
  switch (event->message_) {
    case WM_INITMENU:
    case WM_MENUSELECT:
      if ((handlerFlags_ & zHandlesMenu) && menu() && menu()->dispatch(event)) return 1;
      if (dispatchNotify(event)) return 1;
      return defProc(event);
    case WM_NCDESTROY: {
      const HWND handle = handle_;
      ziNcDestroy(this);  // may delete the object
      return DefWindowProcA(handle, WM_NCDESTROY, event->wParam_, event->lParam_);
    }
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&children_);
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, event->wParam_, event->lParam_);
      return defProc(event);
    }
    default:
      return ziRouteEvent(this, event);
  }
}

zPopupFrame::zPopupFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title)
    : zFrameWin(parent, sizer, style | WS_POPUP, title) {
  setTypeBit(zTypePopupFrame);
  className_ = "AppFrameCL";
  create();
}

zPopupFrame::~zPopupFrame() = default;

WNDCLASSA* zPopupFrame::classInfo() {
  WNDCLASSA* wc = zWindow::classInfo();
  wc->style = 0;
  wc->lpfnWndProc = zProgramFrameProc;
  return wc;
}

void zPopupFrame::arrangeFirstShow() {
  setTitle(text_);
  if (sizer_) sizer_->update();
}
