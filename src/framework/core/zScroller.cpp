#include "framework/core/zScrollerBase.h"

#include "framework/core/zScrollInfo.h"
#include "framework/core/zWindow.h"

zScrollerBase::zScrollerBase(zWindow* window) : window_(window) {}

zScrollerBase::~zScrollerBase() = default;

bool zScrollerBase::hasVert() const { return window_ && window_->vertScroll(); }
bool zScrollerBase::hasHorz() const { return window_ && window_->horzScroll(); }

zScrollState zScrollerBase::stateOf(const zScrollInfo* info) {
  zScrollState s;
  if (!info) return s;
  s.low = info->low();
  s.high = info->high();
  s.pos = info->pos();
  s.prevPos = info->prevPos();
  s.lineStep = info->lineStep();
  s.pageStep = info->pageStep();
  return s;
}

int zScrollerBase::dispatchCode(UINT message, int code) {
  const bool vert = message == WM_VSCROLL;
  switch (code) {
    case SB_LINEUP:
    case SB_LINEDOWN:
      return vert ? vertLine() : horzLine();
    case SB_PAGEUP:
    case SB_PAGEDOWN:
      return vert ? vertPage() : horzPage();
    case SB_THUMBPOSITION:
      return vert ? vertThumbPos() : horzThumbPos();
    case SB_THUMBTRACK:
      return vert ? vertThumbTrack() : horzThumbTrack();
    case SB_TOP:
      return vert ? vertTop() : horzLeft();
    case SB_BOTTOM:
      return vert ? vertBottom() : horzRight();
    default:
      return 1;
  }
}

int zScrollerBase::scroll(zEvent* event) {
  const int code = LOWORD(event->wParam_);
  const UINT message = event->message_;
  if (message != WM_VSCROLL && message != WM_HSCROLL) return 0;
  if (code != SB_ENDSCROLL) beforeScroll();
  if (!window_) return 0;
  const zScrollInfo* info = message == WM_VSCROLL ? window_->vertScroll() : window_->horzScroll();
  if (!info) return 0;
  if (info->prevPos() == info->pos()) return 1;  // nothing moved
  if (!window_->scroller()) return 0;
  return dispatchCode(message, code);
}

int zControlScroller::scroll(zEvent* event) {
  const int code = LOWORD(event->wParam_);
  if (event->message_ != WM_VSCROLL && event->message_ != WM_HSCROLL) return 0;
  if (code != SB_ENDSCROLL) beforeScroll();
  return dispatchCode(event->message_, code);
}

// ---------------------------------------------------------------- keyboard

zScrollerWKeyboard::zScrollerWKeyboard(zWindow* window) : zScrollerBase(window), attached_(false) { attachKeyboard(); }

zScrollerWKeyboard::~zScrollerWKeyboard() { detachKeyboard(); }

int zScrollerWKeyboard::attachKeyboard() {
  if (attached_ || !window_) return 1;
  attached_ = true;
  window_->addNotifyHandler(this, &zScrollerWKeyboard::keyDownHandler, WM_KEYDOWN);
  return 1;
}

int zScrollerWKeyboard::detachKeyboard() {
  if (!attached_) return 1;
  attached_ = false;
  if (window_ && window_->notifyList())
    window_->notifyList()->removeAll(WM_KEYDOWN, zEventHandler(this, &zScrollerWKeyboard::keyDownHandler));
  return 1;
}

void zScrollerWKeyboard::setWindow(zWindow* window) {
  if (attached_) {
    detachKeyboard();
    window_ = window;
    attachKeyboard();
  } else {
    window_ = window;
  }
}

int zScrollerWKeyboard::keyDown(zEvent* event) {
  if (!window_ || !window_->scroller()) return 0;
  zScrollInfo* vert = window_->vertScroll();
  zScrollInfo* horz = window_->horzScroll();
  const zScrollState v = stateOf(vert);
  const zScrollState h = stateOf(horz);
  const zKeyScroll k = zDecideKeyScroll(static_cast<uint32_t>(event->wParam_), GetKeyState(VK_CONTROL) < 0,
                                        vert ? &v : nullptr, horz ? &h : nullptr);
  if (k.action == zKeyScrollNone) return 0;
  beforeScroll();
  switch (k.action) {
    case zKeyScrollVertTop:
      vert->setPos(k.newPos);
      return vertTop();
    case zKeyScrollVertBottom:
      vert->setPos(k.newPos);
      return vertBottom();
    case zKeyScrollVertPage:
      vert->setPos(k.newPos);
      return vertPage();
    case zKeyScrollHorzLeft:
      horz->setPos(k.newPos);
      return horzLeft();
    case zKeyScrollHorzRight:
      horz->setPos(k.newPos);
      return horzRight();
    case zKeyScrollHorzPage:
      horz->setPos(k.newPos);
      return horzPage();
    default:
      return 0;
  }
}
