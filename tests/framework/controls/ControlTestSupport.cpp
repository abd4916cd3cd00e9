#include "ControlTestSupport.h"

#include <cstring>

#include "framework/core/zSizer.h"
#include "framework/core/ziWindowMap.h"

DialogHost::DialogHost(zWindow* frame, int templateId) : zChildWin(frame) {
  handle_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), frame->handle(),
                               &DialogHost::procedure, reinterpret_cast<LPARAM>(this));
  if (handle_) zTheProgram->windowMap()->add(handle_, this);
}

DialogHost::~DialogHost() {
  // The base destroys the dialog; its messages must not reach this half-gone object.
  SetWindowLongPtrA(handle_, DWLP_USER, 0);
}

INT_PTR CALLBACK DialogHost::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return FALSE;
  }
  DialogHost* host = reinterpret_cast<DialogHost*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!host) return FALSE;
  if (message == WM_COMMAND) {
    zEvent event(lParam, wParam, message, dialog);
    return host->dispatchNotify2(&event) ? TRUE : FALSE;
  }
  if (message == WM_NCDESTROY) {
    host->setFlags(zWinGone);
    zTheProgram->windowMap()->remove(dialog);
  }
  return FALSE;
}

RoutedChild::RoutedChild(zWindow* parent, int32_t id, const zRect& rect, uint32_t style)
    : zChildWin(parent, new zSizer(rect.topLeft(), zDimension(rect.width(), rect.height()), nullptr), style, id) {
  className_ = "RoutedChildCL";
  create();
}

WNDCLASSA* RoutedChild::classInfo() {
  WNDCLASSA* wc = zChildWin::classInfo();
  wc->lpfnWndProc = zProgramFrameProc;
  return wc;
}

int RoutedChild::preferredSize(zDimension* size) {
  if (!hasContents) return 0;
  *size = contents;
  return 1;
}

CtrlHeld::CtrlHeld() {
  GetKeyboardState(saved_);
  BYTE state[256];
  std::memcpy(state, saved_, sizeof state);
  state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
}

CtrlHeld::~CtrlHeld() { SetKeyboardState(saved_); }

uint32_t nativeStyle(HWND window) { return static_cast<uint32_t>(GetWindowLongPtrA(window, GWL_STYLE)); }
