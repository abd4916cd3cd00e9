// Menus as devices: a native menu handle, for a menu bar its owner window, and handler
// nodes for WM_COMMAND, WM_MENUSELECT and WM_INITMENU that the window procedures offer
// menu messages to. Ids of a handler range include both ends; the id is the low word of
// wParam.
//
// A menu made for an owner that is the main frame's active MDI child posts
// zMsgChildMenu (wParam 1, lParam the owner's window handle) to the main frame, which
// shows the child's menu in its menu bar.
#pragma once

#include "framework/core/zDevice.h"

class zResId;
class zWindow;

// Bit of a window's handler flags that offers menu messages to its menu first.
constexpr uint32_t zMenuHandlerBit = 0x0008;
// Posted to the main frame when a menu was made for its active MDI child.
constexpr UINT zMsgChildMenu = 0x902;

class zMenu : public zDevice {
 public:
  // An empty popup menu without an owner.
  zMenu();
  // An empty menu bar attached to the owner (when the owner's window exists); null owner:
  // no menu.
  explicit zMenu(zWindow* owner);
  // A menu loaded from a resource and attached to the owner.
  zMenu(zWindow* owner, const zResId& id);
  // A menu loaded from a resource, without an owner.
  explicit zMenu(const zResId& id);
  // Attaches a menu made without an owner to the owner's window as its menu bar. A bar
  // completed before it is attached is laid out once; each change to an attached bar has
  // the window lay out its frame again (menus, bars and all).
  void attach(zWindow* owner);
  // Detaches itself from its owner when it is the owner's menu, then destroys the native
  // menu unless it went with its window.
  ~zMenu() override;

  HMENU handle() const { return handle_; }
  zWindow* owner() const { return owner_; }
  // The native menu was destroyed with its window.
  void clearHandle() { handle_ = nullptr; }
  void redraw();

  // Items.
  BOOL appendItem(uint32_t id, const char* text, uint32_t flags);
  BOOL appendString(uint32_t id, const char* text) { return appendItem(id, text, MF_STRING); }
  BOOL appendBitmap(uint32_t id, HBITMAP bitmap);
  BOOL appendSeparator();
  BOOL appendAfterSeparator(uint32_t id, const char* text);
  BOOL appendBarBreak(uint32_t id, const char* text) { return appendItem(id, text, MF_MENUBARBREAK); }
  BOOL appendPopup(zMenu* submenu, const char* text);
  BOOL appendPopupBitmap(zMenu* submenu, HBITMAP bitmap);
  BOOL insertBitmap(uint32_t id, uint32_t position, HBITMAP bitmap);
  BOOL insertPopupBitmap(zMenu* submenu, HBITMAP bitmap, uint32_t position);
  BOOL insertItem(uint32_t id, uint32_t position, const char* text, uint32_t flags);
  BOOL insertPopup(zMenu* submenu, const char* text, uint32_t position);
  BOOL deleteItem(uint32_t id);
  BOOL deleteAt(uint32_t position);
  // Each answers whether the menu has the item.
  int grayItem(uint32_t id, int gray);
  int setItemEnabled(uint32_t id, int enabled);
  int checkItem(uint32_t id, int checked);

  // Handlers. A handler answering nonzero takes the message.
  void setCommand(const zEventHandler& handler, uint32_t id);
  void setCommandRange(const zEventHandler& handler, uint32_t first, uint32_t last);
  void setCommandAny(const zEventHandler& handler);
  void removeCommandHandler(const zEventHandler& handler);
  void setSelectHandler(const zEventHandler& handler, uint32_t first = 0, uint32_t last = 0xFFFF);
  void setInitHandler(const zEventHandler& handler);
  void removeSelectHandler(const zEventHandler& handler);
  void removeInitHandler(const zEventHandler& handler);
  template <class T, class C>
  void setCommand(T* object, int (C::*member)(zEvent*), uint32_t id) {
    setCommand(zEventHandler(object, member), id);
  }
  template <class T, class C>
  void setCommandRange(T* object, int (C::*member)(zEvent*), uint32_t first, uint32_t last) {
    setCommandRange(zEventHandler(object, member), first, last);
  }
  template <class T, class C>
  void setCommandAny(T* object, int (C::*member)(zEvent*)) {
    setCommandAny(zEventHandler(object, member));
  }

 protected:
  // Loads the menu resource by the framework's resource rule; null when it cannot.
  static HMENU load(const zResId& id);
  // Tells the main frame when the owner is its active MDI child.
  void announceToMainFrame();

  zWindow* owner_;
  HMENU handle_;
};

// The window's own system menu; the window keeps it usable after the object is gone.
class zSystemMenu : public zMenu {
 public:
  explicit zSystemMenu(zWindow* window);
  ~zSystemMenu() override;
};
