// The split of the solution window: it divides its owner's client area between two
// panes, side by side (orientation 0, a vertical bar) or one above the other
// (orientation 1, a horizontal bar), with a raised bar of 6 pixels between them that the
// user drags with the left mouse button. While dragging, a black line drawn in not-XOR
// mode follows the pointer across both panes, the pointer being confined to the owner's
// client area; the release moves the bar by the distance dragged. The bar never leaves
// the window: it stops 5 pixels before the far edge and at 0.
//
// The split is no window of its own: the owner gives it its size changes, its paints and
// the mouse messages of its client area (what the panes leave uncovered is the bar), and
// draws on a grey background. The two panes stay their creator's: the split only places
// them.
#pragma once

#include "framework/draw/zDrawObj.h"

#include <cstdint>

class zWindow;
class zWinDisplay;

namespace PV {
namespace GUI {

class SplitBar {
 public:
  enum Orientation : int32_t { SideBySide = 0, Stacked = 1 };
  // What the owner's background shows between and around the panes.
  static constexpr COLORREF kBackground = RGB(192, 192, 192);

  // The bar starts at a quarter of the owner's client width (side by side) or at half
  // its height (stacked).
  SplitBar(zWindow* owner, int32_t orientation);
  ~SplitBar();
  SplitBar(const SplitBar&) = delete;
  SplitBar& operator=(const SplitBar&) = delete;

  // Stacked only: the bar at h, as far down as leaves the lower pane keepBelow pixels
  // and at least as far as half the owner's client height; a side-by-side split keeps
  // its bar. A non-positive h is ignored. Until the user drags the bar, every new size
  // of the owner places it by the same rule (side by side: at a quarter of the width);
  // a dragged bar keeps its share of the client area.
  void setStartSplit(int32_t h, int32_t keepBelow = 0);
  bool movedByUser() const { return moved_; }
  // The panes, placed at once.
  void setPanes(zWindow* first, zWindow* second);
  // Where the first and the second pane go at the present split, in the owner's client
  // coordinates: a pane can be made in its place.
  zRect firstRect() const;
  zRect secondRect() const;

  int32_t orientation() const { return orientation_; }
  int32_t startSplit() const { return startSplit_; }
  bool dragging() const { return dragDisplay_ != nullptr; }

  // The owner's client area has a new size.
  void onSize();
  // Draws the bar's edges on the owner's context, whose background is already grey.
  void draw(HDC dc) const;
  // The owner's left button messages and pointer moves in client coordinates; true where
  // the split took them.
  bool buttonDown(int32_t x, int32_t y);
  bool mouseMove(int32_t x, int32_t y, bool leftButton);
  bool buttonUp(int32_t x, int32_t y);
  // The owner lost the mouse to another window (a box that opened, another window's
  // capture) in the middle of a drag: the drag ends, the bar where it was and the pointer
  // free again. Nothing otherwise.
  void captureLost();

 private:
  void layoutPanes();
  // The feedback line at a position across the bar (x side by side, y stacked).
  void drawDragLine(int32_t at);
  // Frees the pointer and takes the feedback line away; the mouse capture is the caller's.
  void endDrag();
  RECT client() const;
  int32_t extent() const;
  void place(zWindow* pane, const zRect& r) const;

  zWindow* owner_;
  int32_t orientation_;
  zWindow* first_ = nullptr;
  zWindow* second_ = nullptr;
  zWinDisplay* dragDisplay_ = nullptr;
  zPen dragPen_{zColor(0, 0, 0), PS_SOLID, 2};
  int32_t cur_ = 0;
  int32_t start_ = 0;
  int32_t startSplit_ = 0;
  int32_t fitHeight_ = 0;  // what setStartSplit was given, for the next size
  int32_t fitKeep_ = 0;
  bool moved_ = false;
  int32_t lastExtent_ = 0;  // the extent the dragged bar's place was measured in
};

}  // namespace GUI
}  // namespace PV
