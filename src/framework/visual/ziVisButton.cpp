#include "framework/visual/ziVisButton.h"

#include "framework/core/zTimerDev.h"
#include "framework/core/zWindow.h"
#include "framework/draw/zDisplay.h"

namespace {
// The host window of the hover shown last: one for the process, so a hover started in one
// pane replaces the one remembered from another.
HWND hoverWindow = nullptr;
constexpr WPARAM kHelpOff = 0xFFFF0000u;
constexpr uint32_t kHoverInterval = 500;

HWND parentHandleOf(zWindow* host) {
  if (!host) return nullptr;
  if (host->parent()) return host->parent()->handle();
  return GetParent(host->handle());
}
}  // namespace

// ---------------------------------------------------------------- ziVisControl

ziVisControl::ziVisControl(ziCompound* parent, zSizer* sizer, int32_t id)
    : ziVisual(parent, sizer), id_(id), button_(0), unused_(0), state_(ziStateUp) {
  clearFlags(interactiveBit);
}

void ziVisControl::draw(const zRect*) {
  if (state_ == ziStateUp)
    showState1();
  else if (state_ == ziStateSpecial)
    showState4();
}

// ---------------------------------------------------------------- ziVisButton

ziVisButton::ziVisButton(ziCompound* parent, zSizer* sizer, int32_t id)
    : ziVisControl(parent, sizer, id), hover_(0), hoverTimer_(nullptr), latched_(0), toggles_(0) {
  button_ = 1;
  setFlags(interactiveBit);
}

ziVisButton::~ziVisButton() {
  delete hoverTimer_;
  hoverTimer_ = nullptr;
  if (hover_) endHover();
  dropTargets();
  hover_ = 0;
}

void ziVisButton::draw(const zRect* clip) {
  switch (state_) {
    case ziStateDown:
      showState0();
      break;
    case ziStatePressed:
      showState2();
      break;
    case ziStatePressedDown:
      showState3();
      break;
    default:
      ziVisControl::draw(clip);
      break;
  }
}

void ziVisButton::show(int32_t st) {
  zDisplay* d = display();
  if (d) d->lock();
  switch (st) {
    case ziStateDown:
      showState0();
      break;
    case ziStatePressed:
      showState2();
      break;
    case ziStatePressedDown:
      showState3();
      break;
    case ziStateSpecial:
      showState4();
      break;
    default:
      showState1();
      break;
  }
  if (d) d->unlock();
}

void ziVisButton::dropTargets() {
  if (!parent_) return;
  if (parent_->mouseTarget() == this) parent_->setMouseTarget(nullptr);
  ziCompound* grand = parent_->parent();
  if (grand && grand->mouseTarget() == parent_) grand->setMouseTarget(nullptr);
}

void ziVisButton::endHover() {
  // The status line's help is taken back in every case, so it never keeps the text of a
  // button the pointer has left.
  hover_ = 0;
  delete hoverTimer_;
  hoverTimer_ = nullptr;
  if (!tracker_.pressed()) dropTargets();
  const HWND frame = parentHandleOf(hostWindow());
  if (frame) SendMessageA(frame, WM_MENUSELECT, kHelpOff, 0);
}

int ziVisButton::onMouseDown(zEvent* e) {
  if (!e->isMouseButton(1)) return 0;
  tracker_.press(state_);
  captureMouse();
  show(ziStatePressed);
  return 1;
}

int ziVisButton::onMouseMove(zEvent* e) {
  const zPoint p = zPoint::fromLParam(static_cast<uint32_t>(e->lParam_));
  const bool leftHeld = e->isButtonDown(1) != 0;
  const bool inside = contains(p) && acceptsMouse(p);
  const int32_t next = tracker_.move(state_, inside, leftHeld);
  if (next != state_) show(next);
  if (inside) {
    if (!hover_ && !tracker_.held() && !leftHeld) {
      zWindow* host = hostWindow();
      if (!hoverTimer_) hoverTimer_ = new zTimer(this, &ziVisButton::hoverCheck, kHoverInterval);
      hoverWindow = host ? host->handle() : nullptr;
      if (parent_) {
        parent_->setMouseTarget(this);
        if (parent_->parent()) parent_->parent()->setMouseTarget(parent_);
      }
      hover_ = 1;
      const HWND frame = parentHandleOf(host);
      if (frame) SendMessageA(frame, WM_MENUSELECT, static_cast<WPARAM>(id_ & 0xFFFF), 0);
    }
    return 0;
  }
  // Left the button without a press: its hover ends here, so the sibling under the pointer
  // gets the moves (and its own help) from now on.
  if (hover_ && !tracker_.pressed()) endHover();
  return 0;
}

int ziVisButton::hoverCheck(zEvent*) {
  zWindow* host = hostWindow();
  const HWND mine = host ? host->handle() : nullptr;
  if (mine && mine == hoverWindow) {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == mine) return 0;
  }
  endHover();
  return 0;
}

void ziVisButton::deliverClick() {
  int r = 0;
  if (click_.isSet()) r = click_(this);
  if (!r && command_.isSet()) {
    ziVisCommand cmd = {0, id_};
    r = command_(&cmd);
  }
  if (!r) {
    zWindow* host = hostWindow();
    if (host && host->handle())
      SendMessageA(host->handle(), WM_COMMAND, static_cast<WPARAM>(id_ & 0xFFFF),
                   reinterpret_cast<LPARAM>(host->handle()));
  }
}

int ziVisButton::onMouseUp(zEvent* e) {
  if (!e->isMouseButton(1)) return 0;
  bool click = false;
  const int32_t before = state_;
  const int32_t next = tracker_.release(state_, toggles_ != 0, latched_ != 0, &click);
  dropTargets();
  releaseMouse();
  hover_ = 0;
  delete hoverTimer_;
  hoverTimer_ = nullptr;
  const HWND frame = parentHandleOf(hostWindow());
  if (click) {
    show(next);
    if (frame) SendMessageA(frame, WM_MENUSELECT, kHelpOff, 0);
    deliverClick();
  } else {
    if (next != before) {
      state_ = next;
      zDisplay* d = display();
      if (d) d->lock();
      const zRect r = rect();
      draw(&r);
      if (d) d->unlock();
    }
    if (frame) SendMessageA(frame, WM_MENUSELECT, kHelpOff, 0);
  }
  return 1;
}
