#include "framework/controls/zPopupMenu.h"

#include "framework/core/zWindow.h"

zPopupMenu* ziTrackedPopupMenu = nullptr;

zPopupMenu::zPopupMenu(zWindow* owner) : zMenu() {
  owner_ = owner;
  setTypeBit(zTypePopupMenu);
}

void zPopupMenu::track(int x, int y, UINT flags) {
  if (!handle_ || !owner_) return;
  zPopupMenu* const previous = ziTrackedPopupMenu;
  ziTrackedPopupMenu = this;
  TrackPopupMenu(handle_, flags, x, y, 0, owner_->handle(), nullptr);
  ziTrackedPopupMenu = previous;
}
