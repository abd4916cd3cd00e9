// A window's mouse cursor; the standard arrow by default. Loading cursors from resources
// belongs with the other resource classes and extends this one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The system's arrow and application icon. Both are shared handles that live as long as the
// process, so each is loaded once: every load of a system image asks the window server
// again, and every window object and window class wants one.
HCURSOR zArrowCursor();
HICON zApplicationIcon();

class zCursor {
 public:
  zCursor() : handle_(zArrowCursor()) {}
  explicit zCursor(HCURSOR handle) : handle_(handle) {}
  HCURSOR handle() const { return handle_; }
  void setHandle(HCURSOR handle) { handle_ = handle; }

 private:
  HCURSOR handle_;
};
