// The plain top-level frame, window class "AppFrameCL"; it has its native window when its
// constructor returns.
#pragma once

#include "framework/core/zFrameWin.h"

LRESULT CALLBACK zProgramFrameProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

class zProgramFrame : public zFrameWin {
 public:
  // The first argument is ignored: the frame is always top-level.
  zProgramFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title);
  ~zProgramFrame() override;

  WNDCLASSA* classInfo() override;
  // WinExec(commandLine, SW_SHOW); true when the result is 32 or more.
  static bool exec(const char* commandLine);

 protected:
  // The first show puts the title on the window.
  void arrangeFirstShow() override;
};
