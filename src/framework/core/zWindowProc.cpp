#include "framework/core/zWindowProc.h"

#include "framework/core/zFrameWin.h"
#include "framework/core/zMenu.h"
#include "framework/core/zPopupMenu.h"
#include "framework/core/zProgram.h"
#include "framework/core/zScrollInfo.h"
#include "framework/layout/zSizer.h"
#include "framework/core/zTaskDev.h"
#include "framework/core/zTimerDev.h"
#include "framework/core/ziWindowMap.h"

namespace {

zMenu* frameMenu(zWindow* window) {
  // A frame whose destructor runs has deleted its menu already.
  if (!window->hasTypeBit(zTypeFrameWin) || (window->flags() & zWinDestroying)) return nullptr;
  return static_cast<zFrameWin*>(window)->menu();
}

// Steps shared by WM_COMMAND, WM_INITMENU and WM_MENUSELECT: the popup menu being tracked,
// then the frame's menu when the window's menu bit is set. Nonzero when one took the event.
LRESULT offerToMenus(zWindow* window, zEvent* event) {
  if (ziTrackedPopupMenu && ziTrackedPopupMenu->dispatch(event)) return 1;
  if (window->handlerFlags() & zHandlesMenu) {
    if (zMenu* menu = frameMenu(window)) {
      if (menu->dispatch(event)) return 1;
    }
  }
  return 0;
}

}  // namespace

LRESULT ziNcDestroy(zWindow* window) {
  if (zMenu* menu = frameMenu(window)) menu->clearHandle();
  window->setFlags(zWinGone);
  if (zTheProgram && zTheProgram->windowMap()) zTheProgram->windowMap()->remove(window->handle());
  if (window->flags() & zWinSelfDeleting) delete window;
  return 0;
}

bool ziApplyScroll(zWindow* window, zEvent* event) {
  zScrollInfo* info = nullptr;
  if (event->message_ == WM_MOUSEWHEEL) {
    // The wheel scrolls the window's vertical bar; lParam is the pointer's position and
    // the low word of wParam the key state, neither names a scroll bar.
    info = window->vertScroll();
    if (info) {
      const int32_t delta = static_cast<int16_t>(HIWORD(event->wParam_));
      const int32_t lines = -delta / WHEEL_DELTA;
      if (lines != 0) info->setPos(info->pos() + lines * info->lineStep());
    }
    return true;
  }
  const HWND sender = reinterpret_cast<HWND>(event->lParam_);
  if (!sender || !IsWindow(sender)) {
    info = event->message_ == WM_VSCROLL ? window->vertScroll() : window->horzScroll();
  } else {
    zWindow* control = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(sender) : nullptr;
    if (!control) return true;  // no object: no scroll information, the slot still runs
    if (!control->hasTypeBit(zTypeScrollBarBase)) return false;
    info = control->scrollInfo();
  }
  if (!info) return true;
  switch (LOWORD(event->wParam_)) {
    case SB_LINEUP:
      info->setPos(info->pos() - info->lineStep());
      break;
    case SB_LINEDOWN:
      info->setPos(info->pos() + info->lineStep());
      break;
    case SB_PAGEUP:
      info->setPos(info->pos() - info->pageStep());
      break;
    case SB_PAGEDOWN:
      info->setPos(info->pos() + info->pageStep());
      break;
    case SB_TOP:
      info->setPos(info->low());
      break;
    case SB_BOTTOM:
      info->setPos(info->high());
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      info->movePos(HIWORD(event->wParam_));
      break;
    default:
      break;
  }
  return true;
}

LRESULT ziControlColors(zWindow* window, zEvent* event) {
  // In Win32, lParam is always the control's window; its high word says nothing of the
  // message (window handles' high words are reuse counters).
  if (event->message_ == WM_CTLCOLORMSGBOX) return 0;
  const HWND controlHandle = reinterpret_cast<HWND>(event->lParam_);
  if (!controlHandle) return 0;
  const HDC dc = reinterpret_cast<HDC>(event->wParam_);
  zWindowDlistIter it(&window->children());
  while (zWindow* child = it.next()) {
    if (child->handle() != controlHandle) continue;
    uint32_t textColor = 0;
    HBRUSH brush = nullptr;
    if (!child->controlColors(&textColor, &brush)) {
      textColor = GetSysColor(COLOR_WINDOWTEXT);
      brush = nullptr;
    }
    uint32_t back = child->backColor();
    SetTextColor(dc, textColor);
    if (back == zBackDefault) {
      // Default erasing: the control keeps the device context's background, and answers
      // its own brush when it has one.
      if (!brush) return 0;
      return reinterpret_cast<LRESULT>(brush);
    }
    if (back == zBackParent) back = window->backColor();
    if (back != zBackDefault && back != zBackParent) SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brush);
  }
  return 0;
}

LRESULT ziRouteEvent(zWindow* window, zEvent* event) {
  LRESULT result = 0;
  const uint32_t bits = window->handlerFlags();
  switch (event->message_) {
    case WM_TIMER:
      if (zTheProgram && zTheProgram->timerDev()) zTheProgram->timerDev()->tick();
      break;
    case WM_ERASEBKGND:
      result = window->onEraseBackground(event);
      break;
    case WM_DESTROY:
      if (zTheProgram && zTheProgram->mainFrame() == window) {
        if (zTheProgram->taskDev()) zTheProgram->taskDev()->switchOff();
        PostQuitMessage(0);
      }
      return 0;
    case WM_MOVE:
      result = window->onMove(event);
      // Positions left of or above the origin (other monitors) are negative.
      if (window->sizer()) window->sizer()->setOrigin(zPoint::fromLParam(static_cast<uint32_t>(event->lParam_)));
      break;
    case WM_SIZE:
      result = window->onSize(event);
      window->layoutChildren(event);
      break;
    case WM_ACTIVATE:
      if ((bits & zHandlesActivate) && window->dispatchNotify(event)) return 1;
      result = window->onActivate(event);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if ((bits & zHandlesFocus) && window->dispatchNotify(event)) {
        window->notifyFocusToParents(event->message_ == WM_SETFOCUS);
        return 1;
      }
      result = window->onFocus(event);
      window->notifyFocusToParents(event->message_ == WM_SETFOCUS);
      break;
    case WM_CLOSE:
      if ((bits & zHandlesClose) && window->dispatchNotify(event)) return 1;
      result = window->onClose(event);
      break;
    case WM_SYSCOLORCHANGE: {
      zWindowDlistIter it(&window->children());
      while (zWindow* child = it.next())
        SendMessageA(child->handle(), WM_SYSCOLORCHANGE, LOWORD(event->lParam_), HIWORD(event->lParam_));
      InvalidateRect(window->handle(), nullptr, TRUE);
      result = window->onEraseBackground(nullptr);
      break;
    }
    case WM_SETCURSOR:
      if (bits & zHandlesCursor) result = window->dispatchNotify(event);
      break;
    case WM_NCDESTROY:
      return ziNcDestroy(window);
    case zMsgScrollRange: {
      // A range that a scroll information posted: bar in wParam, low and high bounds in
      // the two words of lParam; equal bounds hide the bar.
      const int bar = static_cast<int>(event->wParam_);
      const int low = static_cast<int16_t>(LOWORD(event->lParam_));
      const int high = static_cast<int16_t>(HIWORD(event->lParam_));
      if (low == high)
        SetScrollRange(window->handle(), bar, 0, 0, TRUE);
      else
        SetScrollRange(window->handle(), bar, low, high, TRUE);
      return 1;
    }
    case WM_NCHITTEST:
      if (bits & zHandlesHitTest) result = window->dispatchNotify(event);
      break;
    case WM_COMMAND:
      if (offerToMenus(window, event)) return 1;
      result = window->dispatchNotify2(event);
      if (result == 0) result = window->onCommand(event);
      break;
    case WM_INITMENU:
    case WM_MENUSELECT:
      if (offerToMenus(window, event)) return 1;
      result = window->dispatchNotify(event);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      if (ziApplyScroll(window, event))
        result = window->onScroll(event);
      else
        result = window->dispatchNotify(event);
      break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      result = ziControlColors(window, event);
      if (result) return result;
      break;
    case WM_MOUSEMOVE:
      if (window->cursor().handle()) SetCursor(window->cursor().handle());
      if ((bits & zHandlesMouseMove) && window->dispatchNotify(event)) return 1;
      result = window->onMouseMove(event);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if ((bits & zHandlesButtonDown) && window->dispatchNotify(event)) return 1;
      result = window->onMouseButtonDown(event);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if ((bits & zHandlesButtonUp) && window->dispatchNotify(event)) return 1;
      result = window->onMouseButtonUp(event);
      break;
    default:
      result = window->dispatchNotify(event);
      break;
  }
  if (result == 0) result = window->defProc(event);
  return result;
}
