// A popup menu shown at a point of its owner window. While TrackPopupMenu runs, the popup
// is the program's current popup menu (ziTrackedPopupMenu), to which the window
// procedures offer WM_INITMENU, WM_MENUSELECT and WM_COMMAND first. The chosen command
// goes to the popup's own handlers, and to the owner as WM_COMMAND when none takes it;
// the current reference is cleared when tracking ends, so later commands of the menu bar
// or the toolbar never reach a popup that is closed.
#pragma once

#include "foundation/Geometry.h"
#include "framework/core/zMenu.h"

class zPopupMenu;

// The popup menu being tracked; null otherwise.
extern zPopupMenu* ziTrackedPopupMenu;

class zPopupMenu : public zMenu {
 public:
  // An empty popup at the owner's client origin.
  explicit zPopupMenu(zWindow* owner);
  // An empty popup at a point of the owner's client area.
  zPopupMenu(const zPoint& point, zWindow* owner);
  // The first submenu of a menu resource, at a point of the owner's client area.
  zPopupMenu(const zPoint& point, zWindow* owner, const zResId& id);
  ~zPopupMenu() override;

  // Shows the menu at its point and returns when it closes: the chosen command, 0 when
  // none was chosen.
  uint32_t track();
  // The same at a point of the owner's client area.
  uint32_t trackAt(const zPoint& point);
  // The same at a screen point with the given TrackPopupMenu flags.
  uint32_t track(int x, int y, UINT flags = TPM_LEFTALIGN | TPM_RIGHTBUTTON);
  const zPoint& screenPoint() const { return point_; }

 private:
  void setClientPoint(const zPoint& point);

  zPoint point_;
  HMENU loaded_;
};
