#include "framework/bars/zBarPane.h"

#include "framework/core/zWindow.h"

int zBarPassOn(zWindow* bar, zWindow* frame, zEvent* event, LRESULT* result) {
  switch (event->message()) {
    case WM_SYSCOLORCHANGE:
      bar->setBackColor(GetSysColor(COLOR_BTNFACE));
      bar->invalidate(nullptr, 1);
      break;
    case WM_COMMAND:
    case WM_MENUSELECT:
      if (IsWindow(frame->handle())) {
        *result = SendMessageA(frame->handle(), event->message(), event->wParam(), event->lParam());
        return 1;
      }
      break;
    default:
      break;
  }
  return 0;
}
