#include "framework/grid/zTableScroller.h"

#include <algorithm>
#include <cstdint>

#include "framework/core/zScrollInfo.h"
#include "framework/grid/zTable.h"

namespace {

// The bar's move since the last scroll: its sign, or 0.
int32_t direction(const zScrollInfo* info) {
  if (!info || info->pos() == info->prevPos()) return 0;
  return info->pos() > info->prevPos() ? 1 : -1;
}

}  // namespace

ziTableScroller::ziTableScroller(zTable* table) : zPaneScroller(table), table_(table) {}

int ziTableScroller::beforeScroll() {
  table_->storeEdit();
  return 0;
}

void ziTableScroller::lineBy(bool vertical, int32_t lines) {
  const zTableLayout& L = table_->layout();
  auto moved = [](uint32_t first, int32_t by) {
    int64_t n = static_cast<int64_t>(first) + by;
    return n < 1 ? 1u : static_cast<uint32_t>(std::min<int64_t>(n, UINT32_MAX));
  };
  if (vertical)
    table_->scrollTo(L.firstColumn(), moved(L.firstRow(), lines));
  else
    table_->scrollTo(moved(L.firstColumn(), lines), L.firstRow());
}

void ziTableScroller::page(bool vertical, bool back) {
  const zTableLayout& L = table_->layout();
  if (vertical)
    table_->scrollTo(L.firstColumn(), back ? L.pageBackRow() : L.pageOnRow());
  else
    table_->scrollTo(back ? L.pageBackColumn() : L.pageOnColumn(), L.firstRow());
}

int ziTableScroller::scroll(zEvent* event) {
  const UINT message = event->message_;
  if (message == WM_MOUSEWHEEL) {
    beforeScroll();
    const int32_t delta = static_cast<int16_t>(HIWORD(event->wParam_));
    lineBy(true, -delta / WHEEL_DELTA);
    return 1;
  }
  if (message != WM_VSCROLL && message != WM_HSCROLL) return 0;
  const bool vertical = message == WM_VSCROLL;
  const int code = LOWORD(event->wParam_);
  if (code == SB_ENDSCROLL) return 1;
  beforeScroll();
  switch (code) {
    case SB_LINEUP:
    case SB_LINEDOWN:
      lineBy(vertical, code == SB_LINEUP ? -1 : 1);
      return 1;
    case SB_PAGEUP:
    case SB_PAGEDOWN:
      page(vertical, code == SB_PAGEUP);
      return 1;
    case SB_TOP:
      return vertical ? vertTop() : horzLeft();
    case SB_BOTTOM:
      return vertical ? vertBottom() : horzRight();
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      return vertical ? vertThumbTrack() : horzThumbTrack();
    default:
      return 1;
  }
}

int ziTableScroller::vertLine() {
  int32_t d = direction(table_->vertScroll());
  if (d) lineBy(true, d);
  return d != 0;
}

int ziTableScroller::horzLine() {
  int32_t d = direction(table_->horzScroll());
  if (d) lineBy(false, d);
  return d != 0;
}

int ziTableScroller::vertPage() {
  // An unchanged position pages down: Page Down at the bar's end still pages.
  page(true, direction(table_->vertScroll()) < 0);
  return 1;
}

int ziTableScroller::horzPage() {
  int32_t d = direction(table_->horzScroll());
  if (d) page(false, d < 0);
  return d != 0;
}

int ziTableScroller::vertTop() {
  table_->scrollTo(table_->layout().firstColumn(), 1);
  return 1;
}

int ziTableScroller::vertBottom() {
  table_->scrollTo(table_->layout().firstColumn(), table_->layout().rowCount());
  return 1;
}

int ziTableScroller::horzLeft() {
  table_->scrollTo(1, table_->layout().firstRow());
  return 1;
}

int ziTableScroller::horzRight() {
  table_->scrollTo(table_->layout().columnCount(), table_->layout().firstRow());
  return 1;
}

int ziTableScroller::vertThumbTrack() {
  const zScrollInfo* info = table_->vertScroll();
  if (!info) return 0;
  table_->scrollTo(table_->layout().firstColumn(),
                   zTableLayout::firstFromThumb(info->pos(), zTableLayout::scrollShift(table_->layout().rowCount())));
  return 1;
}

int ziTableScroller::horzThumbTrack() {
  const zScrollInfo* info = table_->horzScroll();
  if (!info) return 0;
  table_->scrollTo(zTableLayout::firstFromThumb(info->pos(), zTableLayout::scrollShift(table_->layout().columnCount())),
                   table_->layout().firstRow());
  return 1;
}
