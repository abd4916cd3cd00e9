#include "framework/bars/zButtonGroup.h"

#include "framework/bars/zToolbar.h"
#include "framework/core/zWindow.h"
#include "framework/visual/zCtrl3d.h"

LRESULT zSetButtonCheck(zWindow* button, int state) {
  if (!button || !IsWindow(button->handle())) return 0;
  const HWND h = button->handle();
  if (state == 1 && SendMessageA(h, BM_GETCHECK, 0, 0) == 1) return 0;
  const WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_WNDPROC));
  return CallWindowProcA(proc, h, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

zButtonGroup::zButtonGroup(zWindow* parent, int32_t firstId, int32_t lastId)
    : parent_(parent), firstId_(firstId), lastId_(lastId), currentId_(firstId), hasTarget_(0) {
  construct();
}

zButtonGroup::zButtonGroup(zToolbar* toolbar, int32_t firstId, int32_t lastId)
    : parent_(toolbar), firstId_(firstId), lastId_(lastId), currentId_(firstId), hasTarget_(0) {
  if (toolbar) toolbar->addButtonGroup(this);
  construct();
}

void zButtonGroup::construct() {
  if (lastId_ < firstId_) {
    const int32_t t = firstId_;
    firstId_ = lastId_;
    lastId_ = t;
  }
  currentId_ = firstId_;
  if (!parent_) return;
  bool found = false;
  for (int32_t id = firstId_; id <= lastId_ && !found; ++id) {
    zWindow* b = parent_->childById(id);
    if (b && SendMessageA(b->handle(), BM_GETCHECK, 0, 0) != 0) {
      currentId_ = id;
      found = true;
    }
  }
  if (!found) zSetButtonCheck(parent_->childById(firstId_), 1);
  parent_->appendCommandNode(new zNotifyNode(static_cast<uint32_t>(firstId_), static_cast<uint32_t>(lastId_),
                                             zEventHandler(this, &zButtonGroup::onCommand), WM_COMMAND));
}

zButtonGroup::~zButtonGroup() {
  if (!parent_ || (parent_->flags() & zWinDestroying)) return;
  if (parent_->hasTypeBit(zTypeToolbar)) static_cast<zToolbar*>(parent_)->removeButtonGroup(this);
  if (zNotifyNodeDlist* list = parent_->commandList())
    list->removeAll(WM_COMMAND, zEventHandler(this, &zButtonGroup::onCommand));
}

namespace {
void setTabStop(zWindow* button, bool on) {
  const HWND h = button->handle();
  const LONG_PTR style = GetWindowLongPtrA(h, GWL_STYLE);
  const bool has = (style & WS_TABSTOP) != 0;
  if (has == on) return;
  SetWindowLongPtrA(h, GWL_STYLE, on ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
}
}  // namespace

int zButtonGroup::select(int32_t id) {
  if (!parent_) return 0;
  int ok = 1;
  if (zWindow* old = parent_->childById(currentId_)) {
    zSetButtonCheck(old, 0);
    setTabStop(old, false);
  } else {
    ok = 0;
  }
  currentId_ = id;
  if (zWindow* now = parent_->childById(id)) {
    zSetButtonCheck(now, 1);
    setTabStop(now, true);
  } else {
    ok = 0;
  }
  return ok;
}

void zButtonGroup::enable(int flag) {
  if (!parent_) return;
  for (int32_t id = firstId_; id <= lastId_; ++id) {
    zWindow* b = parent_->childById(id);
    if (!b) continue;
    if (flag)
      b->enable();
    else
      b->disable();
  }
}

int zButtonGroup::onCommand(zEvent* event) {
  if (!event || HIWORD(event->wParam()) != BN_CLICKED) return 0;
  const int32_t id = LOWORD(event->wParam());
  if (id < firstId_ || id > lastId_) return 0;
  select(id);
  if (hasTarget_) target_(event);
  return 0;
}

zRadioGroup3d::zRadioGroup3d(zWindow* parent, int32_t firstId, int32_t lastId, int32_t* bound)
    : zButtonGroup(parent, firstId, lastId), bound_(bound) {
  bindButtons();
  load();
}

zRadioGroup3d::zRadioGroup3d(zToolbar* toolbar, int32_t firstId, int32_t lastId, int32_t* bound)
    : zButtonGroup(toolbar, firstId, lastId), bound_(bound) {
  bindButtons();
  load();
}

void zRadioGroup3d::bindButtons() {
  if (!parent_ || !bound_) return;
  for (int32_t id = firstId_; id <= lastId_; ++id)
    if (auto* radio = dynamic_cast<zRadioButton3d*>(parent_->childById(id))) radio->bind(bound_);
}

int zRadioGroup3d::load() {
  if (!bound_ || *bound_ < firstId_ || *bound_ > lastId_) return 0;
  select(*bound_);
  return 1;
}

int zRadioGroup3d::store() {
  if (!bound_) return 0;
  *bound_ = currentId_;
  return 1;
}
