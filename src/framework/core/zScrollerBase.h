// Scrollers turn a window's scroll-bar messages into scrolling of its contents. The window
// procedure first moves the bar's position by the scroll code (zScrollInfo) and then hands
// the message to the window's scroller, which compares the new position with the previous
// one and runs the handler of the code. zControlScroller serves scroll-bar controls;
// zScrollerWKeyboard adds Page Up, Page Down, Ctrl+Home, Ctrl+End (vertical) and
// Ctrl+Page Up, Ctrl+Page Down (horizontal). The decisions themselves are in
// zScrollArith.h, shared with the native tests.
#pragma once

#include "framework/core/zScrollArith.h"
#include "framework/core/zEvH.h"

class zScrollInfo;
class zWindow;

class zScrollerBase : public zEvH {
 public:
  explicit zScrollerBase(zWindow* window = nullptr);
  ~zScrollerBase() override;

  virtual void setWindow(zWindow* window) { window_ = window; }
  // Ranges and rectangles again from the window; 0 here.
  virtual int recalc() { return 0; }
  // Dispatches WM_VSCROLL and WM_HSCROLL by scroll code; the handler's answer.
  virtual int scroll(zEvent* event);
  virtual int vertLine() { return vertThumbPos(); }
  virtual int vertPage() { return vertThumbPos(); }
  virtual int vertTop() { return vertThumbPos(); }
  virtual int vertBottom() { return vertThumbPos(); }
  virtual int vertThumbPos() { return 0; }
  virtual int vertThumbTrack() { return 0; }
  virtual int horzLine() { return horzThumbPos(); }
  virtual int horzPage() { return horzThumbPos(); }
  virtual int horzLeft() { return horzThumbPos(); }
  virtual int horzRight() { return horzThumbPos(); }
  virtual int horzThumbPos() { return 0; }
  virtual int horzThumbTrack() { return 0; }
  // Runs before every scroll code but SB_ENDSCROLL.
  virtual int beforeScroll() { return 0; }

  zWindow* window() const { return window_; }
  bool hasVert() const;
  bool hasHorz() const;

 protected:
  int dispatchCode(UINT message, int code);
  // The bar's state as the arithmetic takes it.
  static zScrollState stateOf(const zScrollInfo* info);

  zWindow* window_;
};

class zControlScroller : public zScrollerBase {
 public:
  explicit zControlScroller(zWindow* window) : zScrollerBase(window) {}
  // The dispatch without the position and scroller checks.
  int scroll(zEvent* event) override;
};

class zScrollerWKeyboard : public zScrollerBase {
 public:
  // Registers for the window's WM_KEYDOWN.
  explicit zScrollerWKeyboard(zWindow* window);
  ~zScrollerWKeyboard() override;

  void setWindow(zWindow* window) override;
  // Nonzero when the key scrolled.
  virtual int keyDown(zEvent* event);
  int attachKeyboard();
  int detachKeyboard();
  bool keyboardAttached() const { return attached_; }

 private:
  int keyDownHandler(zEvent* event) { return keyDown(event); }
  bool attached_;
};
