// A menu as a device: its owner window and its native menu. This is the least the window
// classes need (an empty menu bar or popup menu, the handle that WM_NCDESTROY clears, the
// dispatch of menu commands); loading menus from resources and the MDI menu merge extend it.
#pragma once

#include "framework/core/zDevice.h"

// Bit of a window's handler flags that offers menu messages to its menu first.
constexpr uint32_t zMenuHandlerBit = 0x0008;

class zMenu : public zDevice {
 public:
  // An empty popup menu without an owner.
  zMenu();
  // An empty menu bar for the owner window, attached to it when the window exists.
  explicit zMenu(zWindow* owner);
  // Destroys the native menu unless it went with its window.
  ~zMenu() override;

  HMENU handle() const { return handle_; }
  zWindow* owner() const { return owner_; }
  // The native menu was destroyed with its window.
  void clearHandle() { handle_ = nullptr; }
  void redraw();

 protected:
  zWindow* owner_;
  HMENU handle_;
};
