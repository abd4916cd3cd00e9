// A popup menu tracked at a point. While TrackPopupMenu runs, the menu is the framework's
// tracked popup menu, and the window procedures offer WM_COMMAND to it first.
#pragma once

#include "framework/controls/zMenu.h"

class zPopupMenu;

// The popup menu whose TrackPopupMenu call is running; null otherwise.
extern zPopupMenu* ziTrackedPopupMenu;

class zPopupMenu : public zMenu {
 public:
  explicit zPopupMenu(zWindow* owner);
  // Shows the menu at a screen point and returns when it closes; commands go to the owner.
  void track(int x, int y, UINT flags = TPM_LEFTALIGN | TPM_RIGHTBUTTON);
};
