// The display of a window: its device context while drawing, through BeginPaint while
// the window paints and GetDC otherwise.
#pragma once

#include "framework/draw/zDisplay.h"

class zWindow;

class zWinDisplay : public zReadableDisplay {
 public:
  // Device metrics from the window, or its parent while the window has no native
  // window yet; window colours and brush; the window's (or the parent's) font.
  explicit zWinDisplay(zWindow* window);
  ~zWinDisplay() override;

  zWindow* window() const { return window_; }
  void setWindow(zWindow* window) { window_ = window; }
  const PAINTSTRUCT& paintStruct() const { return paint_; }

  // While painting: the paint rectangle in the display's logical coordinates.
  void updateRect(zRect& r) override;
  void invalidateRect(const RECT* r, bool erase) override;
  void invalidateRegion(zRegion& region, bool erase) override;
  // The window's client rectangle.
  void size(zRect& r) override;

 protected:
  void acquireDC() override;
  void releaseDC() override;

 private:
  HWND windowHandle() const;

  zWindow* window_;
  PAINTSTRUCT paint_;
  bool paintingDC_;  // the context held came from BeginPaint
};
