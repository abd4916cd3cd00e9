#include "framework/controls/zMenu.h"

#include "framework/core/zWindow.h"

zMenu::zMenu() : owner_(nullptr), handle_(CreatePopupMenu()) {
  setTypeBit(zTypeMenu);
  addHandlerBits(zMenuHandlerBit);
}

zMenu::zMenu(zWindow* owner) : owner_(owner), handle_(CreateMenu()) {
  setTypeBit(zTypeMenu);
  addHandlerBits(zMenuHandlerBit);
  if (owner_ && IsWindow(owner_->handle())) SetMenu(owner_->handle(), handle_);
}

zMenu::~zMenu() {
  if (!handle_) return;
  if (owner_ && IsWindow(owner_->handle()) && GetMenu(owner_->handle()) == handle_)
    SetMenu(owner_->handle(), nullptr);
  DestroyMenu(handle_);
}

void zMenu::redraw() {
  if (owner_ && IsWindow(owner_->handle())) DrawMenuBar(owner_->handle());
}
