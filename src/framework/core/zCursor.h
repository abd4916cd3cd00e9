// A window's mouse cursor; the standard arrow by default. Loading cursors from resources
// belongs with the other resource classes and extends this one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class zCursor {
 public:
  zCursor() : handle_(LoadCursor(nullptr, IDC_ARROW)) {}
  explicit zCursor(HCURSOR handle) : handle_(handle) {}
  HCURSOR handle() const { return handle_; }
  void setHandle(HCURSOR handle) { handle_ = handle; }

 private:
  HCURSOR handle_;
};
