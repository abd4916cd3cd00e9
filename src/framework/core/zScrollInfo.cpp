#include "framework/core/zScrollInfo.h"

#include "framework/core/zWindow.h"

zScrollInfo::zScrollInfo(zWindow* owner) : zScrollInfo(owner, SB_VERT) {}

zScrollInfo::zScrollInfo(zWindow* owner, int bar)
    : low_(0), high_(100), pageStep_(10), lineStep_(1), pos_(0), prevPos_(0), bar_(bar), owner_(owner) {}

void zScrollInfo::setRange(int32_t low, int32_t high) {
  low_ = low;
  high_ = high;
  if (owner_ && IsWindow(owner_->handle())) {
    const uint32_t packed = (static_cast<uint32_t>(low) & 0xFFFFu) | (static_cast<uint32_t>(high) & 0xFFFFu) << 16;
    PostMessageA(owner_->handle(), zMsgScrollRange, static_cast<WPARAM>(bar_), static_cast<LPARAM>(packed));
  }
}

int32_t zScrollInfo::clamp(int32_t n) const {
  if (n > high_) n = high_;
  if (n < low_) n = low_;
  return n;
}

void zScrollInfo::setPos(int32_t n) {
  n = clamp(n);
  prevPos_ = pos_;
  pos_ = n;
  applyToBar(n);
}

void zScrollInfo::movePos(int32_t n, bool redraw) {
  n = clamp(n);
  pos_ = n;
  applyToBar(n, redraw);
}

void zScrollInfo::applyToBar(int32_t n, bool redraw) {
  if (!owner_) return;
  const HWND window = owner_->handle();
  if (!IsWindow(window)) return;
  // A range change posted earlier must reach the bar before the position does.
  MSG msg;
  while (PeekMessageA(&msg, window, zMsgScrollRange, zMsgScrollRange, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  SetScrollPos(window, bar_, n, redraw ? TRUE : FALSE);
  if (!IsWindowVisible(window) && GetFocus() == window) {
    const HWND parent = GetParent(window);
    if (parent) {
      SetFocus(parent);
      SetFocus(window);
    }
  }
}

void zScrollInfo::set(const zRange* range, int32_t pos, int32_t lineStep, int32_t pageStep, int32_t prevPos) {
  if (range) setRange(range->low(), range->high());
  if (lineStep >= 0) lineStep_ = lineStep;
  if (pageStep >= 0) pageStep_ = pageStep;
  if (prevPos >= 0) prevPos_ = prevPos;
  if (pos >= 0) setPos(pos);
}
