#include "framework/controls/zRadio.h"

#include "framework/core/zProgram.h"
#include "framework/core/ziWindowMap.h"

namespace {

zWindow* childWithId(zWindow* parent, int32_t id) { return parent ? parent->childById(id) : nullptr; }

void setChecked(zWindow* button, int state) {
  if (button && button->handle()) SendMessageA(button->handle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

// Adds or removes WS_TABSTOP on the stored and the native style; other native bits (a
// disabled button stays disabled) are kept as the window has them.
void setTabStop(zWindow* button, bool on) {
  if (!button) return;
  if (on)
    button->setStyleBits(WS_TABSTOP);
  else
    button->clearStyleBits(WS_TABSTOP);
  if (!button->handle() || !IsWindow(button->handle())) return;
  LONG_PTR style = GetWindowLongPtrA(button->handle(), GWL_STYLE);
  style = on ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrA(button->handle(), GWL_STYLE, style);
}

// The checked button moves from `current` to the child `id`; the tab stop sits on the
// checked button only. Returns the new current button (unchanged when the range has no
// child with that id).
zWindow* moveCheck(zWindow* parent, zWindow* current, int32_t first, int32_t last, int32_t id) {
  zWindow* next = childWithId(parent, id);
  if (!next) return current;
  zWindow* previous = current ? current : childWithId(parent, first);
  if (previous && previous != next) setChecked(previous, 0);
  zWindowDlistIter it(&parent->children());
  while (zWindow* child = it.next()) {
    if (child != next && child->id() >= first && child->id() <= last) setTabStop(child, false);
  }
  setChecked(next, 1);
  setTabStop(next, true);
  return next;
}

bool isClick(const zEvent* event) { return HIWORD(event->wParam_) == BN_CLICKED; }

}  // namespace

// ---------------------------------------------------------------- radio group

zRadioGroup::zRadioGroup(zWindow* parent, int32_t first, int32_t last)
    : zRadioButton(parent, first), bound_(nullptr), bindFlags_(0), first_(first), last_(last), current_(this) {
  registerRange();
  setCheck(1);
}

zRadioGroup::zRadioGroup(zWindow* parent, int32_t first, int32_t last, int32_t* bound, uint32_t flags)
    : zRadioButton(parent, first), bound_(bound), bindFlags_(flags), first_(first), last_(last), current_(this) {
  registerRange();
  loadData();
}

void zRadioGroup::registerRange() {
  if (!parent_) return;
  parent_->appendCommandNode(new zNotifyNode(static_cast<uint32_t>(first_), static_cast<uint32_t>(last_),
                                             zEventHandler(this, &zRadioGroup::clicked), WM_COMMAND));
}

zRadioGroup::~zRadioGroup() {
  if (parent_ && parent_->commandList())
    parent_->commandList()->removeAll(WM_COMMAND, zEventHandler(this, &zRadioGroup::clicked));
}

int zRadioGroup::clicked(zEvent* event) {
  if (!isClick(event)) return 0;
  current_ = moveCheck(parent_, current_, first_, last_, LOWORD(event->wParam_));
  if (notify_.isSet()) notify_(event);
  return 0;
}

uint32_t zRadioGroup::setBackgroundColor(const zColor& color) {
  const uint32_t value = color.colorRef();
  if (!parent_) return zControl::setBackgroundColor(color);
  zWindowDlistIter it(&parent_->children());
  while (zWindow* child = it.next()) {
    if (child->id() >= first_ && child->id() <= last_ && child->hasTypeBit(zTypeControl))
      static_cast<zControl*>(child)->zControl::setBackgroundColor(color);
  }
  return value;
}

int zRadioGroup::validate() { return current_ ? 1 : 0; }

int zRadioGroup::storeData() {
  if (!bound_) return 1;
  if (!current_) return 0;
  *bound_ = current_->id();
  return 1;
}

int zRadioGroup::loadData() {
  if (!bound_) return 0;
  if (*bound_ < first_ || *bound_ > last_) return 1;
  current_ = moveCheck(parent_, current_, first_, last_, *bound_);
  return 1;
}

// ---------------------------------------------------------------- radio controller

zRadioController::zRadioController(zWindow* parent, int32_t first, int32_t last)
    : bound_(nullptr),
      bindFlags_(0),
      first_(first),
      last_(last),
      current_(nullptr),
      parent_(parent),
      parentHandle_(parent ? parent->handle() : nullptr) {
  if (!parent_) return;
  parent_->appendCommandNode(new zNotifyNode(static_cast<uint32_t>(first), static_cast<uint32_t>(last),
                                             zEventHandler(this, &zRadioController::clicked), WM_COMMAND));
  zWindowDlistIter it(&parent_->children());
  while (zWindow* child = it.next()) {
    if (child->id() < first_ || child->id() > last_ || !child->handle()) continue;
    if (SendMessageA(child->handle(), BM_GETCHECK, 0, 0) != 0) {
      current_ = child;
      break;
    }
  }
}

zRadioController::zRadioController(zWindow* parent, int32_t first, int32_t last, int32_t* bound, uint32_t flags)
    : bound_(bound),
      bindFlags_(flags),
      first_(first),
      last_(last),
      current_(nullptr),
      parent_(parent),
      parentHandle_(parent ? parent->handle() : nullptr) {
  if (!parent_) return;
  parent_->appendCommandNode(new zNotifyNode(static_cast<uint32_t>(first), static_cast<uint32_t>(last),
                                             zEventHandler(this, &zRadioController::clicked), WM_COMMAND));
  update();
}

bool zRadioController::parentAlive() const {
  if (!parent_) return false;
  if (!parentHandle_) return true;
  ziWindowMap* map = zTheProgram ? zTheProgram->windowMap() : nullptr;
  return map && map->find(parentHandle_) == parent_;
}

zRadioController::~zRadioController() {
  if (parentAlive() && parent_->commandList())
    parent_->commandList()->removeAll(WM_COMMAND, zEventHandler(this, &zRadioController::clicked));
}

int zRadioController::clicked(zEvent* event) {
  if (!isClick(event)) return 0;
  current_ = moveCheck(parent_, current_, first_, last_, LOWORD(event->wParam_));
  if (notify_.isSet()) notify_(event);
  if (bound_ && current_) *bound_ = current_->id();
  return 0;
}

int zRadioController::update() {
  if (!bound_) return 0;
  if (*bound_ < first_ || *bound_ > last_) return 1;
  current_ = moveCheck(parent_, current_, first_, last_, *bound_);
  return 1;
}

int zRadioController::validate() { return current_ ? 1 : 0; }

int zRadioController::storeData() {
  if (!bound_) return 1;
  if (!current_) return 0;
  *bound_ = current_->id();
  return 1;
}

void zRadioController::setBackgroundColor(const zColor& color) {
  if (!parent_) return;
  zWindowDlistIter it(&parent_->children());
  while (zWindow* child = it.next()) {
    if (child->id() >= first_ && child->id() <= last_) child->setBackgroundColor(color);
  }
}

void zRadioController::setEnabled(int enabled) {
  if (!parent_) return;
  zWindowDlistIter it(&parent_->children());
  while (zWindow* child = it.next()) {
    if (child->id() >= first_ && child->id() <= last_ && child->handle())
      EnableWindow(child->handle(), enabled ? TRUE : FALSE);
  }
}
