// Scrollers of a pane's client area. zPaneScroller scrolls by a fixed number of pixels per
// scroll unit, separately for the two directions, each clipped to a rectangle of its own
// (so that fixed parts such as a grid's header stay put). zPaneScrollerAuto sets the
// ranges from the pane's contents size (zWindow::preferredSize) and keeps a drawing origin
// that follows the positions, so that the pane can draw in contents coordinates.
//
// The pixels move through the virtual scrollPane (by default the pane's own scroll, or
// ScrollWindow for a window that is no pane); the origin through the virtual moveOrigin,
// which a pane with a display passes on to it.
#pragma once

#include "foundation/Geometry.h"
#include "framework/core/zScrollerBase.h"

class zPaneScroller : public zScrollerWKeyboard {
 public:
  explicit zPaneScroller(zWindow* pane);

  zWindow* pane() const { return window_; }
  void setRange(const zPoint& a, const zPoint& b) { horzRect_ = zRect(a.x(), a.y(), b.x(), b.y()); }
  void setVisibleRange(const zPoint& a, const zPoint& b) { vertRect_ = zRect(a.x(), a.y(), b.x(), b.y()); }
  const zRect& horzRect() const { return horzRect_; }
  const zRect& vertRect() const { return vertRect_; }
  // Null rectangle: the client area; line size 0: 1; page size 0: from the bar's steps.
  void setHorz(const zRect* rect, int32_t lineSize, int32_t pageSize);
  void setVert(const zRect* rect, int32_t lineSize, int32_t pageSize);
  void setHorzLine(int32_t n) { horzLine_ = n == 0 ? 1 : n; }
  void setVertLine(int32_t n) { vertLine_ = n == 0 ? 1 : n; }
  void setHorzPage(int32_t n) { horzPage_ = n; }
  void setVertPage(int32_t n) { vertPage_ = n; }
  int32_t horzLineSize() const { return horzLine_; }
  int32_t vertLineSize() const { return vertLine_; }
  int32_t horzPageSize() const { return horzPage_; }
  int32_t vertPageSize() const { return vertPage_; }

  int recalc() override;
  int vertLine() override;
  int vertPage() override;
  int vertTop() override;
  int vertBottom() override;
  int vertThumbPos() override;
  int horzLine() override;
  int horzPage() override;
  int horzLeft() override;
  int horzRight() override;
  int horzThumbPos() override;

 protected:
  // Moves the pixels of the rectangle by (dx, dy).
  virtual void scrollPane(int32_t dx, int32_t dy, const zRect& rect);
  // After a scroll: relative (line, page: by the pixels scrolled) or absolute (top,
  // bottom, thumb: at the new position). Nothing here.
  virtual void afterScroll(bool vertical, bool absolute, int32_t pixels) {
    (void)vertical, (void)absolute, (void)pixels;
  }
  zRect clientRect() const;

  zRect horzRect_;
  zRect vertRect_;
  int32_t horzLine_;
  int32_t vertLine_;
  int32_t horzPage_;
  int32_t vertPage_;

 private:
  int applyMove(bool vertical, const zScrollMove& move);
  int toEnd(bool vertical, bool high);
  int thumb(bool vertical);
};

class zPaneScrollerAuto : public zPaneScroller {
 public:
  // Reads the contents size and sets the ranges.
  explicit zPaneScrollerAuto(zWindow* pane);
  // Origin and positions back to 0, ranges to 0-0, the pane repainted.
  ~zPaneScrollerAuto() override;

  int recalc() override;
  void setUpdate(int on) { update_ = on; }
  int update() const { return update_; }
  void setMoveOrigin(int on) { moveOrigin_ = on; }
  const zDimension& contentsSize() const { return size_; }
  void setSize(const zDimension& size) { size_ = size; }
  const zPoint& origin() const { return origin_; }

 protected:
  void afterScroll(bool vertical, bool absolute, int32_t pixels) override;
  // The pane's drawing origin; kept here, and given to a display by panes that have one.
  virtual void moveOrigin(const zPoint& origin) { origin_ = origin; }

 private:
  int moveOrigin_;
  int update_;
  zDimension size_;
  zPoint origin_;
};
