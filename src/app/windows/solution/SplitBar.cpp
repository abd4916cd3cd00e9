#include "app/windows/solution/SplitBar.h"

#include "app/windows/solution/ChartArith.h"
#include "foundation/Assert.h"
#include "framework/core/zWinDisplay.h"
#include "framework/core/zWindow.h"

#include <algorithm>

namespace PV {
namespace GUI {

namespace {

constexpr int32_t kBar = 5;  // from the bar position to the second pane

void segment(HDC dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace

SplitBar::SplitBar(zWindow* owner, int32_t orientation)
    : owner_(owner), orientation_(orientation == Stacked ? Stacked : SideBySide) {
  const RECT r = client();
  startSplit_ = cur_ = start_ = orientation_ == SideBySide ? r.right / 4 : r.bottom / 2;
}

SplitBar::~SplitBar() {
  if (!dragDisplay_) return;
  ClipCursor(nullptr);
  ReleaseCapture();
  delete dragDisplay_;
  dragDisplay_ = nullptr;
}

RECT SplitBar::client() const {
  RECT r{};
  if (owner_ && owner_->handle()) GetClientRect(owner_->handle(), &r);
  return r;
}

int32_t SplitBar::extent() const {
  const RECT r = client();
  return orientation_ == SideBySide ? r.right : r.bottom;
}

void SplitBar::setStartSplit(int32_t h, int32_t keepBelow) {
  if (orientation_ != Stacked || h <= 0) return;
  fitHeight_ = h;
  fitKeep_ = keepBelow;
  const int32_t height = client().bottom;
  const int32_t half = height / 2;
  const int32_t limit = keepBelow > 0 ? std::max(half, height - kBar - keepBelow) : half;
  startSplit_ = cur_ = start_ = h < limit ? h : limit;
  PV_ASSERT(startSplit_ != 0 || half == 0);
}

zRect SplitBar::firstRect() const {
  const RECT r = client();
  const int32_t s = ChartArith::clampSplit(startSplit_, extent(), orientation_ == Stacked);
  if (orientation_ == SideBySide) return zRect(0, 0, s - 1 > 0 ? s - 1 : 0, r.bottom);
  return zRect(0, 0, r.right, s - 1 > 0 ? s - 1 : 0);
}

zRect SplitBar::secondRect() const {
  const RECT r = client();
  const int32_t s = ChartArith::clampSplit(startSplit_, extent(), orientation_ == Stacked);
  if (orientation_ == SideBySide) return zRect(s + kBar, 0, r.right > s + kBar ? r.right : s + kBar, r.bottom);
  return zRect(0, s + kBar, r.right, r.bottom > s + kBar ? r.bottom : s + kBar);
}

void SplitBar::setPanes(zWindow* first, zWindow* second) {
  first_ = first;
  second_ = second;
  layoutPanes();
}

void SplitBar::place(zWindow* pane, const zRect& r) const {
  if (!pane || !pane->handle()) return;
  // A pane already in its place is left alone: moving it to where it is would still
  // cost the window server a round.
  RECT now{};
  GetWindowRect(pane->handle(), &now);
  MapWindowPoints(nullptr, owner_->handle(), reinterpret_cast<POINT*>(&now), 2);
  if (now.left == r.left() && now.top == r.top() && now.right == r.right() && now.bottom == r.bottom()) return;
  pane->moveSize(r.left(), r.top(), r.width(), r.height());
}

void SplitBar::layoutPanes() {
  if (orientation_ == SideBySide && startSplit_ == 0) startSplit_ = cur_ = start_ = client().right / 2 - 3;
  startSplit_ = ChartArith::clampSplit(startSplit_, extent(), orientation_ == Stacked);
  place(first_, firstRect());
  place(second_, secondRect());
  // The bar is what the panes leave of the owner's client area.
  if (owner_ && owner_->handle()) InvalidateRect(owner_->handle(), nullptr, TRUE);
}

void SplitBar::onSize() {
  const int32_t now = extent();
  if (!moved_) {
    if (orientation_ == Stacked && fitHeight_ > 0)
      setStartSplit(fitHeight_, fitKeep_);
    else if (orientation_ == SideBySide)
      startSplit_ = cur_ = start_ = client().right / 4;
  } else if (lastExtent_ > 0 && now > 0 && now != lastExtent_) {
    startSplit_ = static_cast<int32_t>(static_cast<int64_t>(startSplit_) * now / lastExtent_);
  }
  if (now > 0) lastExtent_ = now;
  layoutPanes();
}

void SplitBar::draw(HDC dc) const {
  const RECT area = client();
  const int32_t s = startSplit_;
  const HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  const HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
  if (orientation_ == SideBySide) {
    segment(dc, s - 1, area.top, s - 1, area.bottom);
    segment(dc, s + 4, area.top, s + 4, area.bottom);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    segment(dc, s, area.bottom, s, area.top);
    LineTo(dc, s + 3, area.top);
    SelectObject(dc, grey);
    segment(dc, s + 3, area.top, s + 3, area.bottom - 1);
    LineTo(dc, s - 1, area.bottom - 1);
  } else {
    segment(dc, area.left, s - 1, area.right, s - 1);
    segment(dc, area.left, s + 4, area.right, s + 4);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    segment(dc, area.left, s, area.right, s);
    LineTo(dc, area.right, s + 3);
    SelectObject(dc, grey);
    segment(dc, area.left, s + 3, area.right - 1, s + 3);
    LineTo(dc, area.right - 1, s - 1);
  }
  SelectObject(dc, old);
  DeleteObject(grey);
}

void SplitBar::drawDragLine(int32_t at) {
  if (!dragDisplay_) return;
  // The line crosses both panes: the owner's clipping of its children is lifted while
  // the display is taken.
  const HWND window = owner_->handle();
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, style & ~WS_CLIPCHILDREN);
  dragDisplay_->lock();
  const RECT area = client();
  if (orientation_ == SideBySide) {
    dragDisplay_->moveTo(at, area.top);
    dragDisplay_->lineTo(at, area.bottom);
  } else {
    dragDisplay_->moveTo(area.left, at);
    dragDisplay_->lineTo(area.right, at);
  }
  dragDisplay_->unlock();
  SetWindowLongA(window, GWL_STYLE, style);
}

bool SplitBar::buttonDown(int32_t x, int32_t y) {
  if (dragDisplay_ || !owner_ || !owner_->handle()) return false;
  cur_ = orientation_ == SideBySide ? x : y;
  const HWND window = owner_->handle();
  SetCapture(window);
  RECT r = client();
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  ClipCursor(&r);
  dragDisplay_ = new zWinDisplay(owner_);
  dragDisplay_->lock();
  dragDisplay_->pushPen(&dragPen_);
  dragDisplay_->rop2(R2_NOTXORPEN);
  dragDisplay_->unlock();
  drawDragLine(cur_);
  start_ = cur_;
  return true;
}

bool SplitBar::mouseMove(int32_t x, int32_t y, bool leftButton) {
  if (!dragDisplay_ || !leftButton) return false;
  const int32_t now = orientation_ == SideBySide ? x : y;
  if (now == cur_) return true;
  drawDragLine(cur_);
  drawDragLine(now);
  cur_ = now;
  return true;
}

void SplitBar::endDrag() {
  ClipCursor(nullptr);
  drawDragLine(cur_);
  dragDisplay_->lock();
  dragDisplay_->popPen();
  dragDisplay_->unlock();
  delete dragDisplay_;
  dragDisplay_ = nullptr;
}

bool SplitBar::buttonUp(int32_t, int32_t) {
  if (!dragDisplay_) return false;
  // The drag is over before the capture goes: giving it back tells the owner that it
  // lost the mouse, which must then find no drag to end.
  endDrag();
  ReleaseCapture();
  const int32_t moved = cur_ - start_;
  if (moved != 0) {
    startSplit_ += moved;
    moved_ = true;
    layoutPanes();
    lastExtent_ = extent();
  }
  return true;
}

void SplitBar::captureLost() {
  if (!dragDisplay_) return;
  endDrag();
  cur_ = start_;
}

}  // namespace GUI
}  // namespace PV
