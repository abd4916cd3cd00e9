#include "framework/core/zProgramFrame.h"

#include "framework/core/zProgram.h"
#include "framework/core/zSystemEntry.h"
#include "framework/core/zWindowProc.h"
#include "framework/core/ziWindowMap.h"

static LRESULT zProgramFrameProcBody(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  zWindow* window = zTheProgram && zTheProgram->windowMap() ? zTheProgram->windowMap()->find(handle) : nullptr;
  if (!window) return DefWindowProcA(handle, message, wParam, lParam);
  zEvent event(lParam, wParam, message, handle);
  return ziRouteEvent(window, &event);
}

LRESULT CALLBACK zProgramFrameProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return ziFromSystem("zProgramFrameProc", [&] { return zProgramFrameProcBody(handle, message, wParam, lParam); });
}

zProgramFrame::zProgramFrame(zWindow*, zSizer* sizer, uint32_t style, const char* title)
    : zFrameWin(sizer, style, title) {
  setTypeBit(zTypeProgramFrame);
  className_ = "AppFrameCL";
  create();
}

zProgramFrame::~zProgramFrame() = default;

WNDCLASSA* zProgramFrame::classInfo() {
  WNDCLASSA* wc = zFrameWin::classInfo();
  wc->lpfnWndProc = zProgramFrameProc;
  return wc;
}

void zProgramFrame::arrangeFirstShow() { setTitle(text_); }

bool zProgramFrame::exec(const char* commandLine) { return WinExec(commandLine, SW_SHOW) >= 32; }
