// Two small frames beside the MDI classes: a frame that lives inside another window as a
// true child window, and a top-level popup frame on the application frame's class.
#pragma once

#include "framework/core/zFrameWin.h"

class zChildFrame : public zFrameWin {
 public:
  zChildFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation = 0);
  // The frame part only (no class name, no window), with the application icon.
  explicit zChildFrame(zWindow* parent);
  ~zChildFrame() override;

  // The description of "zChildFrameCL", registered once per process.
  WNDCLASSA* classInfo() override;
  void create() override;

  LRESULT route(zEvent* event);

 protected:
  // The first show puts the title on, lays the frame out in its parent's client area and
  // takes its styles.
  void arrangeFirstShow() override;
};

class zPopupFrame : public zFrameWin {
 public:
  // Always a popup, whatever style it is given; created at once.
  zPopupFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title);
  ~zPopupFrame() override;

  WNDCLASSA* classInfo() override;

 protected:
  // The first show puts the title on and lays the frame out.
  void arrangeFirstShow() override;
};
