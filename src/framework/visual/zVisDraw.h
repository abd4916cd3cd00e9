// Small drawing helpers of the drawn controls: one-pixel lines and rectangles in a solid
// colour on a device context, each selecting its own pen and restoring the old one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>

#include "framework/draw/zDisplay.h"

namespace zvis {

// Locks the display for the life of the scope; a null display does nothing.
class LockScope {
 public:
  explicit LockScope(zDisplay* d) : d_(d) {
    if (d_) d_->lock();
  }
  ~LockScope() {
    if (d_) d_->unlock();
  }
  LockScope(const LockScope&) = delete;
  LockScope& operator=(const LockScope&) = delete;
  HDC dc() const { return d_ ? d_->hdc() : nullptr; }

 private:
  zDisplay* d_;
};
constexpr COLORREF white = 0xFFFFFF;
constexpr COLORREF grey = 0x808080;
constexpr COLORREF black = 0x000000;
constexpr COLORREF lightGrey = 0xC0C0C0;

class PenScope {
 public:
  PenScope(HDC dc, COLORREF color) : dc_(dc), pen_(CreatePen(PS_SOLID, 0, color)) { old_ = SelectObject(dc_, pen_); }
  ~PenScope() {
    SelectObject(dc_, old_);
    DeleteObject(pen_);
  }
  PenScope(const PenScope&) = delete;
  PenScope& operator=(const PenScope&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ old_;
};

// The face colour of buttons and 3-D controls, as the system has it now.
inline COLORREF face() { return GetSysColor(COLOR_BTNFACE); }

inline void line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}
// Fills [left, right) x [top, bottom) with a colour.
inline void fill(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  RECT r = {left, top, right, bottom};
  HBRUSH b = CreateSolidBrush(color);
  FillRect(dc, &r, b);
  DeleteObject(b);
}
// The part of the window to paint through dc: its clip box, or the whole client area where the
// clip box cannot be had.
inline RECT paintBox(HDC dc, HWND window) {
  RECT box;
  if (GetClipBox(dc, &box) == ERROR) GetClientRect(window, &box);
  return box;
}
}  // namespace zvis
