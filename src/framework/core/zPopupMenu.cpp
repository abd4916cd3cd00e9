#include "framework/core/zPopupMenu.h"

#include "framework/core/zResId.h"
#include "framework/core/zWindow.h"

zPopupMenu* ziTrackedPopupMenu = nullptr;

zPopupMenu::zPopupMenu(zWindow* owner) : zPopupMenu(zPoint(0, 0), owner) {}

zPopupMenu::zPopupMenu(const zPoint& point, zWindow* owner) : zMenu(), loaded_(nullptr) {
  owner_ = owner;
  setTypeBit(zTypePopupMenu);
  setClientPoint(point);
}

zPopupMenu::zPopupMenu(const zPoint& point, zWindow* owner, const zResId& id) : zMenu(), loaded_(nullptr) {
  setTypeBit(zTypePopupMenu);
  owner_ = owner;
  if (handle_) DestroyMenu(handle_);
  handle_ = nullptr;
  loaded_ = load(id);
  if (loaded_) handle_ = GetSubMenu(loaded_, 0);
  setClientPoint(point);
}

zPopupMenu::~zPopupMenu() {
  if (ziTrackedPopupMenu == this) ziTrackedPopupMenu = nullptr;
  if (loaded_) {
    // The submenu goes with the menu it was loaded in.
    DestroyMenu(loaded_);
    handle_ = nullptr;
  }
}

void zPopupMenu::setClientPoint(const zPoint& point) {
  POINT p = point.toPOINT();
  if (owner_ && IsWindow(owner_->handle())) ClientToScreen(owner_->handle(), &p);
  point_ = zPoint(p);
}

uint32_t zPopupMenu::track() { return track(point_.x(), point_.y(), TPM_RIGHTBUTTON); }

uint32_t zPopupMenu::trackAt(const zPoint& point) {
  setClientPoint(point);
  return track();
}

uint32_t zPopupMenu::track(int x, int y, UINT flags) {
  if (!handle_ || !owner_ || !IsWindow(owner_->handle())) return 0;
  zPopupMenu* const previous = ziTrackedPopupMenu;
  ziTrackedPopupMenu = this;
  const HWND owner = owner_->handle();
  const uint32_t command = static_cast<uint32_t>(
      TrackPopupMenu(handle_, (flags | TPM_RETURNCMD) & ~static_cast<UINT>(TPM_NONOTIFY), x, y, 0, owner, nullptr));
  if (ziTrackedPopupMenu == this) ziTrackedPopupMenu = previous;
  if (command == 0) return 0;
  // The chosen command goes to this popup's handlers first, then to the owner.
  zEvent event(0, command, WM_COMMAND, owner);
  if (!dispatch(&event) && IsWindow(owner)) SendMessageA(owner, WM_COMMAND, command, 0);
  return command;
}
