// Child windows: WS_CHILD, a place in the parent's list of children, an identifier.
#pragma once

#include "framework/core/zWindow.h"

class zChildWin : public zWindow {
 public:
  zChildWin(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id);
  explicit zChildWin(zWindow* parent);
  ~zChildWin() override;

  // Registers the window class (when the window describes one) and creates the window.
  virtual void create();
  // WM_CHAR and WM_SYSCHAR of controls and panes; 0: not handled.
  virtual int onChar(zEvent* event);
  virtual int loadData();

 protected:
  // The first show lays the window out in its parent and takes its styles.
  void arrangeFirstShow() override;

 private:
  void initChild(int32_t id);
};
