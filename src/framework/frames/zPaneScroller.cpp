#include "framework/frames/zPaneScroller.h"

#include "framework/frames/zPane.h"

#include "framework/core/zScrollInfo.h"
#include "framework/core/zWindow.h"

zPaneScroller::zPaneScroller(zWindow* pane)
    : zScrollerWKeyboard(pane), horzLine_(1), vertLine_(1), horzPage_(10), vertPage_(10) {
  horzRect_ = clientRect();
  vertRect_ = horzRect_;
}

zRect zPaneScroller::clientRect() const {
  RECT r = {0, 0, 0, 0};
  if (window_ && IsWindow(window_->handle())) GetClientRect(window_->handle(), &r);
  return zRect(r);
}

void zPaneScroller::setHorz(const zRect* rect, int32_t lineSize, int32_t pageSize) {
  horzRect_ = rect ? *rect : clientRect();
  horzLine_ = lineSize == 0 ? 1 : lineSize;
  const zScrollInfo* info = window_ ? window_->horzScroll() : nullptr;
  horzPage_ = pageSize != 0 ? pageSize
                            : zDefaultPageSize(info != nullptr, info ? info->pageStep() : 0,
                                               info ? info->lineStep() : 0, horzLine_);
}

void zPaneScroller::setVert(const zRect* rect, int32_t lineSize, int32_t pageSize) {
  vertRect_ = rect ? *rect : clientRect();
  vertLine_ = lineSize == 0 ? 1 : lineSize;
  const zScrollInfo* info = window_ ? window_->vertScroll() : nullptr;
  vertPage_ = pageSize != 0 ? pageSize
                            : zDefaultPageSize(info != nullptr, info ? info->pageStep() : 0,
                                               info ? info->lineStep() : 0, vertLine_);
}

void zPaneScroller::scrollPane(int32_t dx, int32_t dy, const zRect& rect) {
  if (!window_ || !IsWindow(window_->handle())) return;
  const RECT r = rect.toRECT();
  if (window_->hasTypeBit(zTypePane)) {
    static_cast<zPane*>(window_)->scroll(dx, dy, &r);
    return;
  }
  ScrollWindow(window_->handle(), dx, dy, &r, &r);
}

int zPaneScroller::recalc() {
  horzRect_ = clientRect();
  vertRect_ = horzRect_;
  if (window_ && IsWindow(window_->handle())) InvalidateRect(window_->handle(), nullptr, TRUE);
  return 1;
}

int zPaneScroller::applyMove(bool vertical, const zScrollMove& move) {
  zScrollInfo* info =
      vertical ? (window_ ? window_->vertScroll() : nullptr) : (window_ ? window_->horzScroll() : nullptr);
  if (!info) return 0;
  switch (move.kind) {
    case zScrollMoveNone:
      return 0;
    case zScrollMoveToLow:
      return vertical ? vertTop() : horzLeft();
    case zScrollMoveToHigh:
      return vertical ? vertBottom() : horzRight();
    case zScrollMoveBy:
      break;
  }
  if (vertical)
    scrollPane(0, move.pixels, vertRect_);
  else
    scrollPane(move.pixels, 0, horzRect_);
  info->setPrevPos(info->pos());
  afterScroll(vertical, false, move.pixels);
  return 1;
}

int zPaneScroller::toEnd(bool vertical, bool high) {
  zScrollInfo* info =
      vertical ? (window_ ? window_->vertScroll() : nullptr) : (window_ ? window_->horzScroll() : nullptr);
  if (!info) return 0;
  const zScrollState s = stateOf(info);
  const int32_t line = vertical ? vertLine_ : horzLine_;
  const int32_t pixels = high ? zToHighPixels(s, line) : zToLowPixels(s, line);
  info->setPos(high ? s.high : s.low);
  if (vertical)
    scrollPane(0, pixels, vertRect_);
  else
    scrollPane(pixels, 0, horzRect_);
  info->setPrevPos(info->pos());
  afterScroll(vertical, true, pixels);
  return 1;
}

int zPaneScroller::thumb(bool vertical) {
  zScrollInfo* info =
      vertical ? (window_ ? window_->vertScroll() : nullptr) : (window_ ? window_->horzScroll() : nullptr);
  if (!info) return 0;
  const zScrollState s = stateOf(info);
  if (s.pos == s.prevPos) return 0;
  const int32_t pixels = zThumbPixels(s, vertical ? vertLine_ : horzLine_);
  if (vertical)
    scrollPane(0, pixels, vertRect_);
  else
    scrollPane(pixels, 0, horzRect_);
  info->setPrevPos(info->pos());
  afterScroll(vertical, true, pixels);
  return 1;
}

int zPaneScroller::vertLine() {
  return applyMove(true, zLineMove(stateOf(window_ ? window_->vertScroll() : nullptr), vertLine_));
}

int zPaneScroller::vertPage() {
  return applyMove(true, zPageMove(stateOf(window_ ? window_->vertScroll() : nullptr), vertPage_));
}

int zPaneScroller::vertTop() { return toEnd(true, false); }
int zPaneScroller::vertBottom() { return toEnd(true, true); }
int zPaneScroller::vertThumbPos() { return thumb(true); }

int zPaneScroller::horzLine() {
  return applyMove(false, zLineMove(stateOf(window_ ? window_->horzScroll() : nullptr), horzLine_));
}

int zPaneScroller::horzPage() {
  return applyMove(false, zPageMove(stateOf(window_ ? window_->horzScroll() : nullptr), horzPage_));
}

int zPaneScroller::horzLeft() { return toEnd(false, false); }
int zPaneScroller::horzRight() { return toEnd(false, true); }
int zPaneScroller::horzThumbPos() { return thumb(false); }

// ---------------------------------------------------------------- automatic ranges

zPaneScrollerAuto::zPaneScrollerAuto(zWindow* pane) : zPaneScroller(pane), moveOrigin_(1), update_(1) {
  if (window_) window_->preferredSize(&size_);
  recalc();
}

zPaneScrollerAuto::~zPaneScrollerAuto() {
  moveOrigin(zPoint(0, 0));
  if (window_) {
    zScrollInfo* bars[2] = {window_->horzScroll(), window_->vertScroll()};
    for (zScrollInfo* info : bars) {
      if (!info) continue;
      info->movePos(0);
      info->setPrevPos(0);
      info->setRange(0, 0);
    }
    if (IsWindow(window_->handle())) InvalidateRect(window_->handle(), nullptr, TRUE);
  }
}

void zPaneScrollerAuto::afterScroll(bool vertical, bool absolute, int32_t pixels) {
  if (moveOrigin_ && window_) {
    zPoint o = origin_;
    zScrollInfo* info = vertical ? window_->vertScroll() : window_->horzScroll();
    const int32_t line = vertical ? vertLine_ : horzLine_;
    int32_t value = vertical ? o.y() : o.x();
    if (absolute && info)
      value = zOriginOfPos(info->pos(), info->lineStep(), line);
    else
      value -= pixels;  // contents moving up (negative pixels) move the origin down
    if (vertical)
      o.y() = value;
    else
      o.x() = value;
    moveOrigin(o);
  }
  if (update_ && window_ && IsWindow(window_->handle())) UpdateWindow(window_->handle());
}

int zPaneScrollerAuto::recalc() {
  if (!window_) return 1;
  const zRect client = clientRect();
  zDimension contents;
  const bool hasContents = window_->preferredSize(&contents) != 0;
  if (hasContents) size_ = contents;
  bool repaint = false;
  for (int vertical = 0; vertical < 2; ++vertical) {
    zScrollInfo* info = vertical ? window_->vertScroll() : window_->horzScroll();
    if (!info) continue;
    int32_t low = info->low();
    int32_t high = info->high();
    if (hasContents) {
      const int32_t clientExtent = vertical ? client.height() : client.width();
      const int32_t contentsExtent = vertical ? size_.height() : size_.width();
      const int32_t line = vertical ? vertLine_ : horzLine_;
      if (clientExtent < contentsExtent) {
        const int32_t oldHigh = high;
        high = zRangeHighFor(contentsExtent, clientExtent, line);
        info->setRange(low, high);
        if (info->pos() != 0 && oldHigh != 0) {
          info->setPos(zScaledPos(info->pos(), low, oldHigh, high));
          if (IsWindow(window_->handle())) InvalidateRect(window_->handle(), nullptr, TRUE);
          if (vertical)
            vertThumbPos();
          else
            horzThumbPos();
        }
      } else {
        low = high = 0;
        zPoint o = origin_;
        if (vertical)
          o.y() = 0;
        else
          o.x() = 0;
        moveOrigin(o);
        info->setRange(0, 0);
        info->movePos(0);
        info->setPrevPos(0);
        repaint = true;
      }
    }
  }
  horzRect_ = client;
  vertRect_ = client;
  if (repaint && IsWindow(window_->handle())) InvalidateRect(window_->handle(), nullptr, TRUE);
  return 1;
}
