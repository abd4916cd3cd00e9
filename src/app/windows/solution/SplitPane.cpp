#include "app/windows/solution/SplitPane.h"

#include "app/windows/solution/ChartArith.h"
#include "foundation/Assert.h"
#include "framework/draw/zDrawObj.h"
#include "framework/core/zWinDisplay.h"

#include <algorithm>

namespace PV {
namespace GUI {

namespace {

constexpr int32_t kBar = 5;  // from the bar position to the second pane

zRect parentClient(zWindow* parent) {
  RECT r{};
  if (parent && parent->handle()) GetClientRect(parent->handle(), &r);
  return zRect(r.left, r.top, r.right, r.bottom);
}

}  // namespace

SplitPane::SplitPane(zWindow* parent, zSizer* sizer, uint32_t style, int32_t orientation)
    : zPane(parent, sizer, style | WS_CHILD | WS_CLIPCHILDREN),
      orientation_(orientation == Stacked ? Stacked : SideBySide) {
  create();
  setBackgroundColor(zColor(192, 192, 192));
  const zRect client = parentClient(parent);
  if (orientation_ == SideBySide) {
    startSplit_ = curX_ = startX_ = client.width() / 4;
    setCursor(zCursor(LoadCursor(nullptr, IDC_SIZEWE)));
  } else {
    startSplit_ = curY_ = startY_ = client.height() / 2;
    setCursor(zCursor(LoadCursor(nullptr, IDC_SIZENS)));
  }
}

SplitPane::~SplitPane() {
  if (dragDisplay_) {
    ClipCursor(nullptr);
    ReleaseCapture();
    delete dragDisplay_;
    dragDisplay_ = nullptr;
  }
}

void SplitPane::setStartSplit(int32_t h, int32_t keepBelow) {
  if (orientation_ != Stacked || h <= 0) return;
  fitHeight_ = h;
  fitKeep_ = keepBelow;
  const int32_t height = parentClient(parent()).height();
  const int32_t half = height / 2;
  const int32_t limit = keepBelow > 0 ? std::max(half, height - kBar - keepBelow) : half;
  startSplit_ = curY_ = startY_ = h < limit ? h : limit;
  PV_ASSERT(startSplit_ != 0 || half == 0);
}

void SplitPane::setSidePanes(zWindow* left, zWindow* right) {
  left_ = left;
  right_ = right;
  layoutPanes();
}

void SplitPane::setStackedPanes(zWindow* top, zWindow* bottom) {
  top_ = top;
  bottom_ = bottom;
  layoutPanes();
}

int32_t SplitPane::extent() const {
  RECT r{};
  if (handle()) GetClientRect(handle(), &r);
  return orientation_ == SideBySide ? r.right : r.bottom;
}

void SplitPane::layoutPanes() {
  RECT r{};
  if (handle()) GetClientRect(handle(), &r);
  if (orientation_ == SideBySide && startSplit_ == 0) startSplit_ = curX_ = startX_ = r.right / 2 - 3;
  startSplit_ = ChartArith::clampSplit(startSplit_, extent(), orientation_ == Stacked);
  const int32_t s = startSplit_;
  zWindow* a = first();
  zWindow* b = second();
  if (orientation_ == SideBySide) {
    if (a) a->moveSize(r.left, r.top, s - 1 > r.left ? s - 1 - r.left : 0, r.bottom - r.top);
    if (b) b->moveSize(s + kBar, r.top, r.right > s + kBar ? r.right - s - kBar : 0, r.bottom - r.top);
  } else {
    if (a) a->moveSize(r.left, r.top, r.right - r.left, s - 1 > r.top ? s - 1 - r.top : 0);
    if (b) b->moveSize(r.left, s + kBar, r.right - r.left, r.bottom > s + kBar ? r.bottom - s - kBar : 0);
  }
  invalidate();
}

int SplitPane::onSize(zEvent*) {
  const int32_t now = extent();
  if (!moved_) {
    if (orientation_ == Stacked && fitHeight_ > 0)
      setStartSplit(fitHeight_, fitKeep_);
    else if (orientation_ == SideBySide)
      startSplit_ = curX_ = startX_ = parentClient(parent()).width() / 4;
  } else if (lastExtent_ > 0 && now > 0 && now != lastExtent_) {
    startSplit_ = static_cast<int32_t>(static_cast<int64_t>(startSplit_) * now / lastExtent_);
  }
  if (now > 0) lastExtent_ = now;
  layoutPanes();
  return 1;
}

int SplitPane::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 0;
  zRect area;
  d->size(area);
  const int32_t s = startSplit_;
  zPenStock black(BLACK_PEN);
  zPenStock white(WHITE_PEN);
  zPen grey(zColor(128, 128, 128), PS_SOLID, 1);
  d->lock();
  d->pushPen(&black);
  if (orientation_ == SideBySide) {
    d->moveTo(s - 1, area.top());
    d->lineTo(s - 1, area.bottom());
    d->moveTo(s + 4, area.top());
    d->lineTo(s + 4, area.bottom());
    d->replacePen(&white);
    d->moveTo(s, area.bottom());
    d->lineTo(s, area.top());
    d->lineTo(s + 3, area.top());
    d->replacePen(&grey);
    d->moveTo(s + 3, area.top());
    d->lineTo(s + 3, area.bottom() - 1);
    d->lineTo(s - 1, area.bottom() - 1);
  } else {
    d->moveTo(area.left(), s - 1);
    d->lineTo(area.right(), s - 1);
    d->moveTo(area.left(), s + 4);
    d->lineTo(area.right(), s + 4);
    d->replacePen(&white);
    d->moveTo(area.left(), s);
    d->lineTo(area.right(), s);
    d->lineTo(area.right(), s + 3);
    d->replacePen(&grey);
    d->moveTo(area.left(), s + 3);
    d->lineTo(area.right() - 1, s + 3);
    d->lineTo(area.right() - 1, s - 1);
  }
  d->popPen();
  d->unlock();
  return 1;
}

void SplitPane::drawDragLine(int32_t at) {
  if (!dragDisplay_) return;
  // The line crosses both panes: the pane's own clipping of its children is lifted
  // while the display is taken.
  const LONG style = GetWindowLongA(handle(), GWL_STYLE);
  SetWindowLongA(handle(), GWL_STYLE, style & ~WS_CLIPCHILDREN);
  zRect area;
  dragDisplay_->lock();
  dragDisplay_->size(area);
  if (orientation_ == SideBySide) {
    dragDisplay_->moveTo(at, area.top());
    dragDisplay_->lineTo(at, area.bottom());
  } else {
    dragDisplay_->moveTo(area.left(), at);
    dragDisplay_->lineTo(area.right(), at);
  }
  dragDisplay_->unlock();
  SetWindowLongA(handle(), GWL_STYLE, style);
}

int SplitPane::onMouseButtonDown(zEvent* event) {
  if (event->message() != WM_LBUTTONDOWN || dragDisplay_) return 0;
  const zPoint p = event->point();
  curX_ = p.x();
  curY_ = p.y();
  setCapture();
  RECT client{};
  GetClientRect(handle(), &client);
  MapWindowPoints(handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  ClipCursor(&client);
  dragDisplay_ = new zWinDisplay(this);
  dragDisplay_->lock();
  dragDisplay_->pushPen(&dragPen_);
  dragDisplay_->rop2(R2_NOTXORPEN);
  dragDisplay_->unlock();
  drawDragLine(orientation_ == SideBySide ? curX_ : curY_);
  startX_ = curX_;
  startY_ = curY_;
  return 1;
}

int SplitPane::onMouseMove(zEvent* event) {
  if (!dragDisplay_ || !(event->wParam() & MK_LBUTTON)) return 0;
  const zPoint p = event->point();
  int32_t& cur = orientation_ == SideBySide ? curX_ : curY_;
  const int32_t now = orientation_ == SideBySide ? p.x() : p.y();
  if (now == cur) return 1;
  drawDragLine(cur);
  drawDragLine(now);
  cur = now;
  return 1;
}

int SplitPane::onMouseButtonUp(zEvent* event) {
  if (event->message() != WM_LBUTTONUP || !dragDisplay_) return 0;
  ClipCursor(nullptr);
  releaseCapture();
  const bool sideBySide = orientation_ == SideBySide;
  drawDragLine(sideBySide ? curX_ : curY_);
  dragDisplay_->lock();
  dragDisplay_->popPen();
  dragDisplay_->unlock();
  delete dragDisplay_;
  dragDisplay_ = nullptr;
  const int32_t moved = sideBySide ? curX_ - startX_ : curY_ - startY_;
  if (moved != 0) {
    startSplit_ += moved;
    moved_ = true;
    layoutPanes();
    lastExtent_ = extent();
  }
  return 1;
}

}  // namespace GUI
}  // namespace PV
