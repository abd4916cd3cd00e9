#include "framework/core/zChildWin.h"

#include "framework/layout/zSizer.h"

void zChildWin::initChild(int32_t id) {
  setTypeBit(zTypeChildWin);
  style_ |= WS_CHILD;
  backColor_ = GetSysColor(COLOR_WINDOW);
  if (parent_) parent_->children().append(this);
  id_ = id;
}

zChildWin::zChildWin(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id) : zWindow(parent, sizer, style) {
  initChild(id);
}

zChildWin::zChildWin(zWindow* parent) : zWindow(parent) { initChild(0); }

zChildWin::~zChildWin() = default;

void zChildWin::create() {
  registerWindowClass(true);
  // The identifier is the native window's too, as a control's and a pane's are: the
  // parent finds the window by it (GetDlgItem) and its notifications carry it.
  createNative(parent_ ? parent_->handle() : nullptr,
               reinterpret_cast<HMENU>(static_cast<uintptr_t>(static_cast<uint16_t>(id_))), nullptr);
  inheritParentFont();
}

void zChildWin::arrangeFirstShow() {
  if (parent_) {
    RECT client = {0, 0, 0, 0};
    if (IsWindow(parent_->handle())) GetClientRect(parent_->handle(), &client);
    const zDimension size(client.right - client.left, client.bottom - client.top);
    if (parent_->sizer()) parent_->sizer()->setExtent(size);
    if (sizer_) {
      const uint32_t packed =
          (static_cast<uint32_t>(size.width()) & 0xFFFFu) | (static_cast<uint32_t>(size.height()) & 0xFFFFu) << 16;
      sizer_->parentSized(this, packed);
    }
    if (parent_->sizer() && (parent_->flags() & zWinShown))
      parent_->sizer()->update();
    else if (sizer_)
      sizer_->update();
  } else if (sizer_) {
    sizer_->update();
  }
  if (IsWindow(handle_)) {
    // The scroll bars come and go with the ranges set on them, and may have done so
    // before the first show: the window keeps the ones it has (a bit set here without a
    // frame change would take no room and paint over the client area).
    const uint32_t bars = WS_HSCROLL | WS_VSCROLL;
    style_ = (style_ & ~bars) | (static_cast<uint32_t>(GetWindowLongA(handle_, GWL_STYLE)) & bars);
    SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(style_));
  }
}

int zChildWin::onChar(zEvent*) { return 0; }

int zChildWin::loadData() { return 1; }
