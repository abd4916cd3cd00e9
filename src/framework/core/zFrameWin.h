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

  // WM_SYSCOLORCHANGE takes the application-workspace colour; WM_GETMINMAXINFO gets the
  // minimum tracking size (each nonzero component); then DefWindowProc.
  LRESULT defProc(zEvent* event) override;
  // The smallest size the user may drag the frame to; 0 leaves a component free.
  void setMinimumSize(const zDimension& size) { minSize_ = size; }
  const zDimension& minimumSize() const { return minSize_; }
  // The minimum size becomes the frame's present window size.
  void fixMinimumSize();
  // Writes the nonzero components of the minimum size into a WM_GETMINMAXINFO record.
  void applyMinimumSize(zEvent* event) const;

  zMenu* menu() const { return menu_; }
  // Takes ownership of the menu (the previous one is deleted). A menu bar is drawn again:
  // entries added after it went onto the window take their room only then.
  void setMenu(zMenu* menu);

 private:
  void initFrame(const char* title);

  zMenu* menu_;
  zPoint position_;
  zDimension minSize_;
};
