// Support for the drawn-controls suite: a shown frame that records the WM_COMMAND and
// WM_MENUSELECT messages its children send it, pixel probes of a window's client area, and
// mouse messages sent straight to a window.
#pragma once

#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "framework/layout/zSizer.h"

struct Recorded {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class RecordingFrame : public LoggingFrame {
 public:
  RecordingFrame();
  LRESULT defProc(zEvent* event) override;
  int count(UINT message, WPARAM wParam) const;
  std::vector<Recorded> seen;
};

zSizer* at(int x, int y, int w, int h);
// The colour of a client pixel as drawn (after the window's pending painting).
COLORREF pixel(HWND window, int x, int y);
void mouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);
void key(HWND window, UINT message, WPARAM vk);
// A bitmap of n frames of w x h pixels side by side, frame i filled with colors[i].
class zBitmap;
zBitmap* solidFrames(int n, int w, int h, const COLORREF* colors);
