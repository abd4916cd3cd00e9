#include "framework/core/zFrameWin.h"

#include "framework/core/zMenu.h"
#include "framework/core/zProgram.h"
#include "framework/layout/zSizer.h"

void zFrameWin::initFrame(const char* title) {
  setTypeBit(zTypeFrameWin);
  backColor_ = GetSysColor(COLOR_APPWORKSPACE);
  id_ = 0;
  menu_ = nullptr;
  if (title) text_ = title;
  if (zTheProgram && !zTheProgram->mainFrame()) zTheProgram->setMainFrame(this);
}

zFrameWin::zFrameWin(zWindow* parent, zSizer* sizer, uint32_t style, const char* title)
    : zWindow(parent, sizer, style) {
  initFrame(title);
}

zFrameWin::zFrameWin(zWindow* parent) : zWindow(parent) { initFrame(nullptr); }

zFrameWin::zFrameWin(zSizer* sizer, uint32_t style, const char* title) : zWindow(sizer, style) { initFrame(title); }

zFrameWin::~zFrameWin() {
  delete menu_;
  menu_ = nullptr;
}

const char* zFrameWin::title() { return text_; }

void zFrameWin::setTitle(const FLCString& title) {
  text_ = title;
  if (handle_) SetWindowTextA(handle_, text_);
}

void zFrameWin::setTitle(const char* title) { setTitle(FLCString(title ? title : "")); }

void zFrameWin::setMenu(zMenu* menu) {
  if (menu == menu_) return;
  delete menu_;
  menu_ = menu;
  if (menu_) menu_->redraw();
}

void zFrameWin::create() {
  registerWindowClass(false);
  createNative(nullptr, nullptr, nullptr);
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (sizer_) {
    if (sizerIsUnset() && (style_ & WS_POPUP)) {
      // A popup that the caller gave no place opens at 500 x 500 where the system put it.
      sizer_->setOrigin(zPoint(r.left, r.top));
      sizer_->setExtent(zDimension(500, 500));
      setGeometry(r.left, r.top, 500, 500);
    } else {
      zPoint origin(r.left, r.top);
      if (parent_ && !(style_ & WS_POPUP) && IsWindow(parent_->handle())) {
        RECT p;
        GetWindowRect(parent_->handle(), &p);
        origin = zPoint(r.left - p.left, r.top - p.top);
      }
      sizer_->setOrigin(origin);
      sizer_->setExtent(zDimension(r.right - r.left, r.bottom - r.top));
    }
  }
  inheritParentFont();
}

LRESULT zFrameWin::defProc(zEvent* event) {
  if (!event) return 0;
  if (event->message_ == WM_SYSCOLORCHANGE) {
    backColor_ = GetSysColor(COLOR_APPWORKSPACE);
    invalidate(nullptr, 1);
  } else if (event->message_ == WM_GETMINMAXINFO) {
    applyMinimumSize(event);
  }
  return zWindow::defProc(event);
}

void zFrameWin::applyMinimumSize(zEvent* event) const {
  MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(event->lParam_);
  if (!info) return;
  if (minSize_.width() != 0) info->ptMinTrackSize.x = minSize_.width();
  if (minSize_.height() != 0) info->ptMinTrackSize.y = minSize_.height();
}

void zFrameWin::fixMinimumSize() {
  RECT r;
  if (IsWindow(handle_) && GetWindowRect(handle_, &r)) minSize_ = zDimension(r.right - r.left, r.bottom - r.top);
}
