// The scroller a grid installs on itself: the grid scrolls in whole cells, so line steps
// move the first shown column (row) by one, page steps by a screenful of cells, and the
// thumb stands for a first column (row), divided by 2^shift for tables of 32768 lines or
// more. Every scroll first stores an edit in progress, so typed text is never lost to a
// scroll.
#pragma once

#include "framework/frames/zPaneScroller.h"

class zTable;

class ziTableScroller : public zPaneScroller {
 public:
  explicit ziTableScroller(zTable* table);

  int recalc() override { return 0; }
  // Scroll-bar and wheel messages by their code: a line or a page each way, the ends,
  // the thumb. Thumb positions of very large tables stand for several lines each, so the
  // bar's own position cannot tell whether a line step moved.
  int scroll(zEvent* event) override;
  int beforeScroll() override;
  int vertLine() override;
  int vertPage() override;
  int vertTop() override;
  int vertBottom() override;
  int vertThumbPos() override { return vertThumbTrack(); }
  int vertThumbTrack() override;
  int horzLine() override;
  int horzPage() override;
  int horzLeft() override;
  int horzRight() override;
  int horzThumbPos() override { return horzThumbTrack(); }
  int horzThumbTrack() override;

 private:
  void lineBy(bool vertical, int32_t lines);
  void page(bool vertical, bool back);

  zTable* table_;
};
