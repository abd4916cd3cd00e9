// The split pane of the solution window: it covers the window's client area and
// divides it between two panes, side by side (orientation 0, a vertical bar) or one
// above the other (orientation 1, a horizontal bar), with a raised bar of 6 pixels
// between them that the user drags with the left mouse button. While dragging, a black
// line drawn in not-XOR mode follows the pointer across both panes, the pointer being
// confined to the pane; the release moves the bar by the distance dragged. The bar
// never leaves the window: it stops 5 pixels before the far edge and at 0.
//
// The two panes stay their creator's: the split pane only places them.
#pragma once

#include "framework/draw/zDrawObj.h"
#include "framework/frames/zPane.h"

#include <cstdint>

class zWinDisplay;

namespace PV {
namespace GUI {

class SplitPane : public zPane {
 public:
  enum Orientation : int32_t { SideBySide = 0, Stacked = 1 };

  // The bar starts at a quarter of the parent's client width (side by side) or at half
  // its height (stacked).
  SplitPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t orientation);
  ~SplitPane() override;

  // Stacked only: the bar at h, as far down as leaves the lower pane keepBelow pixels
  // and at least as far as half the parent's client height; a side-by-side pane keeps
  // its bar. A non-positive h is ignored. Until the user drags the bar, every new size
  // of the pane places it by the same rule (side by side: at a quarter of the width);
  // a dragged bar keeps its share of the pane.
  void setStartSplit(int32_t h, int32_t keepBelow = 0);
  bool movedByUser() const { return moved_; }
  void setSidePanes(zWindow* left, zWindow* right);
  void setStackedPanes(zWindow* top, zWindow* bottom);

  int32_t orientation() const { return orientation_; }
  int32_t startSplit() const { return startSplit_; }
  bool dragging() const { return dragDisplay_ != nullptr; }

  int onSize(zEvent* event) override;
  int onMouseMove(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int draw(zEvent* event) override;

 private:
  void layoutPanes();
  // The feedback line at a position across the bar (x side by side, y stacked).
  void drawDragLine(int32_t at);
  int32_t extent() const;
  zWindow* first() const { return orientation_ == SideBySide ? left_ : top_; }
  zWindow* second() const { return orientation_ == SideBySide ? right_ : bottom_; }

  int32_t orientation_;
  zWindow* left_ = nullptr;
  zWindow* right_ = nullptr;
  zWindow* top_ = nullptr;
  zWindow* bottom_ = nullptr;
  zWinDisplay* dragDisplay_ = nullptr;
  zPen dragPen_{zColor(0, 0, 0), PS_SOLID, 2};
  int32_t curX_ = 0;
  int32_t startX_ = 0;
  int32_t curY_ = 0;
  int32_t startY_ = 0;
  int32_t startSplit_ = 0;
  int32_t fitHeight_ = 0;  // what setStartSplit was given, for the next size
  int32_t fitKeep_ = 0;
  bool moved_ = false;
  int32_t lastExtent_ = 0;  // the extent the dragged bar's place was measured in
};

}  // namespace GUI
}  // namespace PV
