// Panes: child windows whose contents the program draws itself through a display. A pane
// keeps a stack of displays (its window display at the bottom, a printer display on top
// while printing), paints through draw() inside BeginPaint, scrolls its contents by moving
// the display's origin, and serves the printing protocol. zPaneControl is a pane used as
// a custom control in dialogs (it wants arrow keys and characters).
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/zChildWin.h"

class zDisplay;
class zWinDisplay;

class zPane : public zChildWin {
 public:
  zPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id = 0);
  explicit zPane(zWindow* parent);
  ~zPane() override;

  WNDCLASSA* classInfo() override;
  void create() override;
  int onScroll(zEvent* event) override;

  // Draws the contents on the current display; nonzero when it drew.
  virtual int draw(zEvent* event);
  // The current display changed (pushed or popped).
  virtual void displayChanged();
  // Printing: once at the start, per page, whether another page follows, once at the end.
  virtual int beginPrint();
  virtual int printPage();
  virtual int nextPage();
  virtual int endPrint();

  zDisplay* display() const { return displays_.empty() ? nullptr : displays_.back(); }
  zWinDisplay* windowDisplay() const { return windowDisplay_; }
  // Makes the display current (the caller keeps it and pops it before deleting it).
  void pushDisplay(zDisplay* display);
  zDisplay* popDisplay();

  LRESULT route(zEvent* event);

 private:
  void initPane();
  LRESULT paint(zEvent* event);

  zWinDisplay* windowDisplay_;
  std::vector<zDisplay*> displays_;
};

class zPaneControl : public zPane {
 public:
  zPaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id);
  LRESULT defProc(zEvent* event) override;
  // WM_COMMAND to the parent with the pane's id and the code: posted, or sent.
  void notifyParent(uint16_t code);
  LRESULT sendNotify(uint16_t code);
  virtual int onEnable(WPARAM enabled);

 protected:
  // No window: for a control that takes over one a dialog template made.
  explicit zPaneControl(zWindow* parent);
};
