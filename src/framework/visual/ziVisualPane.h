// A window that hosts a tree of visuals: it owns the shell compound, lays it out when it is
// resized, paints it, prints it on a page, and turns window messages into visual events
// (the mouse point converted by the display's origin). Events reach the tree only while it
// holds an interactive visual. It stands on the child window until the pane class joins this
// branch; the status line and the toolbar derive from it.
#pragma once

#include <cstdint>

#include "framework/core/zChildWin.h"
#include "framework/visual/ziVisual.h"

class zWinDisplay;

LRESULT CALLBACK ziVisualPaneProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

class ziVisualPane : public zChildWin {
 public:
  ziVisualPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id = 0);
  ~ziVisualPane() override;

  WNDCLASSA* classInfo() override;
  int onSize(zEvent* event) override;
  int onMouseMove(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onChar(zEvent* event) override;
  // Draws the tree clipped to the display's paint rectangle (all of it outside painting).
  virtual int draw();
  // Draws the whole tree laid out for the page on the given display, then lays it out for
  // the window again. Returns 1.
  virtual int printPage(zDisplay* page);

  ziShellCompound* shell() const { return shell_; }
  zDisplay* display() const { return current_; }
  void addVisual(ziVisual* visual);

 private:
  void translate(zEvent* event);
  zWinDisplay* own_;
  zDisplay* current_;  // the display the tree draws on: the window's, or a page while printing
  ziShellCompound* shell_;
};
