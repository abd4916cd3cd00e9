// A pane that hosts a tree of visuals: it owns the shell compound, lays it out when it is
// resized, paints it, prints it on a page, and turns window messages into visual events
// (the mouse point converted by the display's origin). Events reach the tree only while it
// holds an interactive visual. The tree draws on the pane's current display: the window's,
// or a printer's while one is pushed. The status line and the toolbar derive from it.
#pragma once

#include <cstdint>

#include "framework/frames/zPane.h"
#include "framework/visual/ziVisual.h"

class ziVisualPane : public zPane {
 public:
  ziVisualPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id = 0);
  ~ziVisualPane() override;

  WNDCLASSA* classInfo() override;
  int onSize(zEvent* event) override;
  int onMouseMove(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int onChar(zEvent* event) override;
  // Draws the tree clipped to the display's paint rectangle (the client area outside
  // painting).
  int draw(zEvent* event = nullptr) override;
  void displayChanged() override;
  // With the page's display current: draws the whole tree laid out for the page, then lays
  // it out for the window again. Returns 1 (0 without a display or a sizer).
  int printPage() override;
  // Pushes the page's display, prints the page on it and pops it again.
  int printPage(zDisplay* page);

  ziShellCompound* shell() const { return shell_; }
  void addVisual(ziVisual* visual);

 private:
  void translate(zEvent* event);
  zDisplay* current_;  // the display the tree draws on, kept in step with the pane's stack
  ziShellCompound* shell_;
};
