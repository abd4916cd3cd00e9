// Top-level frames: a menu bar, the title, and the first frame of the program becomes the
// application's main frame.
#pragma once

#include "framework/core/zWindow.h"

class zMenu;

class zFrameWin : public zWindow {
 public:
  zFrameWin(zWindow* parent, zSizer* sizer, uint32_t style, const char* title);
  explicit zFrameWin(zWindow* parent);
  zFrameWin(zSizer* sizer, uint32_t style, const char* title);
  ~zFrameWin() override;

  virtual const char* title();
  virtual void setTitle(const FLCString& title);
  virtual void setTitle(const char* title);
  // Registers the window class and creates the native window.
  virtual void create();

  zMenu* menu() const { return menu_; }
  // Takes ownership of the menu (the previous one is deleted).
  void setMenu(zMenu* menu);

 private:
  void initFrame(const char* title);

  zMenu* menu_;
  zPoint position_;
};
