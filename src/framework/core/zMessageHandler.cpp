// Message handlers that any object registers on a window: the general list, and the
// handler-flag bit that opens the list for the message's group in the window procedure.
#include "framework/core/zWindow.h"

namespace {

// One bit stands for a whole group: the button-down bit also opens the list for double
// clicks and the right button, the button-up bit for the right button's release, the focus
// bit for WM_KILLFOCUS. The cursor and hit-test groups have bits of their own as well, or
// handlers for them could never be reached.
uint32_t handlerBitOf(UINT message) {
  switch (message) {
    case WM_LBUTTONUP:
      return zHandlesButtonUp;
    case WM_MOUSEMOVE:
      return zHandlesMouseMove;
    case WM_ACTIVATE:
      return zHandlesActivate;
    case WM_CLOSE:
      return zHandlesClose;
    case WM_LBUTTONDOWN:
      return zHandlesButtonDown;
    case WM_SETFOCUS:
      return zHandlesFocus;
    case WM_SETCURSOR:
      return zHandlesCursor;
    case WM_NCHITTEST:
      return zHandlesHitTest;
    default:
      return 0;
  }
}

}  // namespace

void zWindow::addMessageHandler(const zEventHandler& handler, UINT message) {
  appendOwnNotifyNode(new zNotifyNode(handler, message, handle_));
  handlerFlags_ |= handlerBitOf(message);
}

void zWindow::removeMessageHandler(const zEventHandler& handler, UINT message) {
  if (!notifyList_) return;
  notifyList_->removeFirst(zEvent(0, 0, message, handle_), handler);
}
